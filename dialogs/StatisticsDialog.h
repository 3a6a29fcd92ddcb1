// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/History.h"

#include <QDialog>

#include <vector>

class QLabel;

namespace zand {

struct Statistics;

// "Your Game Statistics": the player's books as they stand when the window
// opens, and below them the game's course as a chart. It changes nothing.
class StatisticsDialog : public QDialog
{
    Q_OBJECT

public:
    StatisticsDialog(const Statistics &books, std::vector<HistoryPoint> history, QWidget *parent = nullptr);

private:
    // Both at 96-dpi positions: a caption by its top left corner, a value by
    // its top right corner, so that longer numbers grow to the left.
    QLabel *addCaption(const QString &text, int x, int y, const QFont &font);
    QLabel *addValue(const QString &text, int right, int y, const QFont &font);
};

} // namespace zand
