// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audio/SoundOutput.h"

#include <QFileInfo>
#include <QSet>
#include <QStringList>

namespace zand {

// A music player that plays nothing: it records what it was asked to do and
// lets a test end a track or refuse a file.
class FakeMusic final : public MusicOutput
{
public:
    bool open(const QString &path, QString *error) override
    {
        const QString name = QFileInfo(path).fileName();
        log << QStringLiteral("open ") + name;
        if (unopenable.contains(name)) {
            if (error)
                *error = QStringLiteral("cannot open ") + name;
            return false;
        }
        current = name;
        return true;
    }
    void play() override { log << QStringLiteral("play ") + current; }
    void close() override { log << QStringLiteral("close"); }
    void setVolume(int percent) override { volume = percent; }

    void finish(Ending ending = Ending::Successful)
    {
        if (onEnded)
            onEnded(ending);
    }

    QStringList log;
    QString current;
    QSet<QString> unopenable;
    int volume = -1; // never set
};

} // namespace zand
