// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The compact text notation the songs are written in.
//
// Melody line: whitespace-separated tokens.
//   c5q      note: letter a-g, optional # or b, optional octave (C4 = middle
//            C), optional length. Without an octave the note lands nearest
//            to the previous one; without a length the previous length holds.
//   lengths  w h q i s (whole, half, quarter, eighth, sixteenth), "." dots
//            one, "+" joins them: c5h+i.
//   c5/e5/g5i  several keys struck together.
//   r        rest, e.g. rh.
//   >  '  _  suffixes: accent, staccato, full length (legato).
//   !p !mf   dynamics pp p mp mf f ff for the following notes.
//   |        bar line; the parser checks that every bar is full.
// Chord progression: bars separated by "|", each holding one or more chord
//   symbols sharing the bar equally ("Cm7 F7 | Bbmaj7"); "%" repeats the
//   previous chord; "C/G" sets a bass note.
// Step pattern: one character per sixteenth, 16 per bar, spaces ignored;
//   "-" holds the previous step, "." is silent, anything else is a hit.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace soundgen {

constexpr int kBeatsPerBar = 4;
constexpr int kTicksPerBar = 480 * kBeatsPerBar;
constexpr int kStepsPerBar = 16;
constexpr int kTicksPerStep = kTicksPerBar / kStepsPerBar;

class NotationError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct NoteEvent {
    int start;  // ticks from the start of the line
    int length; // sounding length in ticks
    int key;
    int velocity;
};

struct Line {
    std::vector<NoteEvent> notes;
    int length = 0; // written length in ticks, rests included
};

Line parseMelody(std::string_view text);

struct Chord {
    int root = 0; // pitch class 0..11
    int bass = 0; // pitch class of the bass note
    std::vector<int> intervals; // from the root, in ascending voicing priority
};

Chord parseChord(std::string_view symbol);

struct ChordSpan {
    int start;
    int length;
    Chord chord;
};

struct Progression {
    std::vector<ChordSpan> chords;
    int bars = 0;
};

Progression parseProgression(std::string_view text);

struct Step {
    int index;  // sixteenth within the pattern
    int length; // in sixteenths, holds included
    char symbol;
};

struct StepPattern {
    std::vector<Step> steps;
    int bars = 0;
};

StepPattern parseSteps(std::string_view text);

} // namespace soundgen
