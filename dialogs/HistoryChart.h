// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/History.h"

#include <QWidget>

#include <vector>

namespace zand {

// The game in progress as a chart: credits and borrowed credits over its
// spins, the bonus games as gold diamonds on the credits line, the biggest
// win ringed and named.
class HistoryChart : public QWidget
{
    Q_OBJECT

public:
    static inline const QColor CreditsInk{0x1f, 0x6f, 0x2f};
    static inline const QColor BorrowedInk{0xc0, 0x20, 0x20};
    static inline const QColor BonusInk{0xe0, 0xa8, 0x10};

    explicit HistoryChart(std::vector<HistoryPoint> points, QWidget *parent = nullptr);

    // Where a value at a spin is drawn, in the widget's own pixels.
    QPointF position(int spin, int value) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRectF plotArea() const;
    void describe();

    std::vector<HistoryPoint> m_points;
    int m_best = -1;
    int m_firstSpin = 0, m_lastSpin = 1;
    std::int64_t m_low = 0, m_high = 1, m_step = 1;
};

} // namespace zand
