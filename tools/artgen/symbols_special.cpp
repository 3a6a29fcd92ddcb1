// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The Bonus emblem and the three frames of the Wild.
#include "paint.h"
#include "symbolparts.h"

#include <QPainter>

#include <array>
#include <cmath>

namespace artgen::parts {

void bonusVault(QPainter &p)
{
    const QPointF c(50, 46);
    QRadialGradient halo(c, 50);
    halo.setColorAt(0.6, QColor(255, 200, 40, 160));
    halo.setColorAt(1, QColor(255, 200, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(c, 50, 50);

    // Door ring, bolts, inner door and the locking wheel.
    QLinearGradient ring(0, 4, 0, 88);
    ring.setColorAt(0, QColor(235, 238, 245));
    ring.setColorAt(0.5, QColor(110, 116, 130));
    ring.setColorAt(1, QColor(60, 64, 76));
    p.setBrush(ring);
    p.setPen(QPen(QColor(20, 22, 30), 2));
    p.drawEllipse(c, 42, 42);
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        const QPointF b = c + QPointF(std::cos(a), std::sin(a)) * 37;
        QRadialGradient bolt(b - QPointF(1, 1), 3.5);
        bolt.setColorAt(0, Qt::white);
        bolt.setColorAt(1, QColor(90, 90, 100));
        p.setBrush(bolt);
        p.setPen(QPen(QColor(30, 30, 40), 0.8));
        p.drawEllipse(b, 3, 3);
    }
    QLinearGradient door(0, 14, 0, 78);
    door.setColorAt(0, QColor(90, 96, 110));
    door.setColorAt(1, QColor(170, 176, 190));
    p.setBrush(door);
    p.setPen(QPen(QColor(30, 32, 40), 1.6));
    p.drawEllipse(c, 31, 31);
    p.setPen(QPen(QColor(235, 190, 70), 3.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal a = i * M_PI / 3 + M_PI / 6;
        const QPointF d(std::cos(a) * 22, std::sin(a) * 22);
        p.drawLine(c - d, c + d);
    }
    QRadialGradient hub(c - QPointF(2, 2), 9);
    hub.setColorAt(0, QColor(255, 240, 170));
    hub.setColorAt(1, QColor(170, 110, 10));
    p.setBrush(hub);
    p.setPen(QPen(QColor(60, 30, 0), 1.2));
    p.drawEllipse(c, 7.5, 7.5);

    // Ribbon with the word.
    QPainterPath ribbon;
    ribbon.moveTo(2, 66);
    ribbon.lineTo(98, 66);
    ribbon.lineTo(92, 76.5);
    ribbon.lineTo(98, 87);
    ribbon.lineTo(2, 87);
    ribbon.lineTo(8, 76.5);
    ribbon.closeSubpath();
    QLinearGradient red(0, 66, 0, 87);
    red.setColorAt(0, QColor(255, 80, 70));
    red.setColorAt(0.5, QColor(200, 0, 20));
    red.setColorAt(1, QColor(110, 0, 10));
    p.setBrush(red);
    p.setPen(QPen(QColor(255, 215, 90), 1.6));
    p.drawPath(ribbon);
    const QPainterPath word = fittedText(QStringLiteral("BONUS"), letterFont(19), QPointF(50, 76.5), 78);
    p.setPen(QPen(QColor(60, 0, 0), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(word);
    p.setPen(Qt::NoPen);
    p.setBrush(goldGradient(67, 86));
    p.drawPath(word);
    sparkle(p, QPointF(80, 14), 8);
}

void wild(QPainter &p, int frame)
{
    // Each frame turns the burst a little, grows its glow and warms its
    // colour; shown 9, 10, 11, 10 it swells and breathes.
    struct Look { QColor inner; QColor outer; qreal turn; qreal size; int sparkles; };
    const std::array<Look, 3> looks{{
        {QColor(255, 140, 255), QColor(150, 20, 190), 0, 40, 1},
        {QColor(255, 210, 120), QColor(240, 80, 20), 10, 44, 2},
        {QColor(255, 255, 190), QColor(250, 170, 0), 20, 48, 4},
    }};
    const Look &look = looks.at(static_cast<std::size_t>(frame));
    const QPointF c(50, 50);

    QRadialGradient halo(c, 50);
    QColor h = look.outer;
    h.setAlpha(60 + 50 * frame);
    halo.setColorAt(0.3, h);
    h.setAlpha(0);
    halo.setColorAt(1, h);
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(c, 50, 50);

    QPainterPath burst;
    constexpr int Points = 14;
    for (int i = 0; i < 2 * Points; ++i) {
        const qreal a = (i * M_PI / Points) + look.turn * M_PI / 180;
        const qreal r = (i % 2 == 0) ? look.size : look.size * 0.66;
        const QPointF v = c + QPointF(std::cos(a), std::sin(a)) * r;
        if (i == 0)
            burst.moveTo(v);
        else
            burst.lineTo(v);
    }
    burst.closeSubpath();
    QRadialGradient fill(c, look.size);
    fill.setColorAt(0, look.inner);
    fill.setColorAt(0.55, mix(look.inner, look.outer, 0.5));
    fill.setColorAt(1, look.outer);
    p.setBrush(fill);
    p.setPen(QPen(scaled(look.outer, 0.45), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(burst);

    const QPainterPath word = fittedText(QStringLiteral("WILD"), letterFont(30, true, true), c, 88);
    glowPath(p, word, QColor(255, 255, 255, 60 + 50 * frame), 3, 1, 4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 0, 50), 5.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(word);
    p.setPen(QPen(QColor(255, 255, 255), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(word);
    QLinearGradient letters(0, 38, 0, 62);
    letters.setColorAt(0, QColor(255, 255, 200));
    letters.setColorAt(0.5, QColor(255, 60, 60));
    letters.setColorAt(1, QColor(150, 0, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(letters);
    p.drawPath(word);

    const std::array<QPointF, 4> glints{{{80, 20}, {18, 78}, {22, 20}, {82, 80}}};
    for (int i = 0; i < look.sparkles; ++i)
        sparkle(p, glints.at(static_cast<std::size_t>(i)), 7 + 2 * frame);
}

} // namespace artgen::parts
