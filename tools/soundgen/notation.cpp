// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <map>
#include <sstream>

namespace soundgen {

namespace {
std::vector<std::string> words(std::string_view text)
{
    std::istringstream in{std::string(text)};
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

// Reads a letter and optional accidental at pos; returns the pitch class.
int readPitchClass(std::string_view s, std::size_t &pos)
{
    static constexpr std::array<int, 7> kLetters{9, 11, 0, 2, 4, 5, 7}; // a..g
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(s.at(pos))));
    if (c < 'a' || c > 'g')
        throw NotationError("not a note name in '" + std::string(s) + "'");
    int pc = kLetters[static_cast<std::size_t>(c - 'a')];
    ++pos;
    if (pos < s.size() && s[pos] == '#') {
        ++pc;
        ++pos;
    } else if (pos < s.size() && s[pos] == 'b') {
        --pc;
        ++pos;
    }
    return (pc + 12) % 12;
}

int lengthOf(char c)
{
    switch (c) {
    case 'w': return kTicksPerBar;
    case 'h': return kTicksPerBar / 2;
    case 'q': return kTicksPerBar / 4;
    case 'i': return kTicksPerBar / 8;
    case 's': return kTicksPerBar / 16;
    default: return 0;
    }
}

int velocityOf(std::string_view dynamic)
{
    static const std::map<std::string_view, int> kDynamics{{"pp", 40}, {"p", 55}, {"mp", 70},
                                                           {"mf", 85}, {"f", 100}, {"ff", 115}};
    const auto it = kDynamics.find(dynamic);
    if (it == kDynamics.end())
        throw NotationError("unknown dynamic '!" + std::string(dynamic) + "'");
    return it->second;
}

int nearestKey(int pitchClass, int previous)
{
    int key = previous - ((previous - pitchClass) % 12 + 12) % 12; // at or below previous
    if (previous - key > 6)
        key += 12;
    return key;
}
} // namespace

Line parseMelody(std::string_view text)
{
    Line line;
    int velocity = velocityOf("mf");
    int length = kTicksPerBar / 4;
    int previous = 60;
    int bar = 1;
    for (const std::string &token : words(text)) {
        if (token == "|") {
            if (line.length != bar * kTicksPerBar)
                throw NotationError("bar " + std::to_string(bar) + " holds " + std::to_string(line.length - (bar - 1) * kTicksPerBar)
                                    + " ticks instead of " + std::to_string(kTicksPerBar));
            ++bar;
            continue;
        }
        if (token[0] == '!') {
            velocity = velocityOf(std::string_view(token).substr(1));
            continue;
        }
        std::size_t pos = 0;
        std::vector<int> keys;
        const bool rest = token[0] == 'r';
        if (rest) {
            pos = 1;
        } else {
            for (;;) {
                const int pc = readPitchClass(token, pos);
                int key = nearestKey(pc, previous);
                if (pos < token.size() && std::isdigit(static_cast<unsigned char>(token[pos])))
                    key = 12 * (token[pos++] - '0' + 1) + pc;
                keys.push_back(key);
                previous = key;
                if (pos >= token.size() || token[pos] != '/')
                    break;
                ++pos;
            }
            previous = keys.front();
        }
        if (pos < token.size() && lengthOf(token[pos])) {
            length = 0;
            for (;;) {
                int part = lengthOf(token.at(pos));
                if (!part)
                    throw NotationError("bad length in '" + token + "'");
                ++pos;
                if (pos < token.size() && token[pos] == '.') {
                    part += part / 2;
                    ++pos;
                }
                length += part;
                if (pos >= token.size() || token[pos] != '+')
                    break;
                ++pos;
            }
        }
        int accent = 0;
        double sounding = 0.92;
        for (; pos < token.size(); ++pos) {
            switch (token[pos]) {
            case '>': accent = 18; break;
            case '\'': sounding = 0.5; break;
            case '_': sounding = 1.0; break;
            default: throw NotationError("unexpected '" + std::string(1, token[pos]) + "' in '" + token + "'");
            }
        }
        for (const int key : keys) {
            if (key < 0 || key > 127)
                throw NotationError("note out of range in '" + token + "'");
            line.notes.push_back({line.length, std::max(1, static_cast<int>(length * sounding)), key,
                                  std::min(127, velocity + accent)});
        }
        line.length += length;
    }
    return line;
}

