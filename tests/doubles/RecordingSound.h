// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"
#include "audio/SoundOutput.h"

#include <QFileInfo>
#include <QStringList>

#include <vector>

namespace zand {

// Remembers every effect the game plays, with the tick it was played at.
class RecordingSound final : public SoundOutput
{
public:
    struct Played
    {
        QString name; // file name, or "memory:<size>" for a buffer
        std::uint32_t tick;
    };

    explicit RecordingSound(const Clock *clock = nullptr) : m_clock(clock) {}

    void playMemory(const QByteArray &waveFile) override
    {
        record(QStringLiteral("memory:%1").arg(waveFile.size()));
    }
    void playFile(const QString &path) override { record(QFileInfo(path).fileName()); }
    bool isPlaying() const override { return false; }
    void setVolume(int percent) override { volume = percent; }

    QStringList names() const
    {
        QStringList list;
        for (const Played &p : played)
            list << p.name;
        return list;
    }
    int count(const QString &name) const { return static_cast<int>(names().count(name)); }

    std::vector<Played> played;
    int volume = -1; // never set

private:
    void record(const QString &name) { played.push_back({name, m_clock ? m_clock->ticks() : 0}); }

    const Clock *m_clock;
};

} // namespace zand
