// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <utility>

namespace soundgen {

namespace {
enum Order { kSetup = 0, kNoteOff = 1, kNoteOn = 2 };

void putVarLen(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    std::uint8_t bytes[5];
    int n = 0;
    do {
        bytes[n++] = static_cast<std::uint8_t>(value & 0x7f);
        value >>= 7;
    } while (value);
    while (n > 1)
        out.push_back(static_cast<std::uint8_t>(bytes[--n] | 0x80));
    out.push_back(bytes[0]);
}

void putBigEndian(std::vector<std::uint8_t> &out, std::uint32_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xff));
}

std::uint8_t data7(int v)
{
    if (v < 0 || v > 127)
        throw std::out_of_range("MIDI data byte out of range: " + std::to_string(v));
    return static_cast<std::uint8_t>(v);
}

std::uint8_t status(int kind, int channel)
{
    if (channel < 0 || channel > 15)
        throw std::out_of_range("MIDI channel out of range");
    return static_cast<std::uint8_t>(kind | channel);
}
} // namespace

MidiTrack::MidiTrack(std::string name)
{
    addMeta(0, 0x03, std::vector<std::uint8_t>(name.begin(), name.end()));
}

void MidiTrack::addNote(int channel, int key, int velocity, int start, int end)
{
    data7(key);
    data7(velocity);
    if (velocity == 0 || end <= start || start < 0)
        throw std::invalid_argument("empty or silent note");
    m_notes.push_back({channel, key, velocity, start, end});
}

void MidiTrack::addProgram(int tick, int channel, int program)
{
    m_events.push_back({tick, kSetup, {status(0xc0, channel), data7(program)}});
}

void MidiTrack::addControl(int tick, int channel, int controller, int value)
{
    m_events.push_back({tick, kSetup, {status(0xb0, channel), data7(controller), data7(value)}});
}

void MidiTrack::addTempo(int tick, double bpm)
{
    const auto micros = static_cast<std::uint32_t>(std::lround(60'000'000.0 / bpm));
    addMeta(tick, 0x51,
            {static_cast<std::uint8_t>(micros >> 16), static_cast<std::uint8_t>(micros >> 8),
             static_cast<std::uint8_t>(micros)});
}

void MidiTrack::addTimeSignature(int tick, int numerator, int denominatorPower)
{
    addMeta(tick, 0x58, {data7(numerator), data7(denominatorPower), 24, 8});
}

void MidiTrack::addMarker(int tick, const std::string &text)
{
    addMeta(tick, 0x06, std::vector<std::uint8_t>(text.begin(), text.end()));
}

void MidiTrack::addSysex(int tick, const std::vector<std::uint8_t> &body)
{
    std::vector<std::uint8_t> bytes{0xf0};
    putVarLen(bytes, static_cast<std::uint32_t>(body.size()));
    bytes.insert(bytes.end(), body.begin(), body.end());
    m_events.push_back({tick, kSetup, std::move(bytes)});
}

void MidiTrack::addMeta(int tick, std::uint8_t type, const std::vector<std::uint8_t> &data)
{
    std::vector<std::uint8_t> bytes{0xff, type};
    putVarLen(bytes, static_cast<std::uint32_t>(data.size()));
    bytes.insert(bytes.end(), data.begin(), data.end());
    m_events.push_back({tick, kSetup, std::move(bytes)});
}

std::vector<std::uint8_t> MidiTrack::encode(int endTick) const
{
    std::vector<Event> events = m_events;

    std::map<std::pair<int, int>, std::vector<Note>> byKey;
    for (const Note &n : m_notes)
        byKey[{n.channel, n.key}].push_back(n);
    for (auto &[channelKey, notes] : byKey) {
        std::stable_sort(notes.begin(), notes.end(), [](const Note &a, const Note &b) { return a.start < b.start; });
        for (std::size_t i = 0; i < notes.size(); ++i) {
            Note n = notes[i];
            if (i + 1 < notes.size())
                n.end = std::min(n.end, notes[i + 1].start);
            if (n.end <= n.start)
                continue;
            events.push_back({n.start, kNoteOn, {status(0x90, n.channel), data7(n.key), data7(n.velocity)}});
            events.push_back({n.end, kNoteOff, {status(0x80, n.channel), data7(n.key), 64}});
        }
    }
    std::stable_sort(events.begin(), events.end(), [](const Event &a, const Event &b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });

    std::vector<std::uint8_t> body;
    int now = 0;
    for (const Event &e : events) {
        putVarLen(body, static_cast<std::uint32_t>(e.tick - now));
        body.insert(body.end(), e.bytes.begin(), e.bytes.end());
        now = e.tick;
    }
    putVarLen(body, static_cast<std::uint32_t>(std::max(0, endTick - now)));
    body.insert(body.end(), {0xff, 0x2f, 0x00});

    std::vector<std::uint8_t> chunk{'M', 'T', 'r', 'k'};
    putBigEndian(chunk, static_cast<std::uint32_t>(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

MidiTrack &MidiFile::addTrack(const std::string &name)
{
    return m_tracks.emplace_back(name);
}

std::vector<std::uint8_t> MidiFile::encode() const
{
    std::vector<std::uint8_t> out{'M', 'T', 'h', 'd'};
    putBigEndian(out, 6, 4);
    putBigEndian(out, 1, 2);
    putBigEndian(out, static_cast<std::uint32_t>(m_tracks.size()), 2);
    putBigEndian(out, kTicksPerBeat, 2);
    for (const MidiTrack &track : m_tracks) {
        const std::vector<std::uint8_t> chunk = track.encode(m_endTick);
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

} // namespace soundgen
