// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Midnight Payout: a slow late-night ballad in E-flat. Soprano sax over
// Rhodes arpeggios held on the sustain pedal, fretless bass and soft
// brushes; the French horn sings the last A an octave down.
#include "gm.h"
#include "songs.h"

namespace soundgen {

Song midnightPayout()
{
    Song song;
    song.title = "Midnight Payout";
    song.bpm = 70;
    song.swing = 0.58;
    song.seed = 0xba11ad;
    song.lead = {.program = gm::SopranoSax, .volume = 92, .pan = 58, .reverb = 65, .low = 56, .high = 88};
    song.counter = {.program = gm::FrenchHorn, .volume = 96, .pan = 74, .reverb = 65, .low = 41, .high = 77};
    song.comp = {.program = gm::RhodesPiano, .volume = 88, .pan = 50, .reverb = 55, .low = 53, .high = 74, .voices = 4,
                 .pedal = true};
    song.bass = {.program = gm::FretlessBass, .volume = 104, .pan = 64, .reverb = 35, .low = 31};
    song.pad = {.program = gm::SlowStrings, .volume = 62, .pan = 64, .reverb = 80, .low = 55, .high = 77, .voices = 4};
    song.drums = {.program = gm::BrushKit, .volume = 80, .reverb = 45};

    song.grooves = {
        {.bass = "1-------5------- 1-------3---5---",
         .comp = "x-----3-4---2---",
         .drums = {{gm::Kick, "o.......o......."}, {gm::SideStick, "....o.......o..."}, {gm::HatClosed, "o.o.o.o.o.o.o.o."}},
         .fill = {{gm::Kick, "o.......o......."}, {gm::SideStick, "....o..........."}, {gm::TomLow, "........o.o.o.o."}}},
    };

    const std::string aChords1 = "Ebmaj7 | Cm7 | Fm7 | Bb7 | Gm7 C7 | Fm7 Bb7 | Ebmaj7 Cm7 | Fm7 Bb7";
    const std::string aChords2 = "Ebmaj7 | Cm7 | Fm7 | Bb7 | Gm7 C7 | Fm7 Bb7 | Fm7 Bb7 | Ebmaj7";
    const std::string aHead = "g4q. bb4i d5h | eb5q. d5i c5h | ab4q. c5i eb5h | d5h c5q bb4q |"
                              " d5q. c5i bb4q g4q | c5q. bb4i ab4q f4q |";
    const std::string a1 = aHead + " g4h. eb5q | c5q ab4q bb4h";
    const std::string a2 = aHead + " c5q. eb5i d5q. ab4i | g4w";
    const std::string b = "c5q. eb5i g5h | f5h d5q bb4q | ab4q. c5i eb5q. f5i | g5h. rq |"
                          " eb5q. c5i ab4q c5q | d5h e5h | f5q. eb5i c5q ab4q | eb5h d5h";

    song.sections = {
        {.name = "Intro", .chords = "Ebmaj7 | Bb7sus4", .dynamic = 72, .drums = false, .crash = false, .fill = false},
        {.name = "A1", .chords = aChords1, .melody = "!mp " + a1, .dynamic = 80, .crash = false},
        {.name = "A2", .chords = aChords2, .melody = "!mp " + a2, .dynamic = 84, .pad = true, .crash = false},
        {.name = "B", .chords = "Abmaj7 | Gm7 | Fm7 | Ebmaj7 | Abmaj7 | Gm7 C7 | Fm7 | Bb7sus4 Bb7", .melody = b,
         .dynamic = 94, .pad = true, .crash = false},
        {.name = "Horn A", .chords = aChords2, .counter = "!mf " + a2, .dynamic = 88, .counterTranspose = -12, .pad = true,
         .crash = false},
        {.name = "Coda", .chords = "Abmaj7 | Fm7 Bb7 | Ebmaj9", .melody = "!mp c5q. eb5i g5h | f5q. ab4i d5h | eb5w",
         .dynamic = 78, .pad = true, .crash = false, .fill = false, .ending = true},
    };
    return song;
}

} // namespace soundgen
