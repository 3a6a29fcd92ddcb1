// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

namespace zand {

// Where the game in progress stood after one of its spins.
struct HistoryPoint
{
    int spin = 0;
    int credits = 0;
    int borrowed = 0;
    int won = 0; // the spin's win, its nudges' wins and its bonus prize
    bool bonus = false;

    bool operator==(const HistoryPoint &) const = default;
};

// The point with the biggest win, or -1 when nothing was won.
int biggestWin(const std::vector<HistoryPoint> &points);

// The course of the game in progress for the statistics chart: one point a
// spin, kept in a text file of its own beside the settings so that it
// outlives the run. It is a picture of the game, never part of it: a file
// that cannot be read or written costs the chart, not the game.
class History
{
public:
    // A long game is thinned to this many points and keeps its shape.
    static constexpr int MaxPoints = 4000;

    explicit History(QString path);

    // <folder of the saved game>/<program>/history.txt
    static QString pathBeside(const QString &savedGamePath, const QString &exeBaseName);

    // Reads the file for a game that has played `spins` spins. Points past
    // that belong to another game: the history starts again.
    void load(int spins);
    // A spin adds a point; a nudge after it adds its win to the spin's point.
    void record(const HistoryPoint &point);
    // A game with no history starts one at where it stands; the file is
    // written with the next point.
    void begin(const HistoryPoint &start);
    // A new or opened game starts a history of its own at where it stands.
    void restart(const HistoryPoint &start);

    const std::vector<HistoryPoint> &points() const { return m_points; }

private:
    void thin();
    void rewrite();
    void append(const HistoryPoint &point);

    QString m_path;
    std::vector<HistoryPoint> m_points;
    bool m_fileBehind = true; // the file does not hold m_points line for line
};

} // namespace zand
