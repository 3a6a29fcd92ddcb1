// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The two musical effects: the welcome chime and the win fanfare. Both are
// in C major so they sit well against any of the background songs' endings.
#include "effects.h"

#include <cmath>

namespace soundgen {

namespace {
double noteHz(int midiKey)
{
    return 440.0 * std::pow(2.0, (midiKey - 69) / 12.0);
}

// Accumulates panned voices into a stereo pair; pan -1 left .. 1 right.
class StereoMix
{
public:
    void add(const Samples &voice, double at, double gain, double pan)
    {
        mixInto(m_left, voice, at, gain * std::sqrt(0.5 * (1.0 - pan)));
        mixInto(m_right, voice, at, gain * std::sqrt(0.5 * (1.0 + pan)));
    }

    Sound finishWithRoom(double seconds, double mix, double fadeOut)
    {
        fitLength(m_left, seconds);
        fitLength(m_right, seconds);
        Sound sound;
        sound.channels.push_back(reverb(m_left, mix, 1.0, 0));
        sound.channels.push_back(reverb(m_right, mix, 1.0, 23));
        finish(sound, 0.001, fadeOut);
        return sound;
    }

private:
    Samples m_left;
    Samples m_right;
};
} // namespace

Sound welcomeSound()
{
    constexpr double kLength = 1.3;
    StereoMix mix;
    // C5 E5 G5 C6 E6, sweeping left to right.
    const int keys[] = {72, 76, 79, 84, 88};
    for (int i = 0; i < 5; ++i) {
        const double at = 0.1 * i;
        mix.add(bell(noteHz(keys[i]), kLength - at, 0.45), at, i == 4 ? 0.7 : 1.0, -0.5 + 0.25 * i);
    }
    // A soft warm chord swells under the last notes.
    for (const int key : {60, 64, 67}) {
        Samples pad = strike({{noteHz(key), 1.0, 0.5}, {noteHz(key) * 2.0, 0.2, 0.3}}, kLength - 0.3, 0.15);
        mix.add(pad, 0.3, 0.18, key == 64 ? 0.0 : (key == 60 ? -0.3 : 0.3));
    }
    return mix.finishWithRoom(kLength, 0.25, 0.3);
}

Sound winSound()
{
    constexpr double kLength = 1.8;
    constexpr double kChordAt = 0.3;
    constexpr double kChordLength = 1.2;
    StereoMix mix;
    // Three quick pickups, G over G, into a full C major chord.
    for (int i = 0; i < 3; ++i) {
        const double at = 0.095 * i;
        mix.add(brass(noteHz(67), 0.08), at, 0.8, 0.15);
        mix.add(brass(noteHz(55), 0.08), at, 0.5, -0.15);
    }
    const int chord[] = {48, 60, 67, 72, 76};
    const double pans[] = {0.0, -0.3, 0.3, -0.1, 0.15};
    for (int i = 0; i < 5; ++i)
        mix.add(brass(noteHz(chord[i]), kChordLength, 0.25), kChordAt, i == 0 ? 0.5 : 0.6, pans[i]);

    Noise noise(0x5eed0009);
    // Timpani-like hit and a splash cymbal under the chord.
    mix.add(thump(110.0, 65.0, 0.05, 0.25, 0.9), kChordAt, 1.0, 0.0);
    Samples cymbal = noiseBurst(noise, 1.2, 0.35);
    highpass(cymbal, 6000.0);
    mix.add(cymbal, kChordAt, 0.25, 0.2);
    // Glitter: a fast bell run above the brass.
    const int glitter[] = {84, 88, 91, 96, 100, 103};
    for (int i = 0; i < 6; ++i)
        mix.add(bell(noteHz(glitter[i]), 0.9, 0.3), kChordAt + 0.06 + 0.065 * i, 0.22, -0.6 + 0.24 * i);
    return mix.finishWithRoom(kLength, 0.2, 0.35);
}

} // namespace soundgen
