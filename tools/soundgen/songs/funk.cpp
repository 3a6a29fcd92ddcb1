// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Cherry Funk: a bright A-mixolydian funk groove. Alto sax lead, clavinet
// sixteenths, slap bass and a brass section that answers the sax, then
// takes over the tune.
#include "gm.h"
#include "songs.h"

namespace soundgen {

Song cherryFunk()
{
    Song song;
    song.title = "Cherry Funk";
    song.bpm = 102;
    song.seed = 0xf0c4;
    song.lead = {.program = gm::AltoSax, .volume = 100, .pan = 56, .reverb = 45, .low = 56, .high = 88};
    song.counter = {.program = gm::BrassSection, .volume = 90, .pan = 76, .reverb = 45, .low = 52, .high = 88};
    song.comp = {.program = gm::Clavinet, .volume = 76, .pan = 40, .reverb = 25, .low = 57, .high = 72, .voices = 3};
    song.bass = {.program = gm::SlapBass, .volume = 104, .pan = 64, .reverb = 15, .low = 33};
    song.pad = {.program = gm::DrawbarOrgan, .volume = 58, .pan = 88, .reverb = 50, .low = 55, .high = 74, .voices = 4};
    song.drums = {.program = gm::StandardKit, .volume = 96, .reverb = 25};

    const std::vector<DrumLine> funkFill{{gm::Kick, "x.....x........."},
                                         {gm::Snare, "....X...o.x.X.XX"},
                                         {gm::TomMid, "...........x...."},
                                         {gm::TomLow, ".............x.."},
                                         {gm::HatClosed, "xoxoxoxo........"}};
    song.grooves = {
        {.bass = "1-.1..8.1.5.7.8. 1-.1..8.1...5-a.",
         .comp = "x.ox..x.o.x..xo.",
         .drums = {{gm::Kick, "x.....x...x..x.."},
                   {gm::Snare, "....X..o.o..X..o"},
                   {gm::HatClosed, "xoxoxoxoxoxoxo.."},
                   {gm::HatOpen, "..............x."}},
         .fill = funkFill},
        {.bass = "1---..8.1---5-7-",
         .comp = "x-..x-..x-..x-..",
         .drums = {{gm::Kick, "x.......x.x....."},
                   {gm::Snare, "....X.......X..."},
                   {gm::HatClosed, "x.x.x.x.x.x.x.x."},
                   {gm::Tambourine, "....x.......x..."}},
         .fill = funkFill},
    };

    const std::string aChords = "A9 | A9 | D9 | A9 | A9 | A9 | D9 | E9";
    const std::string a = "rq e5i g5i a5i> g5i e5q | c#5i d5i e5i c#5i a4h | rq f#5i a5i c6i> a5i f#5q | e5h. rq |"
                          " rq e5i g5i a5i> b5i c#6q | b5i a5i g5i e5i c#5q. ri | d5i e5i f#5i a5i c6q a5q | g#5q f#5q e5q d5q";
    const std::string answers = "rw | rh. e5/a5/c#6i' ri | rw | rh. c#5/e5/a5i' ri |"
                                " rw | rh. e5/g5/c#6i' ri | rw | rh d5/g#5/b5q' d5/g#5/b5q'";
    const std::string bChords = "Dmaj7 | C#m7 | Bm7 | E9 | Dmaj7 | C#m7 | Bm7 | E9";
    const std::string b = "f#5q. e5i f#5q a5q | g#5h e5q c#5q | d5q. c#5i d5q f#5q | e5h g#4q b4q |"
                          " a5q. f#5i a5q c#6q | b5h g#5q e5q | f#5q. e5i d5q b4q | d5i e5i f#5i g#5i b5h";

    song.sections = {
        {.name = "Intro", .chords = "A9 | A9 | A9 | A9", .counter = "!f rw | rw | rw | rq e5/a5/c#6i' ri e5/a5/c#6i' ri rq",
         .dynamic = 86, .crash = false},
        {.name = "A1", .chords = aChords, .melody = a, .dynamic = 90},
        {.name = "A2", .chords = aChords, .melody = a, .counter = answers, .dynamic = 94, .crash = false},
        {.name = "B", .chords = bChords, .melody = b, .groove = 1, .dynamic = 94, .pad = true},
        {.name = "Brass A", .chords = aChords, .counter = "!f " + a, .dynamic = 100},
        {.name = "B2", .chords = bChords, .melody = b, .groove = 1, .dynamic = 98, .pad = true},
        {.name = "Last A", .chords = aChords, .melody = "!f " + a, .counter = answers, .dynamic = 102, .pad = true},
        {.name = "Outro", .chords = "A9 | D9 | E9 | A9",
         .melody = "rq e5i g5i a5i> g5i e5q | rq f#5i a5i c6i> a5i f#5q | g#5q f#5q e5q d5q | e5w",
         .counter = "rw | rw | rw | c#5/e5/a5w", .dynamic = 94, .pad = true, .fill = false, .ending = true},
    };
    return song;
}

} // namespace soundgen
