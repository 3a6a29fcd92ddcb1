// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the building blocks: the note notation, the MIDI writer and the
// arranger's swing, bass, voicing, transposition and ending rules.
#include "arranger.h"
#include "notation.h"
#include "selftest.h"

#include <algorithm>
#include <stdexcept>

using namespace soundgen;
using selftest::check;

namespace {
template<typename F>
bool throwsNotation(F f)
{
    try {
        f();
    } catch (const NotationError &) {
        return true;
    }
    return false;
}

std::vector<selftest::Note> notesOn(const selftest::SongInfo &info, int channel)
{
    std::vector<selftest::Note> out;
    std::copy_if(info.notes.begin(), info.notes.end(), std::back_inserter(out), [&](const selftest::Note &n) { return n.channel == channel; });
    return out;
}

void checkNotation()
{
    const Line line = parseMelody("!p c4q e g c5 | bb4h.+i ri");
    check(line.notes.size() == 5 && line.notes[1].key == 64 && line.notes[2].key == 67 && line.notes[3].key == 72
              && line.notes[4].key == 70 && line.notes[4].start == kTicksPerBar,
          "melody: relative octaves and sticky lengths");
    check(line.length == kTicksPerBar * 2 && line.notes[4].length == kTicksPerBar * 7 / 8 * 92 / 100,
          "melody: dotted and joined lengths, rests");
    check(line.notes[0].velocity == 55, "melody: dynamics set velocity");
    const Line chord = parseMelody("c5/e5/g5i' a4");
    check(chord.notes.size() == 4 && chord.notes[2].start == 0 && chord.notes[2].length == 120 && chord.notes[3].key == 69,
          "melody: struck chords, staccato, octave taken from the chord's first key");
    check(throwsNotation([] { parseMelody("c4q d e | f"); }), "melody: short bar is rejected");
    check(throwsNotation([] { parseMelody("c4x"); }), "melody: unknown suffix is rejected");

    const Chord c = parseChord("Bb7/D");
    check(c.root == 10 && c.bass == 2 && c.intervals.size() == 4, "chord: root, slash bass and tones");
    check(throwsNotation([] { parseChord("Cmaj13#11"); }), "chord: unknown quality is rejected");
    const Progression prog = parseProgression("Am7 D7 | % | G");
    check(prog.bars == 3 && prog.chords.size() == 4 && prog.chords[2].chord.root == 2 && prog.chords[2].length == kTicksPerBar,
          "progression: split bars and repeat sign");

    const StepPattern steps = parseSteps("x--. o... ....  X...");
    check(steps.bars == 1 && steps.steps.size() == 3 && steps.steps[0].length == 3 && steps.steps[2].index == 12,
          "steps: holds, rests and spaces");
    check(throwsNotation([] { parseSteps("x..."); }), "steps: partial bar is rejected");
}

void checkMidiWriter()
{
    MidiFile file;
    MidiTrack &track = file.addTrack("Test");
    track.addNote(0, 60, 100, 0, 480);
    track.addNote(0, 60, 90, 240, 720);
    track.addNote(0, 62, 80, 100000, 100480); // needs a three-byte delta time
    const selftest::SongInfo info = selftest::readSong(file.encode());
    const auto &n = info.notes;
    check(info.wellFormed && n.size() == 3, "midi writer: a well-formed file holding the notes");
    check(n.size() == 3 && n[0].end == 240 && n[1].start == 240 && n[1].end == 720,
          "midi writer: an overlapping note of the same key is cut, not silenced");
    check(n.size() == 3 && n[2].start == 100000 && n[2].end == 100480, "midi writer: long delta times");
    bool rejected = false;
    try {
        track.addNote(0, 128, 100, 0, 10);
    } catch (const std::out_of_range &) {
        rejected = true;
    }
    check(rejected, "midi writer: keys outside 0..127 are rejected");
}

Song tinySong()
{
    Song song;
    song.title = "Tiny";
    song.comp = {.low = 55, .high = 67, .voices = 3};
    song.bass = {.low = 36};
    song.grooves = {{.bass = "1---3---5---a---", .comp = "x-------x-------", .drums = {{36, "x..............."}}}};
    song.sections = {{.name = "One", .chords = "C | F", .melody = "c5i d5i e5q f5h | g5w", .crash = false, .fill = false}};
    return song;
}

void checkArranger()
{
    Song song = tinySong();
    song.swing = 0.64;
    const selftest::SongInfo swung = selftest::readSong(arrange(song).encode());
    const auto lead = notesOn(swung, 0);
    check(lead.size() == 5 && lead[0].start == 480 && lead[1].start == 480 + 307 && lead[2].start == 960,
          "arranger: off-beat eighths are swung after a one-beat lead-in");

    const auto bass = notesOn(swung, 3);
    check(bass.size() >= 5 && bass[0].key == 36 && bass[1].key == 40 && bass[2].key == 43 && bass[3].key == 42 && bass[4].key == 41,
          "arranger: walking bass degrees and the approach from above into F");

    const auto comp = notesOn(swung, 2);
    check(comp.size() == 12 && std::all_of(comp.begin(), comp.end(), [](const selftest::Note &n) { return n.key >= 55 && n.key <= 67; }),
          "arranger: three-voice chords stay inside the comping register");

    song.sections[0].transpose = 2;
    song.sections[0].ending = true;
    const selftest::SongInfo moved = selftest::readSong(arrange(song).encode());
    check(notesOn(moved, 0).front().key == 74 && notesOn(moved, 3).front().key == 38, "arranger: transposition moves melody and chords");
    const auto drums = notesOn(moved, 9);
    check(moved.tempoChanges > 1 && std::any_of(drums.begin(), drums.end(), [](const selftest::Note &n) { return n.key == 49 && n.start >= 480 + kTicksPerBar; }),
          "arranger: an ending slows down and closes on a cymbal");

    song.lead.high = 72;
    bool named = false;
    try {
        arrange(song);
    } catch (const NotationError &e) {
        named = std::string(e.what()).find("Tiny, section One") != std::string::npos;
    }
    check(named, "arranger: a note outside the instrument's range is reported with song and section");
}
} // namespace

namespace selftest {

void runUnitChecks()
{
    checkNotation();
    checkMidiWriter();
    checkArranger();
}

} // namespace selftest
