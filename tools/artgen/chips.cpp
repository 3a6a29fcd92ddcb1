// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chips.h"

#include "paint.h"

#include <QPainter>

#include <cmath>

namespace artgen {

namespace {

constexpr int SpotCount = 8;
constexpr qreal InlayRadius = 0.67;
constexpr qreal Thickness = 4.5;
// The top face of the chip, an ellipse; the rim shows below it.
const QRectF Face(1.5, 1.5, ChipWidth - 3, ChipHeight - 3 - Thickness);

// The face is drawn as a circle of radius 1 around the origin and squashed
// into the ellipse, so spots and rings follow the perspective.
QTransform faceTransform()
{
    QTransform t;
    t.translate(Face.center().x(), Face.center().y());
    t.scale(Face.width() / 2, Face.height() / 2);
    return t;
}

QPainterPath ringSector(qreal inner, qreal outer, qreal fromDegrees, qreal spanDegrees)
{
    QPainterPath path;
    path.arcMoveTo(QRectF(-outer, -outer, 2 * outer, 2 * outer), fromDegrees);
    path.arcTo(QRectF(-outer, -outer, 2 * outer, 2 * outer), fromDegrees, spanDegrees);
    path.arcTo(QRectF(-inner, -inner, 2 * inner, 2 * inner), fromDegrees + spanDegrees, -spanDegrees);
    path.closeSubpath();
    return path;
}

void drawRim(QPainter &p, const QColor &colour)
{
    // The edge of the stack: the face's outline dropped by the thickness,
    // joined to the face by the straight sides.
    QPainterPath rim;
    rim.addEllipse(Face.translated(0, Thickness));
    rim.addRect(QRectF(Face.left(), Face.center().y(), Face.width(), Thickness));
    rim.setFillRule(Qt::WindingFill);
    p.setPen(QPen(scaled(colour, 0.3), 1));
    p.setBrush(scaled(colour, 0.6));
    p.drawPath(rim.simplified());
    // Edge spots show on the rim as light bars below the face's spots.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 222, 212));
    for (int i = 0; i < SpotCount; ++i) {
        const qreal a = (i + 0.5) * 2 * M_PI / SpotCount;
        if (std::sin(a) <= 0.2)
            continue; // on the far side, hidden by the face
        const qreal x = Face.center().x() + std::cos(a) * Face.width() / 2;
        const qreal halfWidth = 3.2 * std::sin(a);
        const qreal y = Face.center().y() + std::sin(a) * Face.height() / 2;
        p.drawRect(QRectF(x - halfWidth, y + 0.5, 2 * halfWidth, Thickness - 1));
    }
}

void drawFace(QPainter &p, const QColor &colour)
{
    p.save();
    p.setTransform(faceTransform(), true);
    QRadialGradient body(QPointF(-0.3, -0.5), 1.5);
    body.setColorAt(0, mix(colour, Qt::white, 0.35));
    body.setColorAt(0.6, colour);
    body.setColorAt(1, scaled(colour, 0.7));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(QPointF(0, 0), 1, 1);
    p.setBrush(QColor(236, 232, 222));
    for (int i = 0; i < SpotCount; ++i)
        p.drawPath(ringSector(0.8, 1.0, i * 360.0 / SpotCount + 12, 360.0 / SpotCount - 24));
    // A dashed inner ring around the inlay, as printed on real chips.
    p.setBrush(QColor(255, 255, 255, 200));
    for (int i = 0; i < 24; ++i)
        p.drawPath(ringSector(0.72, 0.75, i * 15.0, 8.0));
    QRadialGradient inlay(QPointF(-0.15, -0.3), 0.9);
    inlay.setColorAt(0, QColor(255, 253, 244));
    inlay.setColorAt(1, QColor(222, 214, 196));
    p.setBrush(inlay);
    p.setPen(QPen(scaled(colour, 0.5), 0.03));
    p.drawEllipse(QPointF(0, 0), InlayRadius, InlayRadius);
    p.restore();
    p.setPen(QPen(scaled(colour, 0.3), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(Face);
}

void drawAmount(QPainter &p, const QString &amount, const QColor &colour)
{
    const QFont font = letterFont(amount.size() > 4 ? 12 : 14);
    const QPainterPath text = fittedText(amount, font, Face.center() + QPointF(0, 0.3), Face.width() * InlayRadius * 0.94);
    p.setPen(Qt::NoPen);
    p.setBrush(scaled(colour, 0.55));
    p.drawPath(text);
}

} // namespace

QImage casinoChip(const QString &amount, const QColor &colour)
{
    QImage chip = layer(ChipWidth, ChipHeight);
    {
        QPainter p(&chip);
        p.setRenderHint(QPainter::Antialiasing);
        drawRim(p, colour);
        drawFace(p, colour);
        drawAmount(p, amount, colour);
    }
    // The dialog masks one colour, not an alpha channel: the soft edge is
    // settled against a light button face, and what is mostly ground
    // becomes the ground colour itself.
    const QColor face(214, 212, 206);
    const QRgb ground = ChipGround.rgb();
    QImage flat(ChipWidth, ChipHeight, QImage::Format_RGB32);
    for (int y = 0; y < ChipHeight; ++y)
        for (int x = 0; x < ChipWidth; ++x) {
            const QColor px = chip.pixelColor(x, y);
            QRgb out = ground;
            if (px.alpha() >= 100) {
                out = mix(face, QColor(px.red(), px.green(), px.blue()), px.alphaF()).rgb();
                if (out == ground)
                    out ^= 0x010000;
            }
            flat.setPixel(x, y, out);
        }
    return flat;
}

} // namespace artgen
