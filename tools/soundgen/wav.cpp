// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wav.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace soundgen {

namespace {
void put16(std::vector<std::uint8_t> &out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}

void put32(std::vector<std::uint8_t> &out, std::uint32_t v)
{
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

void putTag(std::vector<std::uint8_t> &out, const char *tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}
} // namespace

void finish(Sound &sound, double fadeIn, double fadeOut, double peakDb)
{
    const auto inLen = static_cast<std::size_t>(toSamples(fadeIn));
    const auto outLen = static_cast<std::size_t>(toSamples(fadeOut));
    double peak = 0.0;
    for (Samples &ch : sound.channels) {
        const std::size_t n = ch.size();
        for (std::size_t i = 0; i < std::min(inLen, n); ++i)
            ch[i] = static_cast<float>(ch[i] * static_cast<double>(i) / static_cast<double>(inLen));
        // Raised-cosine tail: ends at exactly zero without a corner.
        for (std::size_t i = 0; i < std::min(outLen, n); ++i) {
            const double x = static_cast<double>(i) / static_cast<double>(outLen);
            ch[n - 1 - i] = static_cast<float>(ch[n - 1 - i] * 0.5 * (1.0 - std::cos(std::numbers::pi * x)));
        }
        for (float x : ch)
            peak = std::max(peak, static_cast<double>(std::fabs(x)));
    }
    if (peak <= 0.0)
        throw std::runtime_error("silent sound");
    const double gain = std::pow(10.0, peakDb / 20.0) / peak;
    for (Samples &ch : sound.channels)
        scale(ch, gain);
}

std::vector<std::uint8_t> encodeWav(const Sound &sound)
{
    const auto channels = static_cast<std::uint32_t>(sound.channels.size());
    if (channels < 1 || channels > 2)
        throw std::runtime_error("a sound has one or two channels");
    const std::size_t frames = sound.channels.front().size();
    for (const Samples &ch : sound.channels) {
        if (ch.size() != frames)
            throw std::runtime_error("sound channels differ in length");
    }
    const auto dataBytes = static_cast<std::uint32_t>(frames * channels * 2);

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, channels);
    put32(out, kSampleRate);
    put32(out, kSampleRate * channels * 2);
    put16(out, channels * 2);
    put16(out, 16);
    putTag(out, "data");
    put32(out, dataBytes);
    for (std::size_t i = 0; i < frames; ++i) {
        for (const Samples &ch : sound.channels) {
            const long v = std::lround(std::clamp(static_cast<double>(ch[i]), -1.0, 1.0) * 32767.0);
            put16(out, static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(v))));
        }
    }
    return out;
}

} // namespace soundgen
