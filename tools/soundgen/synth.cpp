// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace soundgen {

namespace {
constexpr double kTwoPi = 2.0 * std::numbers::pi;

class Biquad
{
public:
    Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
        : m_b0(b0 / a0), m_b1(b1 / a0), m_b2(b2 / a0), m_a1(a1 / a0), m_a2(a2 / a0)
    {
    }

    void run(Samples &s)
    {
        for (float &x : s) {
            const double in = x;
            const double out = m_b0 * in + m_b1 * m_x1 + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
            m_x2 = m_x1;
            m_x1 = in;
            m_y2 = m_y1;
            m_y1 = out;
            x = static_cast<float>(out);
        }
    }

private:
    double m_b0, m_b1, m_b2, m_a1, m_a2;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

struct BiquadBase {
    double cosw;
    double alpha;
};

BiquadBase biquadBase(double freq, double q)
{
    const double w = kTwoPi * std::min(freq, kSampleRate * 0.45) / kSampleRate;
    return {std::cos(w), std::sin(w) / (2.0 * q)};
}

class Comb
{
public:
    explicit Comb(int length) : m_buffer(static_cast<std::size_t>(length), 0.0f) { }

    float run(float in, float feedback, float damp)
    {
        const float out = m_buffer[m_pos];
        m_store = out * (1.0f - damp) + m_store * damp;
        m_buffer[m_pos] = in + m_store * feedback;
        m_pos = (m_pos + 1) % m_buffer.size();
        return out;
    }

private:
    Samples m_buffer;
    std::size_t m_pos = 0;
    float m_store = 0.0f;
};

class Allpass
{
public:
    explicit Allpass(int length) : m_buffer(static_cast<std::size_t>(length), 0.0f) { }

    float run(float in)
    {
        const float delayed = m_buffer[m_pos];
        m_buffer[m_pos] = in + delayed * 0.5f;
        m_pos = (m_pos + 1) % m_buffer.size();
        return delayed - in;
    }

private:
    Samples m_buffer;
    std::size_t m_pos = 0;
};
} // namespace

int toSamples(double seconds)
{
    return static_cast<int>(std::lround(seconds * kSampleRate));
}

Noise::Noise(std::uint32_t seed) : m_state(seed ? seed : 0x9e3779b9u) { }

float Noise::next()
{
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return static_cast<float>(m_state >> 8) / static_cast<float>(1u << 23) - 1.0f;
}

Samples strike(const std::vector<Partial> &partials, double seconds, double attack)
{
    Samples out(static_cast<std::size_t>(toSamples(seconds)), 0.0f);
    for (const Partial &p : partials) {
        if (p.freq >= kSampleRate * 0.45)
            continue;
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            const double env = std::min(1.0, t / attack) * std::exp(-t / p.decay);
            out[i] += static_cast<float>(p.amp * env * std::sin(kTwoPi * p.freq * t));
        }
    }
    return out;
}

Samples thump(double f0, double f1, double glide, double decay, double seconds)
{
    Samples out(static_cast<std::size_t>(toSamples(seconds)), 0.0f);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double f = f1 + (f0 - f1) * std::exp(-t / glide);
        phase += kTwoPi * f / kSampleRate;
        const double env = std::min(1.0, t / 0.001) * std::exp(-t / decay);
        out[i] = static_cast<float>(env * std::sin(phase));
    }
    return out;
}

Samples noiseBurst(Noise &noise, double seconds, double decay)
{
    Samples out(static_cast<std::size_t>(toSamples(seconds)), 0.0f);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        out[i] = static_cast<float>(noise.next() * std::exp(-t / decay));
    }
    return out;
}

Samples brass(double freq, double seconds, double release)
{
    Samples out(static_cast<std::size_t>(toSamples(seconds)), 0.0f);
    const int harmonics = std::min(24, static_cast<int>(kSampleRate * 0.45 / freq));
    std::array<double, 24> phase{};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        // The "blat" of a brass attack: brightness overshoots, then settles.
        const double bright = 0.35 + 0.9 * std::exp(-t / 0.05) * std::min(1.0, t / 0.012);
        const double vibrato = 1.0 + 0.004 * std::min(1.0, std::max(0.0, t - 0.25) / 0.3) * std::sin(kTwoPi * 5.5 * t);
        const double amp = std::min(1.0, t / 0.018) * (0.85 + 0.15 * std::exp(-t / 0.08))
            * std::min(1.0, std::max(0.0, seconds - t) / release);
        double sum = 0.0;
        for (int k = 1; k <= harmonics; ++k) {
            phase[static_cast<std::size_t>(k - 1)] += kTwoPi * freq * k * vibrato / kSampleRate;
            sum += std::sin(phase[static_cast<std::size_t>(k - 1)]) / k * std::exp(-(k - 1) / (1.0 + 9.0 * bright));
        }
        out[i] = static_cast<float>(amp * sum);
    }
    return out;
}

Samples bell(double freq, double seconds, double decay)
{
    return strike({{freq, 1.0, decay},
                   {freq * 2.0, 0.35, decay * 0.5},
                   {freq * 3.01, 0.18, decay * 0.25},
                   {freq * 4.17, 0.12, decay * 0.12},
                   {freq * 5.43, 0.06, decay * 0.08}},
                  seconds, 0.002);
}

void lowpass(Samples &s, double cutoff, double q)
{
    const auto [c, a] = biquadBase(cutoff, q);
    Biquad((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + a, -2 * c, 1 - a).run(s);
}

void highpass(Samples &s, double cutoff, double q)
{
    const auto [c, a] = biquadBase(cutoff, q);
    Biquad((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + a, -2 * c, 1 - a).run(s);
}

void bandpass(Samples &s, double centre, double q)
{
    const auto [c, a] = biquadBase(centre, q);
    Biquad(a, 0, -a, 1 + a, -2 * c, 1 - a).run(s);
}

void scale(Samples &s, double gain)
{
    for (float &x : s)
        x = static_cast<float>(x * gain);
}

void mixInto(Samples &dst, const Samples &src, double atSeconds, double gain)
{
    const auto offset = static_cast<std::size_t>(toSamples(atSeconds));
    if (dst.size() < offset + src.size())
        dst.resize(offset + src.size(), 0.0f);
    for (std::size_t i = 0; i < src.size(); ++i)
        dst[offset + i] += static_cast<float>(src[i] * gain);
}

void fitLength(Samples &s, double seconds)
{
    s.resize(static_cast<std::size_t>(toSamples(seconds)), 0.0f);
}

Samples reverb(const Samples &dry, double mix, double size, int spread)
{
    std::array<Comb, 4> combs{Comb(static_cast<int>(1116 * size) + spread), Comb(static_cast<int>(1188 * size) + spread),
                              Comb(static_cast<int>(1277 * size) + spread), Comb(static_cast<int>(1356 * size) + spread)};
    std::array<Allpass, 2> allpasses{Allpass(556 + spread), Allpass(441 + spread)};
    Samples out(dry.size());
    for (std::size_t i = 0; i < dry.size(); ++i) {
        float wet = 0.0f;
        for (Comb &comb : combs)
            wet += comb.run(dry[i] * 0.25f, 0.8f, 0.3f);
        for (Allpass &ap : allpasses)
            wet = ap.run(wet);
        out[i] = static_cast<float>(dry[i] * (1.0 - mix) + wet * mix);
    }
    return out;
}

} // namespace soundgen
