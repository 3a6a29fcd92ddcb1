// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Jackpot Lights: bright casino pop in C with a trumpet hook, syncopated
// electric piano and four-on-the-floor choruses. The last chorus steps up
// a whole tone to D for the finish.
#include "gm.h"
#include "songs.h"

namespace soundgen {

Song jackpotLights()
{
    Song song;
    song.title = "Jackpot Lights";
    song.bpm = 124;
    song.seed = 0x1a3c9;
    song.lead = {.program = gm::Trumpet, .volume = 80, .pan = 60, .reverb = 50, .low = 52, .high = 88};
    song.counter = {.program = gm::SynthBrass, .volume = 66, .pan = 80, .reverb = 50, .low = 48, .high = 88};
    song.comp = {.program = gm::ChorusPiano, .volume = 60, .pan = 46, .reverb = 45, .low = 55, .high = 76, .voices = 4};
    song.bass = {.program = gm::PickedBass, .volume = 84, .pan = 64, .reverb = 20, .low = 31};
    song.pad = {.program = gm::SynthStrings, .volume = 48, .pan = 64, .reverb = 70, .low = 55, .high = 79, .voices = 4};
    song.drums = {.program = gm::StandardKit, .volume = 74, .reverb = 30};

    const std::vector<DrumLine> popFill{{gm::Kick, "x.......x......."},
                                        {gm::Snare, "....x.......xxXX"},
                                        {gm::TomHigh, "........x......."},
                                        {gm::TomMid, "..........x....."},
                                        {gm::HatClosed, "x.x.x.x........."}};
    song.grooves = {
        // Verse: eighth-note bass, 3-3-2 piano.
        {.bass = "1-1-1-1-1-1-5-8- 1-1-1-1-1-1-8-5-",
         .comp = "x--x--x-x--x--x-",
         .drums = {{gm::Kick, "x.......x.x....."}, {gm::Snare, "....x.......x..."}, {gm::HatClosed, "x.o.x.o.x.o.x.o."}},
         .fill = popFill},
        // Chorus: four on the floor, clap on the backbeat, open hats.
        {.bass = "1-1-1-8-1-1-5-8-",
         .comp = "X--x--x-X--x--x-",
         .drums = {{gm::Kick, "x...x...x...x..."},
                   {gm::Snare, "....X.......X..."},
                   {gm::Clap, "....x.......x..."},
                   {gm::HatClosed, "x...x...x...x..."},
                   {gm::HatOpen, "..o...o...o...o."}},
         .fill = popFill},
        // Bridge: half time.
        {.bass = "1-------1---5---",
         .comp = "x-------x-------",
         .drums = {{gm::Kick, "x.........x....."}, {gm::Snare, "........X......."}, {gm::HatClosed, "x.o.x.o.x.o.x.o."}},
         .fill = popFill},
    };

    const std::string verseChords = "C | Am | F | G | C | Am | Dm7 | G7";
    const std::string verse = "rq g4i c5i e5q d5i c5i | e5q. d5i c5q a4q | rq a4i c5i f5q e5i c5i | d5h. rq |"
                              " rq g4i c5i e5q g5i e5i | a5q. g5i e5q c5q | d5i e5i f5i a5i g5q f5q | e5q d5q b4q g4q";
    const std::string chorusChords = "F G | Em Am | Dm7 G | C | F G | Em Am | Dm7 G7 | C";
    const std::string chorusHead = "a5q c6q b5q. g5i | g5q e5q e5i d5i c5q | f5q a5q g5q. d5i | e5h. rq |";
    const std::string chorusTail = " a5q c6q b5q. g5i | g5q b5q c6q. a5i | a5i g5i f5i e5i d5q b4q |";
    const std::string chorus = chorusHead + chorusTail + " c5h. rq";
    const std::string bridge = "a4h c5q e5q | f5h. c5q | e5h g5q e5q | d5w | c5h e5q a5q | a5h. f5q | a5q f5q g5q d5q | d5h c#5h";

    song.sections = {
        {.name = "Intro", .chords = "C | Am | F | G",
         .counter = "!f c5i' e5i' g5q c6q g5q | a5h e5q c5q | f5i' a5i' c6q a5q f5q | g5h d5q b4q", .dynamic = 90},
        {.name = "Verse 1", .chords = verseChords, .melody = verse, .dynamic = 90, .crash = false},
        {.name = "Chorus 1", .chords = chorusChords, .melody = "!f " + chorus, .groove = 1, .dynamic = 98, .pad = true},
        {.name = "Verse 2", .chords = verseChords, .melody = verse, .counter = "!mp " + verse, .dynamic = 92,
         .counterTranspose = -12},
        {.name = "Chorus 2", .chords = chorusChords, .melody = "!f " + chorus, .groove = 1, .dynamic = 100, .pad = true},
        {.name = "Bridge", .chords = "Am | F | C | G | Am | F | F G | A7sus4 A7", .counter = bridge, .groove = 2,
         .dynamic = 88, .pad = true},
        {.name = "Chorus 3", .chords = chorusChords, .melody = "!f " + chorus, .counter = chorus, .groove = 1,
         .dynamic = 104, .transpose = 2, .counterTranspose = -12, .pad = true},
        {.name = "Outro", .chords = "F G | Em Am | Dm7 G7 | C", .melody = "!f" + chorusTail + " c5w", .counter = chorusTail + " c5w",
         .groove = 1, .dynamic = 100, .transpose = 2, .counterTranspose = -12, .pad = true, .crash = false, .fill = false,
         .ending = true},
    };
    return song;
}

} // namespace soundgen
