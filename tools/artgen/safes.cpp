// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The safe of the bonus screen in its three stages.
#include "bonus.h"

#include "paint.h"

#include <QPainter>

#include <array>

namespace artgen {

namespace {

QLinearGradient steel(const QRectF &r, qreal brightness)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, scaled(QColor(190, 200, 214), brightness));
    g.setColorAt(0.5, scaled(QColor(110, 122, 140), brightness));
    g.setColorAt(1, scaled(QColor(60, 68, 84), brightness));
    return g;
}

// The door's face in its own 64 x 64 box, before any perspective.
void doorFace(QPainter &p)
{
    const QRectF face(0, 0, 64, 64);
    p.setPen(QPen(QColor(20, 24, 34), 1));
    p.setBrush(steel(face, 1.05));
    p.drawRoundedRect(face, 3, 3);
    bevelRing(p, face, face.adjusted(3, 3, -3, -3), true, QColor(120, 130, 148));
    // Combination dial.
    const QPointF dial(28, 28);
    QRadialGradient ring(dial - QPointF(3, 3), 17);
    ring.setColorAt(0, QColor(255, 255, 255));
    ring.setColorAt(1, QColor(110, 114, 126));
    p.setBrush(ring);
    p.setPen(QPen(QColor(20, 20, 28), 1));
    p.drawEllipse(dial, 14, 14);
    p.setPen(QPen(QColor(30, 30, 40), 0.9));
    for (int i = 0; i < 20; ++i) {
        p.save();
        p.translate(dial);
        p.rotate(i * 18);
        p.drawLine(QPointF(0, -13), QPointF(0, i % 5 == 0 ? -9.5 : -11));
        p.restore();
    }
    QRadialGradient knob(dial - QPointF(2, 2), 9);
    knob.setColorAt(0, QColor(90, 90, 100));
    knob.setColorAt(1, QColor(10, 10, 14));
    p.setBrush(knob);
    p.setPen(Qt::NoPen);
    p.drawEllipse(dial, 7.5, 7.5);
    p.setBrush(QColor(230, 60, 50));
    p.drawPolygon(QPolygonF{QPointF(26.5, 12), QPointF(29.5, 12), QPointF(28, 15.5)});
    // Handle.
    p.setBrush(QColor(220, 170, 60));
    p.setPen(QPen(QColor(70, 40, 0), 1));
    p.drawEllipse(QPointF(52, 28), 5, 5);
    QLinearGradient bar(48, 0, 56, 0);
    bar.setColorAt(0, QColor(150, 100, 20));
    bar.setColorAt(0.4, QColor(255, 236, 150));
    bar.setColorAt(1, QColor(140, 90, 10));
    p.setBrush(bar);
    p.drawRoundedRect(QRectF(49.5, 28, 5, 20), 2.5, 2.5);
    // Brass plate.
    p.setBrush(goldGradient(50, 58));
    p.drawRoundedRect(QRectF(14, 49, 28, 8), 2, 2);
    p.setPen(QPen(QColor(90, 60, 10), 0.8));
    p.drawLine(QPointF(18, 53), QPointF(38, 53));
}

void treasure(QPainter &p, const QRectF &inside)
{
    // Gold coins heaped on the floor of the safe, gems on top.
    Dice dice(0xC0125);
    for (int row = 0; row < 4; ++row) {
        const qreal y = inside.bottom() - 5 - row * 5;
        const qreal half = inside.width() * (0.5 - row * 0.09);
        for (qreal x = inside.center().x() - half; x <= inside.center().x() + half; x += 7.5) {
            const QPointF c(x + dice.range(-1.5, 1.5), y + dice.range(-1, 1));
            QRadialGradient coin(c - QPointF(1.5, 1.5), 6);
            coin.setColorAt(0, QColor(255, 250, 200));
            coin.setColorAt(0.5, QColor(240, 190, 50));
            coin.setColorAt(1, QColor(150, 90, 10));
            p.setBrush(coin);
            p.setPen(QPen(QColor(110, 60, 0), 0.7));
            p.drawEllipse(c, 5, 3.4);
        }
    }
    const std::array<QColor, 3> gems{QColor(230, 20, 50), QColor(30, 200, 90), QColor(40, 110, 255)};
    const std::array<QPointF, 3> where{QPointF(20, 52), QPointF(52, 50), QPointF(37, 48)};
    for (std::size_t i = 0; i < gems.size(); ++i) {
        const QPointF c = inside.topLeft() + where[i] - QPointF(6, 6);
        QPolygonF gem{c + QPointF(-4, -2), c + QPointF(4, -2), c + QPointF(6, 1), c + QPointF(0, 6),
                      c + QPointF(-6, 1)};
        QLinearGradient g(c - QPointF(0, 3), c + QPointF(0, 6));
        g.setColorAt(0, mix(gems[i], Qt::white, 0.6));
        g.setColorAt(1, scaled(gems[i], 0.6));
        p.setBrush(g);
        p.setPen(QPen(scaled(gems[i], 0.3), 0.8));
        p.drawPolygon(gem);
    }
    sparkle(p, inside.topLeft() + QPointF(14, 36), 6);
    sparkle(p, inside.topLeft() + QPointF(46, 40), 7);
    sparkle(p, inside.topLeft() + QPointF(30, 52), 4);
}

