// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

// Pieces the payoff chart is assembled from.
namespace artgen::chart {

// A night-blue glass in a chrome frame with a gold heading; returns the
// area below the heading that is left for the panel's content.
QRectF glassPanel(QPainter &p, const QRectF &rect, const QString &heading);

// The chart letters its gold a little bolder than the pay glass.
inline constexpr qreal GoldOutline = 2.6;

// Rich text (simple HTML) set in the machine's lettering, cream on the
// glass, shrunk until it fits inside rect and centred there vertically.
void paragraph(QPainter &p, const QRectF &rect, const QString &html, qreal pixelSize);

// The four notes beside the pay column.
void wildNote(QPainter &p, const QRectF &rect);
void paylinesNote(QPainter &p, const QRectF &rect);
void nudgesNote(QPainter &p, const QRectF &rect);
void bonusNote(QPainter &p, const QRectF &rect);

} // namespace artgen::chart
