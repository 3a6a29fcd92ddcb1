// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QBrush>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <cstdint>

class QPainter;

// Small drawing helpers shared by every picture family.
namespace artgen {

// The lettering face of the whole machine, sized in pixels so the art does
// not depend on the screen's dots per inch.
QFont letterFont(qreal pixelSize, bool bold = true, bool italic = false);

QColor mix(const QColor &a, const QColor &b, qreal t);
QColor scaled(const QColor &c, qreal factor);

// A transparent ARGB canvas of the given size, cleared.
QImage layer(int width, int height);

// Gaussian-like blur made of three box passes. With wrapVertically the
// picture is treated as a vertical loop, so its top and bottom rows blend.
void blur(QImage &image, int radius, bool horizontal = true, bool vertical = true,
          bool wrapVertically = false);

// Text outline centred on a point (x centre, baseline found from the cap
// height so the letters sit optically centred on y).
QPainterPath centredText(const QString &text, const QFont &font, QPointF centre);
// Text outline squeezed horizontally to fit into maxWidth when it is wider.
QPainterPath fittedText(const QString &text, const QFont &font, QPointF centre, qreal maxWidth);

// Adds a soft glow of the path, in colour, around it: the path is filled on a
// layer, blurred and added to the painter's device with additive blending.
void glowPath(QPainter &p, const QPainterPath &path, const QColor &colour, int radius,
              int strength = 1, qreal penWidth = 0);

// A raised or sunken bevelled frame between outer and inner (the ring).
void bevelRing(QPainter &p, const QRectF &outer, const QRectF &inner, bool raised,
               const QColor &base);
// Polished chrome ring of the given width around rect, with an outer shadow.
void chromeFrame(QPainter &p, const QRectF &rect, qreal width, qreal radius = 3);
// Polished gold trim line along a rounded rectangle.
void goldTrim(QPainter &p, const QRectF &rect, qreal radius, qreal width);

// Four-pointed star glint.
void sparkle(QPainter &p, QPointF centre, qreal size, const QColor &colour = Qt::white);

// A round lamp bulb, lit (warm, glowing) or dark (grey glass).
void bulb(QPainter &p, QPointF centre, qreal radius, bool lit, const QColor &tint);

// Metallic gold brush for shapes spanning top..bottom.
QLinearGradient goldGradient(qreal top, qreal bottom);
QLinearGradient chromeGradient(qreal top, qreal bottom);

// Deterministic pseudo-random numbers so every run writes the same bytes.
class Dice
{
public:
    explicit Dice(std::uint32_t seed) : m_state(seed) {}
    qreal unit(); // 0 <= x < 1
    qreal range(qreal low, qreal high) { return low + (high - low) * unit(); }

private:
    std::uint32_t m_state;
};

// Lettering in gold with a dark outline `outline` pixels wide.
void goldWords(QPainter &p, const QPainterPath &words, qreal outline = 2.4);

} // namespace artgen