void interior(QPainter &p, const QRectF &inside)
{
    QLinearGradient back(0, inside.top(), 0, inside.bottom());
    back.setColorAt(0, QColor(8, 12, 30));
    back.setColorAt(0.6, QColor(24, 30, 60));
    back.setColorAt(1, QColor(90, 60, 20));
    p.fillRect(inside, back);
    QRadialGradient glow(QPointF(inside.center().x(), inside.bottom()), inside.width() * 0.7);
    glow.setColorAt(0, QColor(255, 200, 60, 150));
    glow.setColorAt(1, QColor(255, 200, 60, 0));
    p.fillRect(inside, glow);
    treasure(p, inside);
}

} // namespace

void drawSafe(QPainter &p, const QRectF &square, SafeStage stage)
{
    p.save();
    p.setClipRect(square);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(square.topLeft());
    const QRectF body(0, 0, SafeSize, SafeSize);
    p.fillRect(body, steel(body, 0.8));
    bevelRing(p, body, body.adjusted(3, 3, -3, -3), true, QColor(100, 110, 128));
    const QRectF opening = body.adjusted(6, 6, -6, -6);
    p.fillRect(opening, QColor(10, 12, 18));
    bevelRing(p, opening.adjusted(-1, -1, 1, 1), opening, false, QColor(100, 110, 128));

    if (stage == SafeStage::Closed) {
        p.translate(opening.topLeft());
        doorFace(p);
    } else {
        interior(p, opening);
        // The door swings toward the viewer on its left hinges: it narrows and
        // its free edge, nearer to us, looks taller.
        const qreal width = stage == SafeStage::HalfOpen ? 30 : 7;
        const qreal grow = stage == SafeStage::HalfOpen ? 5 : 8;
        const QPolygonF door{QPointF(opening.left() - 2, opening.top()),
                             QPointF(opening.left() - 2 + width, opening.top() - grow),
                             QPointF(opening.left() - 2 + width, opening.bottom() + grow),
                             QPointF(opening.left() - 2, opening.bottom())};
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 120));
        p.drawPolygon(door.translated(4, 0));
        if (stage == SafeStage::HalfOpen) {
            QTransform squeeze;
            QPolygonF square64{QPointF(0, 0), QPointF(64, 0), QPointF(64, 64), QPointF(0, 64)};
            if (QTransform::quadToQuad(square64, door, squeeze)) {
                p.save();
                p.setTransform(squeeze, true);
                doorFace(p);
                p.restore();
            }
        } else {
            QLinearGradient edge(door.boundingRect().left(), 0, door.boundingRect().right(), 0);
            edge.setColorAt(0, QColor(70, 78, 96));
            edge.setColorAt(0.5, QColor(200, 208, 222));
            edge.setColorAt(1, QColor(80, 88, 104));
            p.setBrush(edge);
            p.setPen(QPen(QColor(20, 24, 34), 1));
            p.drawPolygon(door);
        }
    }
    p.restore();
}

QImage safeStrip()
{
    QImage strip(SafeSize, 3 * SafeSize, QImage::Format_RGB32);
    QPainter p(&strip);
    drawSafe(p, QRectF(0, 0, SafeSize, SafeSize), SafeStage::Closed);
    drawSafe(p, QRectF(0, SafeSize, SafeSize, SafeSize), SafeStage::HalfOpen);
    drawSafe(p, QRectF(0, 2 * SafeSize, SafeSize, SafeSize), SafeStage::Open);
    return strip;
}

} // namespace artgen
