// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Small synthesis toolkit for the game's sound effects: everything works on
// plain float sample blocks at one fixed rate, so effects are just sums of
// shaped building blocks.
#pragma once

#include <cstdint>
#include <vector>

namespace soundgen {

constexpr int kSampleRate = 44100;

using Samples = std::vector<float>;

int toSamples(double seconds);

// xorshift noise: the generator must write identical files on every run and
// every machine, which the standard library distributions do not promise.
class Noise
{
public:
    explicit Noise(std::uint32_t seed);
    float next(); // uniform in [-1, 1)

private:
    std::uint32_t m_state;
};

// One damped sine of a struck body; decay is the 1/e time in seconds.
struct Partial {
    double freq;
    double amp;
    double decay;
};

// A struck object (wood, metal, glass) as a sum of damped modes.
Samples strike(const std::vector<Partial> &partials, double seconds, double attack = 0.0005);

// Sine whose pitch glides exponentially from f0 towards f1: the thump of a
// heavy impact.
Samples thump(double f0, double f1, double glide, double decay, double seconds);

// Exponentially decaying white noise.
Samples noiseBurst(Noise &noise, double seconds, double decay);

// Brass-like tone: a band-limited sawtooth whose upper harmonics open up at
// the attack and settle afterwards, with a gentle late vibrato.
Samples brass(double freq, double seconds, double release = 0.06);

// Mallet bell (glockenspiel / celesta-like) tone.
Samples bell(double freq, double seconds, double decay = 0.5);

// RBJ biquad filters, applied in place.
void lowpass(Samples &s, double cutoff, double q = 0.707);
void highpass(Samples &s, double cutoff, double q = 0.707);
void bandpass(Samples &s, double centre, double q);

void scale(Samples &s, double gain);
// Adds src into dst starting at the given time, growing dst if needed.
void mixInto(Samples &dst, const Samples &src, double atSeconds, double gain = 1.0);
void fitLength(Samples &s, double seconds);

// Small-room Schroeder reverb; spread shifts the comb delays so the two
// channels of a stereo effect decorrelate.
Samples reverb(const Samples &dry, double mix, double size = 1.0, int spread = 0);

} // namespace soundgen
