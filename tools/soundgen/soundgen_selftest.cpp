// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the generator into a temporary directory and checks the files the
// game will load: well-formed WAV and MIDI, lengths in range, the song
// layout, and that two runs give identical bytes. Prints a one-line dump
// of every song for a human to look over.
#include "generate.h"
#include "selftest.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace fs = std::filesystem;
using selftest::check;

namespace {
void checkWav(const fs::path &path, double minSeconds, double maxSeconds)
{
    const std::string name = path.filename().string();
    const selftest::Bytes b = selftest::readFile(path);
    const auto le = [&](std::size_t at, int n) { return selftest::littleEndian(b, at, n); };
    const auto tag = [&](std::size_t at, const char *t) { return std::equal(t, t + 4, b.begin() + static_cast<long>(at)); };
    const bool header = b.size() > 44 && tag(0, "RIFF") && tag(8, "WAVE") && tag(12, "fmt ") && tag(36, "data")
        && le(4, 4) == b.size() - 8 && le(20, 2) == 1 && le(24, 4) == 44100 && le(34, 2) == 16 && le(40, 4) == b.size() - 44;
    check(header, name + ": RIFF/PCM 16-bit 44100 Hz header");
    if (!header)
        return;
    const std::size_t channels = le(22, 2);
    const std::size_t frames = (b.size() - 44) / (2 * channels);
    const double seconds = static_cast<double>(frames) / 44100.0;
    check(seconds >= minSeconds && seconds <= maxSeconds, name + ": duration " + std::to_string(seconds) + " s");
    const auto sample = [&](std::size_t at) { return std::abs(static_cast<int>(static_cast<std::int16_t>(le(at, 2)))); };
    int peak = 0;
    for (std::size_t at = 44; at + 1 < b.size(); at += 2)
        peak = std::max(peak, sample(at));
    const double peakDb = 20.0 * std::log10(peak / 32767.0);
    check(peakDb > -1.5 && peakDb < -0.5, name + ": peak " + std::to_string(peakDb) + " dBFS");
    check(sample(44) < 300 && sample(b.size() - 2) < 300, name + ": starts and ends near silence");
}

void checkSong(const fs::path &path)
{
    const std::string name = path.filename().string();
    const selftest::SongInfo s = selftest::readSong(selftest::readFile(path));
    check(s.wellFormed, name + ": format 1 header and MTrk chunks, each closed by end-of-track");
    check(s.seconds >= 60 && s.seconds <= 180, name + ": length " + std::to_string(s.seconds) + " s");
    check(s.notesPerChannel.count(9) && s.notesPerChannel.at(9) > 100, name + ": drums on channel 10");
    check(s.notesPerChannel.size() >= 5, name + ": at least five channels play");
    check(s.unmatchedNoteOns == 0, name + ": every note is released");
    bool programs = true;
    std::printf("%s: %.1f s;", name.c_str(), s.seconds);
    for (const auto &[channel, count] : s.notesPerChannel) {
        programs = programs && s.programs.count(channel);
        std::printf(" ch%d prog %d: %d notes;", channel + 1, s.programs.count(channel) ? s.programs.at(channel) : -1, count);
    }
    std::printf("\n");
    check(programs, name + ": every playing channel has a program change");
}
} // namespace

int main()
{
    selftest::runUnitChecks();

    const fs::path dir = fs::temp_directory_path() / ("zand_soundgen_selftest_" + std::to_string(getpid()));
    soundgen::generateAll(dir / "a");
    soundgen::generateAll(dir / "b");
    for (const std::string &name : soundgen::outputNames())
        check(selftest::readFile(dir / "a" / name) == selftest::readFile(dir / "b" / name), name + ": identical on a second run");

    const std::pair<const char *, std::pair<double, double>> wavLengths[] = {
        {"Zand0.wav", {0.12, 0.2}}, {"Zand1.wav", {0.25, 0.4}}, {"Zand3.wav", {0.04, 0.07}},
        {"Zand5.wav", {0.2, 0.3}},  {"Zand7.wav", {0.8, 1.5}},  {"ZandWin.wav", {1.0, 2.0}}};
    for (const auto &[name, range] : wavLengths)
        checkWav(dir / "a" / name, range.first, range.second);
    for (int i = 0; i < 5; ++i)
        checkSong(dir / "a" / ("Zand" + std::to_string(i) + ".mid"));

    fs::remove_all(dir);
    selftest::printTotals();
    return selftest::failures() == 0 ? 0 : 1;
}
