// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/AutoplayPlan.h"

#include <QString>

namespace zand {

// The player's lasting choices, kept in a settings file of their own beside
// the saved game: the saved-game file holds games and nothing else.
class Settings
{
public:
    static constexpr int FullVolume = 100;

    explicit Settings(QString path);

    // <folder of the saved game>/<program>/settings.ini
    static QString pathBeside(const QString &savedGamePath, const QString &exeBaseName);

    const QString &path() const { return m_path; }

    // From 0 (silent) to FullVolume. A missing or unreadable level is full.
    int effectsVolume() const { return m_effectsVolume; }
    int musicVolume() const { return m_musicVolume; }

    // Keeps both levels; false with *error filled when they cannot be written.
    bool setVolumes(int effects, int music, QString *error);

    // The choices of the last autoplay run, for the next one and the A key.
    const AutoplayPlan &autoplayPlan() const { return m_autoplayPlan; }
    bool setAutoplayPlan(const AutoplayPlan &plan, QString *error);

private:
    bool write() const;

    QString m_path;
    int m_effectsVolume = FullVolume;
    int m_musicVolume = FullVolume;
    AutoplayPlan m_autoplayPlan;
};

} // namespace zand