Chord parseChord(std::string_view symbol)
{
    // Interval lists are in voicing priority order: when an instrument has
    // fewer voices than the chord has tones, the tones at the end are dropped.
    static const std::map<std::string_view, std::vector<int>> kQualities{
        {"", {4, 7, 0}},           {"m", {3, 7, 0}},          {"7", {4, 10, 7, 0}},
        {"maj7", {4, 11, 7, 0}},   {"m7", {3, 10, 7, 0}},     {"6", {4, 9, 7, 0}},
        {"m6", {3, 9, 7, 0}},      {"9", {4, 10, 14, 7, 0}},  {"m9", {3, 10, 14, 7, 0}},
        {"maj9", {4, 11, 14, 7, 0}}, {"13", {4, 10, 21, 14, 0}}, {"7b9", {4, 10, 13, 7, 0}},
        {"7#9", {4, 10, 15, 7, 0}}, {"m7b5", {3, 10, 6, 0}},  {"dim", {3, 6, 0}},
        {"dim7", {3, 9, 6, 0}},    {"sus4", {5, 7, 0}},       {"7sus4", {5, 10, 7, 0}},
        {"add9", {4, 14, 7, 0}},   {"aug", {4, 8, 0}}};
    std::size_t pos = 0;
    Chord chord;
    chord.root = readPitchClass(symbol, pos);
    chord.bass = chord.root;
    const std::size_t slash = symbol.find('/', pos);
    const std::string_view quality = symbol.substr(pos, slash == std::string_view::npos ? std::string_view::npos : slash - pos);
    const auto it = kQualities.find(quality);
    if (it == kQualities.end())
        throw NotationError("unknown chord '" + std::string(symbol) + "'");
    chord.intervals = it->second;
    if (slash != std::string_view::npos) {
        std::size_t bassPos = slash + 1;
        chord.bass = readPitchClass(symbol, bassPos);
        if (bassPos != symbol.size())
            throw NotationError("bad bass note in '" + std::string(symbol) + "'");
    }
    return chord;
}

Progression parseProgression(std::string_view text)
{
    Progression prog;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t bar = text.find('|', begin);
        const std::vector<std::string> symbols = words(text.substr(begin, bar == std::string_view::npos ? std::string_view::npos : bar - begin));
        if (symbols.empty())
            throw NotationError("empty bar " + std::to_string(prog.bars + 1) + " in chords '" + std::string(text) + "'");
        if (kTicksPerBar % static_cast<int>(symbols.size()) != 0)
            throw NotationError("a bar cannot be split into " + std::to_string(symbols.size()) + " chords");
        const int each = kTicksPerBar / static_cast<int>(symbols.size());
        for (std::size_t i = 0; i < symbols.size(); ++i) {
            const int start = prog.bars * kTicksPerBar + static_cast<int>(i) * each;
            if (symbols[i] == "%") {
                if (prog.chords.empty())
                    throw NotationError("'%' with no chord before it");
                prog.chords.push_back({start, each, prog.chords.back().chord});
            } else {
                prog.chords.push_back({start, each, parseChord(symbols[i])});
            }
        }
        ++prog.bars;
        if (bar == std::string_view::npos)
            break;
        begin = bar + 1;
    }
    return prog;
}

StepPattern parseSteps(std::string_view text)
{
    std::string chars;
    std::copy_if(text.begin(), text.end(), std::back_inserter(chars), [](char c) { return c != ' '; });
    if (chars.empty() || chars.size() % kStepsPerBar != 0)
        throw NotationError("step pattern '" + std::string(text) + "' is not whole bars of 16 steps");
    StepPattern pattern;
    pattern.bars = static_cast<int>(chars.size()) / kStepsPerBar;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const char c = chars[i];
        if (c == '-') {
            if (pattern.steps.empty() || pattern.steps.back().index + pattern.steps.back().length != static_cast<int>(i))
                throw NotationError("'-' after silence in step pattern '" + std::string(text) + "'");
            ++pattern.steps.back().length;
        } else if (c != '.') {
            pattern.steps.push_back({static_cast<int>(i), 1, c});
        }
    }
    return pattern;
}

} // namespace soundgen
