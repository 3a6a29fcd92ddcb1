// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Velvet Lounge: a relaxed medium swing in F. Vibraphone states an AABA
// tune over piano, walking bass and brushes; the tenor sax takes the second
// chorus before both play the last A together.
#include "gm.h"
#include "songs.h"

namespace soundgen {

Song velvetLounge()
{
    Song song;
    song.title = "Velvet Lounge";
    song.bpm = 118;
    song.swing = 0.64;
    song.seed = 0x10a9e;
    song.lead = {.program = gm::Vibraphone, .volume = 104, .pan = 44, .reverb = 55, .low = 53, .high = 89};
    song.counter = {.program = gm::TenorSax, .volume = 96, .pan = 84, .reverb = 45, .low = 44, .high = 80};
    song.comp = {.program = gm::AcousticGrand, .volume = 78, .pan = 72, .reverb = 40, .low = 53, .high = 72, .voices = 4};
    song.bass = {.program = gm::AcousticBass, .volume = 112, .pan = 60, .reverb = 25, .low = 29};
    song.pad = {.program = gm::SlowStrings, .volume = 58, .pan = 64, .reverb = 70, .low = 53, .high = 74, .voices = 4};
    song.drums = {.program = gm::BrushKit, .volume = 88, .reverb = 35};

    song.grooves = {
        // Walking four with Charleston comping.
        {.bass = "1---3---5---a--- 1---5---6---a---",
         .comp = "x-....x-........ ....x-......x-..",
         .drums = {{gm::Ride, "x...x.x.x...x.x."},
                   {gm::HatPedal, "....x.......x..."},
                   {gm::Kick, "o.......o......."},
                   {gm::Snare, "..........o..... ......o........o"}},
         .fill = {{gm::Ride, "x...x.x.x......."},
                  {gm::Snare, "......o.o.x.x.X."},
                  {gm::Kick, "o.......o......."}}},
        // Two-beat feel for the intro.
        {.bass = "1-------5-------",
         .comp = "x-..............",
         .drums = {{gm::Ride, "o...o.o.o...o.o."}, {gm::HatPedal, "....x.......x..."}},
         .fill = {{gm::Ride, "o...o.o.o......."}, {gm::Snare, "........o.o.x.o."}}},
    };

    const std::string aChords1 = "Fmaj7 | D7 | Gm7 | C7 | Am7 D7 | Gm7 C7 | Fmaj7 D7 | Gm7 C7";
    const std::string aChords2 = "Fmaj7 | D7 | Gm7 | C7 | Am7 D7 | Gm7 C7 | Gm7 C7 | F6";
    const std::string aHead = "rq a4i c5i e5q. d5i | c5h a4i f#4i a4q | rq g4i bb4i d5q. c5i | bb4h g4i e4i g4q |"
                              " a4i c5i e5i g5i f#5q. ri | g5i f5i d5i bb4i e5q. ri |";
    const std::string a1 = aHead + " f5q e5q d5q c5q | bb4q. a4i g4q e4q";
    const std::string a2 = aHead + " d5i e5i f5i g5i e5q c5q | f5h. rq";
    const std::string bChords = "Cm7 F7 | Bbmaj7 | Bbm7 Eb7 | Am7 | Dm7 | G7 | Gm7 | C7";
    const std::string b = "g4i bb4i d5i eb5i c5q a4q | d5h f5i d5i bb4q | f5i db5i bb4i ab4i g4q. bb4i | a4q c5q e5h |"
                          " rq f5i e5i d5q c5q | b4h. d5q | f5i e5i d5i bb4i a4q g4q | e5h c5i bb4i g4q";

    song.sections = {
        {.name = "Intro", .chords = "Gm7 C7 | Am7 D7 | Gm7 | C7", .melody = "!mp rw | rw | d5h. c5q | bb4q g4q e4q c4q",
         .groove = 1, .dynamic = 80, .crash = false},
        {.name = "A1", .chords = aChords1, .melody = a1, .dynamic = 86},
        {.name = "A2", .chords = aChords2, .melody = a2, .dynamic = 86, .crash = false},
        {.name = "B", .chords = bChords, .melody = b, .dynamic = 94, .pad = true},
        {.name = "A3", .chords = aChords2, .melody = a2, .dynamic = 88},
        {.name = "Sax A", .chords = aChords1, .counter = a1, .dynamic = 94, .counterTranspose = -12},
        {.name = "Sax B", .chords = bChords, .counter = b, .dynamic = 100, .counterTranspose = -12, .pad = true},
        {.name = "Last A", .chords = aChords2, .melody = a2, .counter = a2, .dynamic = 94, .counterTranspose = -12, .pad = true},
        {.name = "Tag", .chords = "Gm7 C7 | Am7 D7 | Gm7 C7 | F6",
         .melody = "!mp d5i e5i f5i g5i e5q c5q | e5i c5i a4i g4i f#4q a4q | d5q. c5i bb4q e5q | f5w", .dynamic = 82,
         .pad = true, .crash = false, .fill = false, .ending = true},
    };
    return song;
}

} // namespace soundgen
