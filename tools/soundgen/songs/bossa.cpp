// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Sunset Bossa: a laid-back bossa nova in D minor. Flute melody over nylon
// guitar, the classic root-fifth bass and side-stick clave; the clarinet
// takes the tune in the middle.
#include "gm.h"
#include "songs.h"

namespace soundgen {

Song sunsetBossa()
{
    Song song;
    song.title = "Sunset Bossa";
    song.bpm = 138;
    song.seed = 0xb055a;
    song.lead = {.program = gm::Flute, .volume = 96, .pan = 54, .reverb = 60, .low = 60, .high = 96};
    song.counter = {.program = gm::Clarinet, .volume = 92, .pan = 78, .reverb = 55, .low = 50, .high = 91};
    song.comp = {.program = gm::NylonGuitar, .volume = 92, .pan = 40, .reverb = 40, .low = 52, .high = 69, .voices = 4};
    song.bass = {.program = gm::AcousticBass, .volume = 108, .pan = 64, .reverb = 25, .low = 33};
    song.pad = {.program = gm::WarmPad, .volume = 54, .pan = 64, .reverb = 70, .low = 57, .high = 77, .voices = 4};
    song.drums = {.program = gm::RoomKit, .volume = 80, .reverb = 35};

    song.grooves = {
        {.bass = "1-----5-5-------",
         .comp = "x---..x---..x--- ....x---..x---..",
         .drums = {{gm::SideStick, "x.....x.....x....... x.....x....."},
                   {gm::Kick, "o.....o.o......."},
                   {gm::HatClosed, "o.o.o.o.o.o.o.o."},
                   {gm::Maracas, "x.o.x.o.x.o.x.o."}},
         .fill = {{gm::SideStick, "x.....x........."},
                  {gm::Kick, "o.....o.o......."},
                  {gm::TomLow, "..........o.o.o."},
                  {gm::Maracas, "x.o.x.o.x.o.x.o."}}},
    };

    const std::string aChords = "Dm9 | Dm9 | Gm9 | C9 | Fmaj9 | Bbmaj7 | Em7b5 | A7b9";
    const std::string a = "a5q. g5i f5q e5q | f5h d5q e5q | f5q. e5i d5q bb4q | d5h e5q g5q |"
                          " a5q. g5i e5q c5q | f5h d5q a4q | bb4q. a4i g4q e4q | c#5h. e5q";
    const std::string bChords = "Bbmaj7 | Bbmaj7 | Am7 | Dm9 | Gm9 | C9 | Fmaj7 | Em7b5 A7b9";
    const std::string b = "d6q. c6i a5q f5q | g5h. rq | c6q. a5i g5q e5q | f5h e5q d5q |"
                          " bb5q. a5i f5q d5q | e5h g5q bb5q | a5h. rq | g5i f5i e5i d5i c#5h";

    song.sections = {
        {.name = "Intro", .chords = "Dm9 | Gm9 | Em7b5 | A7b9", .dynamic = 80, .crash = false},
        {.name = "A1", .chords = aChords, .melody = "!mp " + a, .dynamic = 86, .crash = false},
        {.name = "A2", .chords = aChords, .melody = "!mp " + a, .dynamic = 90, .pad = true, .crash = false},
        {.name = "B", .chords = bChords, .melody = b, .dynamic = 94, .pad = true, .crash = false},
        {.name = "Clarinet A", .chords = aChords, .counter = "!mp " + a, .dynamic = 90, .crash = false},
        {.name = "Clarinet B", .chords = bChords, .melody = "!p " + b, .counter = b, .dynamic = 94,
         .counterTranspose = -12, .pad = true, .crash = false},
        {.name = "Last A", .chords = aChords, .melody = "!mp " + a, .dynamic = 88, .pad = true, .crash = false},
        {.name = "Coda", .chords = "Dm9 | Gm9 | Em7b5 A7b9 | Dm9",
         .melody = "!mp a5q. g5i f5q e5q | f5h d5q bb4q | g4i a4i bb4i d5i c#5h | d5w", .dynamic = 82, .pad = true,
         .crash = false, .fill = false, .ending = true},
    };
    return song;
}

} // namespace soundgen
