// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bonus.h"

#include "paint.h"

#include <QPainter>

#include <cmath>

namespace artgen {

QRect safeRect(int i)
{
    return QRect(zand::Layout::Bonus::safeCorner(i), QSize(SafeSize, SafeSize));
}

namespace {

void vaultWall(QPainter &p)
{
    QLinearGradient wall(0, 0, 0, BonusHeight);
    wall.setColorAt(0, QColor(34, 42, 58));
    wall.setColorAt(1, QColor(14, 18, 26));
    p.fillRect(0, 0, BonusWidth, BonusHeight, wall);
    // Riveted steel plates.
    for (int x = 0; x < BonusWidth; x += 80)
        for (int y = 0; y < 440; y += 110) {
            const QRectF plate(x + 2, y + 2, 76, 106);
            p.setPen(QPen(QColor(8, 10, 16), 1.2));
            p.setBrush(Qt::NoBrush);
            p.drawRect(plate);
            p.setPen(Qt::NoPen);
            for (const QPointF &corner : {plate.topLeft() + QPointF(6, 6), plate.topRight() + QPointF(-6, 6),
                                          plate.bottomLeft() + QPointF(6, -6), plate.bottomRight() + QPointF(-6, -6)}) {
                p.setBrush(QColor(90, 100, 120));
                p.drawEllipse(corner, 2.2, 2.2);
                p.setBrush(QColor(10, 12, 18));
                p.drawEllipse(corner + QPointF(0.7, 0.7), 1.2, 1.2);
            }
        }
    QLinearGradient floor(0, 440, 0, BonusHeight);
    floor.setColorAt(0, QColor(50, 40, 30));
    floor.setColorAt(1, QColor(20, 14, 10));
    p.fillRect(QRectF(0, 440, BonusWidth, 40), floor);
    p.setPen(QPen(QBrush(goldGradient(438, 442)), 3));
    p.drawLine(QPointF(0, 440), QPointF(BonusWidth, 440));
    // A lamp above the room: warm light on the left, cooler on the safes.
    QRadialGradient lamp(QPointF(200, 40), 420);
    lamp.setColorAt(0, QColor(255, 200, 120, 70));
    lamp.setColorAt(1, QColor(255, 200, 120, 0));
    p.fillRect(0, 0, BonusWidth, BonusHeight, lamp);
}

void vaultDoor(QPainter &p, QPointF c, qreal r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawEllipse(c + QPointF(6, 8), r + 6, r + 6);
    QLinearGradient rim(0, c.y() - r, 0, c.y() + r);
    rim.setColorAt(0, QColor(220, 226, 236));
    rim.setColorAt(0.5, QColor(110, 118, 134));
    rim.setColorAt(1, QColor(50, 56, 68));
    p.setBrush(rim);
    p.setPen(QPen(QColor(10, 12, 18), 2));
    p.drawEllipse(c, r, r);
    for (int i = 0; i < 24; ++i) {
        const qreal a = i * M_PI / 12;
        const QPointF b = c + QPointF(std::cos(a), std::sin(a)) * (r - 10);
        QRadialGradient bolt(b - QPointF(2, 2), 7);
        bolt.setColorAt(0, Qt::white);
        bolt.setColorAt(1, QColor(80, 86, 100));
        p.setBrush(bolt);
        p.setPen(QPen(QColor(20, 22, 30), 1));
        p.drawEllipse(b, 5, 5);
    }
    QRadialGradient face(c - QPointF(r * 0.3, r * 0.4), r * 1.3);
    face.setColorAt(0, QColor(170, 178, 194));
    face.setColorAt(1, QColor(50, 56, 70));
    p.setBrush(face);
    p.setPen(QPen(QColor(10, 12, 18), 2));
    p.drawEllipse(c, r - 22, r - 22);
    p.setPen(QPen(QColor(240, 190, 70), 9, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal a = i * M_PI / 3 + M_PI / 6;
        const QPointF d(std::cos(a) * (r - 38), std::sin(a) * (r - 38));
        p.drawLine(c - d, c + d);
    }
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        const qreal a = i * M_PI / 3 + M_PI / 6;
        const QPointF knob = c + QPointF(std::cos(a), std::sin(a)) * (r - 38);
        QRadialGradient g(knob - QPointF(2, 2), 9);
        g.setColorAt(0, QColor(255, 245, 190));
        g.setColorAt(1, QColor(160, 100, 10));
        p.setBrush(g);
        p.drawEllipse(knob, 7, 7);
    }
    QRadialGradient hub(c - QPointF(5, 5), 26);
    hub.setColorAt(0, QColor(255, 240, 170));
    hub.setColorAt(1, QColor(150, 90, 10));
    p.setBrush(hub);
    p.setPen(QPen(QColor(60, 30, 0), 1.5));
    p.drawEllipse(c, 20, 20);
}

void goldBars(QPainter &p, QPointF base)
{
    const auto bar = [&](QPointF at) {
        const QPolygonF top{at + QPointF(6, 0), at + QPointF(44, 0), at + QPointF(50, 14), at + QPointF(0, 14)};
        p.setBrush(goldGradient(at.y(), at.y() + 14));
        p.setPen(QPen(QColor(90, 50, 0), 1));
        p.drawPolygon(top);
        p.setPen(QPen(QColor(255, 250, 210, 180), 1));
        p.drawLine(at + QPointF(8, 2), at + QPointF(42, 2));
    };
    for (int i = 0; i < 3; ++i)
        bar(base + QPointF(i * 52, 0));
    for (int i = 0; i < 2; ++i)
        bar(base + QPointF(26 + i * 52, -14));
    bar(base + QPointF(52, -28));
    sparkle(p, base + QPointF(70, -26), 10);
    sparkle(p, base + QPointF(14, 2), 7);
}

void title(QPainter &p)
{
    QFont big = letterFont(92, true, true);
    big.setWeight(QFont::Black);
    const QPainterPath bonus = fittedText(QStringLiteral("BONUS"), big, QPointF(210, 78), 360);
    glowPath(p, bonus, QColor(255, 140, 20), 14, 2, 8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 0, 0), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(bonus);
    p.setPen(QPen(QColor(255, 244, 210), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(bonus);
    const QRectF box = bonus.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(goldGradient(box.top(), box.bottom()));
    p.drawPath(bonus);

    const QPainterPath pick = fittedText(QStringLiteral("Pick a safe!"), letterFont(34, true, true), QPointF(210, 152), 330);
    glowPath(p, pick, QColor(255, 40, 60), 8, 2, 4);
    p.setPen(QPen(QColor(80, 0, 10), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pick);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 245));
    p.drawPath(pick);
    sparkle(p, QPointF(box.right() - 6, box.top() + 6), 14);
    sparkle(p, QPointF(box.left() + 8, box.bottom() - 6), 9);
}

void safeWall(QPainter &p)
{
    const QRectF cabinet(428, 46, 206, 396);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 130));
    p.drawRoundedRect(cabinet.translated(-6, 6), 6, 6);
    QLinearGradient metal(cabinet.left(), 0, cabinet.right(), 0);
    metal.setColorAt(0, QColor(70, 78, 96));
    metal.setColorAt(0.5, QColor(120, 128, 146));
    metal.setColorAt(1, QColor(60, 66, 82));
    p.setBrush(metal);
    p.drawRoundedRect(cabinet, 6, 6);
    chromeFrame(p, cabinet, 3, 6);
    for (int i = 0; i < SafeCount; ++i) {
        const QRectF niche = QRectF(safeRect(i)).adjusted(-5, -5, 5, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(10, 12, 18));
        p.drawRoundedRect(niche, 3, 3);
        bevelRing(p, niche, niche.adjusted(2, 2, -2, -2), false, QColor(110, 118, 136));
        drawSafe(p, safeRect(i), SafeStage::Closed);
    }
}

} // namespace

QImage bonusPicture()
{
    QImage image(BonusWidth, BonusHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    vaultWall(p);
    vaultDoor(p, QPointF(210, 318), 112);
    goldBars(p, QPointF(34, 424));
    title(p);
    safeWall(p);
    return image;
}

} // namespace artgen
