// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Standard MIDI File (format 1) writer.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace soundgen {

constexpr int kTicksPerBeat = 480;

class MidiTrack
{
public:
    explicit MidiTrack(std::string name);

    // Overlapping notes of one key on one channel are cut where the next
    // one starts: a note-off must never silence the note after it.
    void addNote(int channel, int key, int velocity, int start, int end);
    void addProgram(int tick, int channel, int program);
    void addControl(int tick, int channel, int controller, int value);
    void addTempo(int tick, double bpm);
    void addTimeSignature(int tick, int numerator, int denominatorPower);
    void addMarker(int tick, const std::string &text);
    void addSysex(int tick, const std::vector<std::uint8_t> &body);

    int noteCount() const { return static_cast<int>(m_notes.size()); }

    // The MTrk chunk, its end-of-track at endTick or after the last event.
    std::vector<std::uint8_t> encode(int endTick) const;

private:
    struct Event {
        int tick;
        int order; // at equal ticks: meta/setup, then note-offs, then note-ons
        std::vector<std::uint8_t> bytes;
    };
    struct Note {
        int channel, key, velocity, start, end;
    };

    void addMeta(int tick, std::uint8_t type, const std::vector<std::uint8_t> &data);

    std::vector<Event> m_events;
    std::vector<Note> m_notes;
};

class MidiFile
{
public:
    // The returned reference stays valid while more tracks are added.
    MidiTrack &addTrack(const std::string &name);
    void setEndTick(int tick) { m_endTick = tick; }
    std::vector<std::uint8_t> encode() const;

private:
    std::deque<MidiTrack> m_tracks;
    int m_endTick = 0;
};

} // namespace soundgen
