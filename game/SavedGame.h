// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameState.h"
#include "game/ProfileFile.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace zand {

// The saved-game file: the game in progress in section "CurrentGame" and the
// player's eight named games in "GameNo1" to "GameNo8", nine keys each.
class SavedGameFile
{
public:
    static constexpr int SlotCount = 9; // slots 0..7 are the named games, 8 the game in progress
    static constexpr int CurrentGameSlot = 8;
    static constexpr qsizetype MaxNameLength = 30;
    static constexpr qsizetype MaxDateLength = 10;

    explicit SavedGameFile(QString filePath);

    // $XDG_CONFIG_HOME (else ~/.config) + "/" + exeBaseName + ".ini": one file per
    // user, shared by every copy of the game with the same executable name.
    static QString defaultPath(const QString &exeBaseName);

    QString filePath() const;

    // 0..7 -> "GameNo1".."GameNo8", 8 -> "CurrentGame".
    static QString sectionName(int slot);

    // Writes all nine keys of the slot's section in one step, dated today. On
    // failure returns false, sets *error (when given) to "Unable to write to "
    // and the file's bare name, and leaves the file unchanged.
    bool save(int slot, const QString &name, const GameRecord &values, QString *error) const;
    // The same with the date text given.
    bool save(int slot, const QString &name, const GameRecord &values, const QString &date,
              QString *error) const;

    struct Loaded {
        GameRecord values;
        QString name;
        QString date;
        // The file exists but could not be read: the values are a fresh
        // game's, and no save will replace the file (see unreadableMessage()).
        bool unreadable = false;
    };

    // Reads the slot, with one pass over the file. Whatever is missing or does
    // not convert takes its default: the section's own name, today's date, and
    // the values of a fresh record (so nudges default to 0, not to a new game's 6).
    Loaded load(int slot) const;

    // What the player is told when a load found the file unreadable.
    QString unreadableMessage() const;

    // Today as "mm/dd/yy", each "/" being the system's date separator.
    static QString today();

    // Whole number text: leading blanks, an optional sign, then decimal digits
    // or "$" / "0x" / "0X" and hexadecimal digits, nothing after them. Anything
    // else, or a value outside 32-bit signed range, gives nothing.
    static std::optional<std::int32_t> parseNumber(const QString &text);

private:
    ProfileFile m_profile;
};

} // namespace zand
