// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "digits.h"

#include "paint.h"

#include <QPainter>

#include <array>

namespace artgen {

namespace {

// Drawn at this multiple of the final size and averaged down, so segment
// edges are smooth while the ground between cells stays pure black.
constexpr int Oversample = 4;

// Segments a-g, as bits of the usual seven-segment order.
constexpr std::array<int, 10> SegmentsOf{0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

QPolygonF horizontalSegment(qreal x0, qreal x1, qreal y, qreal t)
{
    const qreal h = t / 2;
    return {QPointF(x0, y), QPointF(x0 + h, y - h), QPointF(x1 - h, y - h), QPointF(x1, y),
            QPointF(x1 - h, y + h), QPointF(x0 + h, y + h)};
}

QPolygonF verticalSegment(qreal x, qreal y0, qreal y1, qreal t)
{
    const qreal h = t / 2;
    return {QPointF(x, y0), QPointF(x + h, y0 + h), QPointF(x + h, y1 - h), QPointF(x, y1),
            QPointF(x - h, y1 - h), QPointF(x - h, y0 + h)};
}

// The lit segments of one cell, in oversampled pixels, leaned slightly
// forward like a real display.
QPainterPath digitShape(int digit, qreal w, qreal h)
{
    const qreal t = w * 0.16;
    const qreal gap = t * 0.22;
    const qreal left = w * 0.24, right = w * 0.74;
    const qreal top = h * 0.12, bottom = h * 0.88, middle = (top + bottom) / 2;
    const std::array<QPolygonF, 7> segments{
        horizontalSegment(left + gap, right - gap, top, t),
        verticalSegment(right, top + gap, middle - gap, t),
        verticalSegment(right, middle + gap, bottom - gap, t),
        horizontalSegment(left + gap, right - gap, bottom, t),
        verticalSegment(left, middle + gap, bottom - gap, t),
        verticalSegment(left, top + gap, middle - gap, t),
        horizontalSegment(left + gap, right - gap, middle, t),
    };
    QPainterPath path;
    for (std::size_t s = 0; s < segments.size(); ++s)
        if (SegmentsOf.at(static_cast<std::size_t>(digit)) & (1 << s))
            path.addPolygon(segments[s]);
    path.setFillRule(Qt::WindingFill);
    QTransform lean;
    lean.translate(0, middle);
    lean.shear(-0.07, 0);
    lean.translate(0, -middle);
    return lean.map(path);
}

QImage renderCell(const QPainterPath &shape, int w, int h, const QColor &colour)
{
    QImage big(w * Oversample, h * Oversample, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::black);
    QImage glow = layer(big.width(), big.height());
    {
        QPainter g(&glow);
        g.setRenderHint(QPainter::Antialiasing);
        g.fillPath(shape, scaled(colour, 0.55));
    }
    blur(glow, Oversample * 2);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.drawImage(0, 0, glow);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QRectF box = shape.boundingRect();
    QLinearGradient face(0, box.top(), 0, box.bottom());
    face.setColorAt(0, mix(colour, Qt::white, 0.35));
    face.setColorAt(0.5, colour);
    face.setColorAt(1, scaled(colour, 0.85));
    p.fillPath(shape, face);
    p.end();
    QImage cell = big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .convertToFormat(QImage::Format_RGB32);
    // The cell border stays pure black so neighbouring cells never bleed.
    QPainter edge(&cell);
    edge.setPen(Qt::black);
    edge.setBrush(Qt::NoBrush);
    edge.drawRect(0, 0, w - 1, h - 1);
    return cell;
}

} // namespace

QImage digitFont(int cellWidth, int cellHeight, const QColor &colour)
{
    const int colonWidth = cellWidth * 3 / 4;
    QImage font(cellWidth * 11 + colonWidth, cellHeight, QImage::Format_RGB32);
    font.fill(Qt::black);
    QPainter p(&font);
    const qreal ow = cellWidth * Oversample, oh = cellHeight * Oversample;
    for (int d = 0; d < 10; ++d)
        p.drawImage(d * cellWidth, 0, renderCell(digitShape(d, ow, oh), cellWidth, cellHeight, colour));
    QPainterPath colon;
    const qreal dot = ow * 0.17;
    const qreal cx = colonWidth * Oversample / 2.0;
    colon.addRect(QRectF(cx - dot / 2, oh * 0.34 - dot / 2, dot, dot));
    colon.addRect(QRectF(cx - dot / 2, oh * 0.66 - dot / 2, dot, dot));
    p.drawImage(cellWidth * 11, 0, renderCell(colon, colonWidth, cellHeight, colour));
    return font;
}

} // namespace artgen
