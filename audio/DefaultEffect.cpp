// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DefaultEffect.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace zand {

namespace {

void appendLittleEndian(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

QByteArray monoWaveImage(const std::vector<qint16> &samples, int rate)
{
    const auto dataBytes = quint32(samples.size() * sizeof(qint16));
    QByteArray image("RIFF");
    appendLittleEndian(image, 36 + dataBytes, 4);
    image.append("WAVEfmt ");
    appendLittleEndian(image, 16, 4); // format chunk size
    appendLittleEndian(image, 1, 2); // PCM
    appendLittleEndian(image, 1, 2); // mono
    appendLittleEndian(image, quint32(rate), 4);
    appendLittleEndian(image, quint32(rate) * 2, 4);
    appendLittleEndian(image, 2, 2); // bytes per frame
    appendLittleEndian(image, 16, 2); // bits per sample
    image.append("data");
    appendLittleEndian(image, dataBytes, 4);
    for (qint16 sample : samples)
        appendLittleEndian(image, quint16(sample), 2);
    return image;
}

} // namespace

// The sound heard when an effect file is missing or unreadable: a short
// two-note chime, a fifth apart, so the player still hears that something
// happened.
QByteArray defaultEffectImage()
{
    constexpr int Rate = 44100;
    struct Note {
        double frequency;
        double seconds;
    };
    constexpr Note Notes[] = {{987.77, 0.060}, {1318.51, 0.090}}; // B5, then E6
    std::vector<qint16> samples;
    for (const Note &note : Notes) {
        const int count = int(note.seconds * Rate);
        for (int i = 0; i < count; ++i) {
            const double t = double(i) / Rate;
            // A 3 ms rise and a fall to silence keep the notes free of clicks.
            const double envelope = std::min(1.0, t / 0.003) * std::exp(-t * 30.0) * (1.0 - double(i) / count);
            const double phase = 2.0 * std::numbers::pi * note.frequency * t;
            const double value = std::sin(phase) + 0.25 * std::sin(2.0 * phase);
            samples.push_back(qint16(std::lround(value / 1.25 * envelope * 0.5 * 32767.0)));
        }
    }
    return monoWaveImage(samples, Rate);
}

} // namespace zand
