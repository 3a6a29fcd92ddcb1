// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "selftest.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace selftest {

namespace {
int g_passed = 0;
int g_failed = 0;

std::uint32_t bigEndian(const Bytes &b, std::size_t at, int n)
{
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i)
        v = (v << 8) | b.at(at + static_cast<std::size_t>(i));
    return v;
}

bool tagAt(const Bytes &b, std::size_t at, const char *tag)
{
    return at + 4 <= b.size() && std::equal(tag, tag + 4, b.begin() + static_cast<long>(at));
}
} // namespace

void check(bool ok, const std::string &what)
{
    ++(ok ? g_passed : g_failed);
    if (!ok)
        std::printf("FAIL: %s\n", what.c_str());
}

int failures()
{
    return g_failed;
}

void printTotals()
{
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
}

Bytes readFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t littleEndian(const Bytes &b, std::size_t at, int n)
{
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = (v << 8) | b.at(at + static_cast<std::size_t>(i));
    return v;
}

SongInfo readSong(const Bytes &b)
{
    SongInfo info;
    if (!tagAt(b, 0, "MThd") || bigEndian(b, 4, 4) != 6 || bigEndian(b, 8, 2) != 1) {
        info.wellFormed = false;
        return info;
    }
    const int tracks = static_cast<int>(bigEndian(b, 10, 2));
    const double division = bigEndian(b, 12, 2);
    std::map<long, double> tempos{{0, 500000.0}};
    long endTick = 0;
    std::size_t pos = 14;
    for (int t = 0; t < tracks && info.wellFormed; ++t) {
        if (!tagAt(b, pos, "MTrk") || pos + 8 > b.size()) {
            info.wellFormed = false;
            break;
        }
        const std::size_t end = pos + 8 + bigEndian(b, pos + 4, 4);
        pos += 8;
        long tick = 0;
        std::uint8_t running = 0;
        bool closed = false;
        std::map<int, std::vector<Note>> sounding; // by channel * 128 + key
        const auto varLen = [&] {
            std::uint32_t v = 0;
            std::uint8_t c;
            do {
                c = b.at(pos++);
                v = (v << 7) | (c & 0x7fu);
            } while (c & 0x80);
            return v;
        };
        while (pos < end && !closed) {
            tick += varLen();
            std::uint8_t status = b.at(pos);
            if (status & 0x80)
                ++pos;
            else
                status = running;
            if (status == 0xff) {
                const std::uint8_t type = b.at(pos++);
                const std::uint32_t len = varLen();
                if (type == 0x51) {
                    tempos[tick] = bigEndian(b, pos, 3);
                    ++info.tempoChanges;
                }
                closed = type == 0x2f;
                pos += len;
            } else if (status == 0xf0 || status == 0xf7) {
                pos += varLen();
            } else {
                running = status;
                const int kind = status & 0xf0;
                const int channel = status & 0x0f;
                const int d1 = b.at(pos++);
                const int d2 = (kind == 0xc0 || kind == 0xd0) ? 0 : b.at(pos++);
                std::vector<Note> &open = sounding[channel * 128 + d1];
                if (kind == 0xc0) {
                    info.programs[channel] = d1;
                } else if (kind == 0x90 && d2 > 0) {
                    open.push_back({tick, tick, channel, d1, d2});
                } else if ((kind == 0x80 || kind == 0x90) && !open.empty()) {
                    open.front().end = tick;
                    info.notes.push_back(open.front());
                    ++info.notesPerChannel[channel];
                    open.erase(open.begin());
                }
            }
        }
        for (const auto &[key, open] : sounding)
            info.unmatchedNoteOns += static_cast<int>(open.size());
        info.wellFormed = closed && pos == end;
        endTick = std::max(endTick, tick);
    }
    info.wellFormed = info.wellFormed && pos == b.size();
    std::sort(info.notes.begin(), info.notes.end(), [](const Note &a, const Note &c) { return a.start < c.start; });
    long last = 0;
    double tempo = 500000.0;
    for (const auto &[tick, micros] : tempos) {
        info.seconds += (std::min(tick, endTick) - last) / division * tempo / 1e6;
        last = std::min(tick, endTick);
        tempo = micros;
    }
    info.seconds += (endTick - last) / division * tempo / 1e6;
    return info;
}

} // namespace selftest
