// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// A song is written as sections of chords and melody lines over grooves;
// the arranger turns it into a General MIDI file with a lead, a counter
// voice, chord comping, bass, pad and drums.
#pragma once

#include "midi.h"

#include <cstdint>
#include <string>
#include <vector>

namespace soundgen {

struct Instrument {
    int program = 0;
    int volume = 100; // CC 7
    int pan = 64;     // CC 10
    int reverb = 40;  // CC 91
    int low = 0;      // lowest key: the melody range for lead and counter,
    int high = 127;   // the voicing register for comp and pad, the root
                      // register (low .. low+11) for the bass
    int voices = 4;   // comp and pad chord size
    bool pedal = false; // comp holds the sustain pedal through each chord
};

struct DrumLine {
    int key;
    std::string steps{}; // X accent, x normal, o ghost
};

// One accompaniment pattern; each step string cycles on its own length.
struct Groove {
    // Degrees of the current chord: 1 root, 2 ninth, 3 third, 4 fourth,
    // 5 fifth, 6 sixth, 7 seventh, 8 octave, a chromatic approach to the
    // next chord's root. A step where the chord changes always plays the root.
    std::string bass{};
    // X x o strike the chord at three strengths; digits 1-9 play one note of
    // the voicing, counted from the bottom (arpeggios).
    std::string comp{};
    std::vector<DrumLine> drums{};
    std::vector<DrumLine> fill{}; // replaces drums in the last bar of a section
};

struct Section {
    std::string name{};
    std::string chords{};
    std::string melody{};  // lead
    std::string counter{}; // counter voice: answers, doubling or a second chorus
    int groove = 0;
    int dynamic = 100; // percent applied to every velocity in the section
    int transpose = 0;
    int counterTranspose = 0;
    bool drums = true;
    bool bass = true;
    bool comp = true;
    bool pad = false;
    bool crash = true;  // cymbal crash on the first beat
    bool fill = true;   // drum fill in the last bar
    bool ending = false; // last bar: one held chord, a final hit and a ritardando
};

struct Song {
    std::string title{};
    double bpm = 120.0;
    double swing = 0.5; // where the off-beat eighth falls within the beat
    Instrument lead, counter, comp, bass, pad, drums;
    std::vector<Groove> grooves{};
    std::vector<Section> sections{};
    std::uint32_t seed = 1;
};

// Throws NotationError naming the section when a line does not fit.
MidiFile arrange(const Song &song);

} // namespace soundgen
