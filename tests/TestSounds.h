// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

#include <cmath>
#include <initializer_list>
#include <numbers>

// Sounds the audio tests play: a tone as a wave file and a tune as a MIDI file.
namespace zand::TestSounds {

inline QByteArray toneWave(double seconds, int amplitude = 12000)
{
    const quint32 frames = quint32(seconds * 22050);
    QByteArray wave;
    QDataStream out(&wave, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + 2 * frames);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(22050) << quint32(44100) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(2 * frames);
    for (quint32 i = 0; i < frames; ++i)
        out << qint16(amplitude * std::sin(2 * std::numbers::pi * 660 * i / 22050.0));
    return wave;
}

// A piano playing the notes one after another, each `ticks` long (96 ticks
// are half a second), then all sound off: FluidSynth reports the end only
// once every voice is silent, and the piano's release would stretch the test.
inline QByteArray pianoMidi(std::initializer_list<int> notes, int ticks)
{
    QByteArray track("\x00\xC0\x00", 3);
    for (int note : notes)
        track += QByteArray("\x00\x90", 2) + char(note) + char(100) + char(0x80 | (ticks >> 7)) + char(ticks & 0x7F)
            + char(0x80) + char(note) + char(0);
    track += QByteArray("\x00\xB0\x78\x00\x00\xFF\x2F\x00", 8);
    QByteArray midi;
    QDataStream out(&midi, QIODevice::WriteOnly);
    out.writeRawData("MThd", 4);
    out << quint32(6) << quint16(0) << quint16(1) << quint16(96);
    out.writeRawData("MTrk", 4);
    out << quint32(track.size());
    return midi + track;
}

} // namespace zand::TestSounds
