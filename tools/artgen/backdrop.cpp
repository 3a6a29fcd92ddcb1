// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "backdrop.h"

#include "paint.h"

#include <QPainter>

namespace artgen {

namespace {

constexpr qreal PanelWidth = 120;
constexpr qreal Dado = 0.72 * BackdropHeight; // the rail between wall and wainscot
constexpr qreal Floor = 0.90 * BackdropHeight;

void wall(QPainter &p)
{
    QLinearGradient red(0, 0, 0, Dado);
    red.setColorAt(0, QColor(40, 2, 8));
    red.setColorAt(0.55, QColor(84, 6, 18));
    red.setColorAt(1, QColor(52, 3, 11));
    p.fillRect(QRectF(0, 0, BackdropWidth, Dado), red);
    // Each panel a little raised, framed in thin gold.
    for (qreal x = 0; x < BackdropWidth; x += PanelWidth) {
        const QRectF panel(x + 11, 30, PanelWidth - 22, Dado - 55);
        QLinearGradient face(panel.left(), 0, panel.right(), 0);
        face.setColorAt(0, QColor(255, 255, 255, 10));
        face.setColorAt(0.5, QColor(0, 0, 0, 0));
        face.setColorAt(1, QColor(0, 0, 0, 40));
        p.fillRect(panel, face);
        goldTrim(p, panel, 2, 1.0);
    }
}

void lamps(QPainter &p)
{
    for (qreal x = PanelWidth; x < BackdropWidth; x += 2 * PanelWidth) {
        const QPointF lamp(x, 0.30 * BackdropHeight);
        QRadialGradient glow(lamp, 130);
        glow.setColorAt(0, QColor(255, 200, 120, 120));
        glow.setColorAt(0.35, QColor(255, 150, 80, 40));
        glow.setColorAt(1, QColor(255, 120, 60, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(lamp, 130, 130);
        p.setBrush(goldGradient(lamp.y() - 3, lamp.y() + 20));
        p.drawRoundedRect(QRectF(lamp.x() - 5, lamp.y() + 4, 10, 18), 2, 2);
        bulb(p, lamp, 6, true, QColor(255, 214, 140));
    }
}

void wainscot(QPainter &p)
{
    QLinearGradient dark(0, Dado, 0, Floor);
    dark.setColorAt(0, QColor(34, 2, 7));
    dark.setColorAt(1, QColor(18, 1, 4));
    p.fillRect(QRectF(0, Dado, BackdropWidth, Floor - Dado), dark);
    p.fillRect(QRectF(0, Dado - 3, BackdropWidth, 7), goldGradient(Dado - 3, Dado + 4));
    for (qreal x = 0; x < BackdropWidth; x += PanelWidth / 2)
        goldTrim(p, QRectF(x + 7, Dado + 15, PanelWidth / 2 - 14, Floor - Dado - 30), 2, 0.8);
}

void carpet(QPainter &p)
{
    QLinearGradient deep(0, Floor, 0, BackdropHeight);
    deep.setColorAt(0, QColor(26, 4, 30));
    deep.setColorAt(1, QColor(10, 0, 14));
    p.fillRect(QRectF(0, Floor, BackdropWidth, BackdropHeight - Floor), deep);
    p.fillRect(QRectF(0, Floor, BackdropWidth, 3), QColor(8, 0, 4));
    // A scatter of small gold diamonds, the same on every run.
    Dice dice(25);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 150, 50, 90));
    for (qreal y = Floor + 12; y < BackdropHeight; y += 14) {
        for (qreal x = dice.range(0, 15); x < BackdropWidth; x += 28) {
            const QPointF c(x, y);
            const QPointF diamond[] = {c + QPointF(0, -2.5), c + QPointF(3.5, 0), c + QPointF(0, 2.5),
                                       c + QPointF(-3.5, 0)};
            p.drawPolygon(diamond, 4);
        }
    }
}

} // namespace

QImage backdropPicture()
{
    QImage image(BackdropWidth, BackdropHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    wall(p);
    lamps(p);
    wainscot(p);
    carpet(p);
    return image;
}

} // namespace artgen
