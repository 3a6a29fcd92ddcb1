// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The short mechanical effects. Each is built from a low thump for weight,
// a handful of damped modes for the material and a filtered noise transient
// for the contact itself.
#include "effects.h"

namespace soundgen {

namespace {
Sound mono(Samples s)
{
    Sound sound;
    sound.channels.push_back(std::move(s));
    return sound;
}

Samples contactClick(Noise &noise, double centre, double q, double decay)
{
    Samples click = noiseBurst(noise, decay * 6.0, decay);
    bandpass(click, centre, q);
    return click;
}
} // namespace

Sound reelStopSound()
{
    constexpr double kLength = 0.17;
    Noise noise(0x5eed0001);
    Samples out;
    mixInto(out, thump(190.0, 62.0, 0.018, 0.034, kLength), 0.0, 1.0);
    // Wooden body of the reel drum.
    mixInto(out, strike({{310.0, 0.55, 0.030}, {735.0, 0.35, 0.018}, {1490.0, 0.18, 0.010}}, kLength), 0.0);
    mixInto(out, contactClick(noise, 2600.0, 1.1, 0.0018), 0.0, 2.2);
    // The detent pawl settling a moment after the drum stops.
    mixInto(out, strike({{1980.0, 0.16, 0.006}, {3350.0, 0.08, 0.004}}, 0.04), 0.048);
    mixInto(out, contactClick(noise, 3200.0, 1.5, 0.0012), 0.048, 0.5);
    lowpass(out, 6500.0);
    fitLength(out, kLength);
    Sound sound = mono(std::move(out));
    finish(sound, 0.0005, 0.02);
    return sound;
}

Sound coinSound()
{
    constexpr double kLength = 0.36;
    Noise noise(0x5eed0002);
    Samples out;
    // Modes of a small metal disc; each bounce rings a little shorter and
    // excites the modes slightly differently.
    struct Bounce {
        double at;
        double gain;
        double detune;
    };
    const Bounce bounces[] = {{0.0, 1.0, 1.0}, {0.072, 0.5, 1.004}, {0.122, 0.27, 0.997}, {0.158, 0.13, 1.002}};
    for (const Bounce &b : bounces) {
        const double ring = 0.2 * (0.4 + 0.6 * b.gain);
        Samples hit = strike({{1580.0 * b.detune, 0.30, ring * 0.8},
                              {2360.0 * b.detune, 1.00, ring},
                              {3470.0 * b.detune, 0.70, ring * 0.75},
                              {4910.0 * b.detune, 0.45, ring * 0.55},
                              {6020.0 * b.detune, 0.30, ring * 0.4},
                              {7360.0 * b.detune, 0.22, ring * 0.3}},
                             kLength - b.at, 0.0003);
        mixInto(out, hit, b.at, b.gain);
        Samples click = noiseBurst(noise, 0.012, 0.0015);
        highpass(click, 3000.0);
        mixInto(out, click, b.at, 0.8 * b.gain);
    }
    fitLength(out, kLength);
    out = reverb(out, 0.12, 0.6);
    Sound sound = mono(std::move(out));
    finish(sound, 0.0003, 0.05);
    return sound;
}

Sound tallySound()
{
    // Heard every 75 ms for seconds at a time: a soft attack and a quick,
    // mellow decay keep it from becoming shrill.
    constexpr double kLength = 0.055;
    Samples out = strike({{1318.5, 1.0, 0.014}, {2637.0, 0.22, 0.008}, {3955.0, 0.06, 0.005}}, kLength, 0.0015);
    mixInto(out, strike({{659.3, 0.25, 0.010}}, kLength, 0.0015), 0.0);
    Sound sound = mono(std::move(out));
    finish(sound, 0.0005, 0.008);
    return sound;
}

Sound safeSound()
{
    constexpr double kLength = 0.27;
    Noise noise(0x5eed0005);
    Samples out;
    // Dial detent.
    mixInto(out, strike({{3100.0, 0.30, 0.008}, {5200.0, 0.18, 0.005}}, 0.04), 0.0, 0.8);
    mixInto(out, contactClick(noise, 4000.0, 1.2, 0.0012), 0.0, 0.6);
    // The bolt: a low thud with the ring of a steel door.
    constexpr double kBolt = 0.05;
    mixInto(out, thump(150.0, 52.0, 0.03, 0.05, kLength - kBolt), kBolt, 1.0);
    mixInto(out,
            strike({{523.0, 0.50, 0.090}, {1233.0, 0.40, 0.060}, {2270.0, 0.28, 0.040}, {3810.0, 0.14, 0.025}},
                   kLength - kBolt),
            kBolt, 0.9);
    mixInto(out, contactClick(noise, 1200.0, 0.9, 0.004), kBolt, 2.0);
    // Loose rattle of the bolt in its guide.
    mixInto(out, strike({{2900.0, 0.12, 0.010}}, 0.05), 0.112);
    lowpass(out, 9000.0);
    fitLength(out, kLength);
    out = reverb(out, 0.1, 0.5);
    Sound sound = mono(std::move(out));
    finish(sound, 0.0005, 0.04);
    return sound;
}

} // namespace soundgen
