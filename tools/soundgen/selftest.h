// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the generator's self-test.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace selftest {

using Bytes = std::vector<std::uint8_t>;

void check(bool ok, const std::string &what);
int failures();
void printTotals();

Bytes readFile(const std::filesystem::path &path);
std::uint32_t littleEndian(const Bytes &b, std::size_t at, int n);

struct Note {
    long start, end; // ticks
    int channel, key, velocity;
};

// What an independent reading of a Standard MIDI File finds in it.
struct SongInfo {
    bool wellFormed = true; // format 1, chunks intact, every track closed
    double seconds = 0;     // to the last end-of-track, through the tempo map
    int tempoChanges = 0;
    std::vector<Note> notes;
    std::map<int, int> notesPerChannel;
    std::map<int, int> programs;
    int unmatchedNoteOns = 0;
};

SongInfo readSong(const Bytes &b);

void runUnitChecks(); // notation, MIDI writer and arranger

} // namespace selftest
