// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cabinet.h"

#include "lights.h"
#include "paint.h"
#include "panels.h"

#include <QPainter>

namespace artgen {

namespace {

constexpr qreal SideWall = 684; // where the front face turns into the side

void lacquer(QPainter &p)
{
    QLinearGradient body(0, 0, 0, MachineHeight);
    body.setColorAt(0, QColor(120, 10, 24));
    body.setColorAt(0.5, QColor(100, 6, 18));
    body.setColorAt(1, QColor(58, 2, 10));
    p.fillRect(QRectF(0, 0, SideWall, MachineHeight), body);
    // Soft light falling on the middle of the front.
    QRadialGradient sheen(QPointF(440, 330), 420);
    sheen.setColorAt(0, QColor(255, 80, 90, 46));
    sheen.setColorAt(1, QColor(255, 80, 90, 0));
    p.fillRect(QRectF(0, 0, SideWall, MachineHeight), sheen);
    // The side of the cabinet, turned away from the light.
    QLinearGradient side(SideWall, 0, MachineWidth, 0);
    side.setColorAt(0, QColor(70, 4, 14));
    side.setColorAt(0.08, QColor(46, 2, 8));
    side.setColorAt(1, QColor(16, 0, 4));
    p.fillRect(QRectF(SideWall, 0, MachineWidth - SideWall, MachineHeight), side);
    p.setPen(QPen(QBrush(goldGradient(0, MachineHeight)), 3));
    p.drawLine(QPointF(SideWall, 0), QPointF(SideWall, MachineHeight));
}

void header(QPainter &p)
{
    const QRectF band(0, 0, SideWall, 90);
    QLinearGradient gloss(0, band.top(), 0, band.bottom());
    gloss.setColorAt(0, QColor(44, 44, 52));
    gloss.setColorAt(0.45, QColor(14, 14, 18));
    gloss.setColorAt(0.5, QColor(4, 4, 6));
    gloss.setColorAt(1, QColor(20, 20, 26));
    p.fillRect(band, gloss);
    p.setPen(QPen(QBrush(goldGradient(88, 92)), 3));
    p.drawLine(QPointF(0, 90), QPointF(SideWall, 90));

    chromeFrame(p, DisplayPanel, 4, 3);
    p.fillRect(DisplayPanel, Qt::black);

    // Speaker grille beside the displays: perforated dark metal.
    const QRectF grille(656, 14, 128, 70);
    QLinearGradient plate(0, grille.top(), 0, grille.bottom());
    plate.setColorAt(0, QColor(70, 70, 80));
    plate.setColorAt(1, QColor(30, 30, 36));
    p.setPen(Qt::NoPen);
    p.setBrush(plate);
    p.drawRoundedRect(grille, 10, 10);
    p.setBrush(QColor(4, 4, 6));
    for (int row = 0; row < 10; ++row)
        for (qreal x = grille.left() + 9 + (row % 2) * 3; x < grille.right() - 6; x += 6)
            p.drawEllipse(QPointF(x, grille.top() + 8 + row * 6), 1.9, 1.9);
    chromeFrame(p, grille, 2.5, 10);
}

void reelBay(QPainter &p)
{
    const QRect bay(236, 245, 328, 263);
    chromeFrame(p, bay, 4, 2);
    p.fillRect(bay, BayColour);
    // Shade just inside the bay's rim, so it sits behind the trim.
    QLinearGradient topShade(0, bay.top(), 0, bay.top() + 10);
    topShade.setColorAt(0, QColor(0, 0, 0, 160));
    topShade.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRect(bay.left(), bay.top(), bay.width(), 10), topShade);

    for (const QRect &box : NudgeBoxes) {
        p.setPen(QPen(QColor(90, 86, 96), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(box).adjusted(-1.5, -0.5, 1.5, 1.5));
        p.fillRect(box, Qt::black);
    }
    for (int r = 0; r < 3; ++r) {
        const QRect window = reelWindow(r);
        chromeFrame(p, window, 3, 0);
        QLinearGradient hollow(0, window.top(), 0, window.bottom());
        hollow.setColorAt(0, QColor(0, 0, 0));
        hollow.setColorAt(0.5, QColor(30, 28, 34));
        hollow.setColorAt(1, QColor(0, 0, 0));
        p.fillRect(window, hollow);
    }
}

void buttonColumn(QPainter &p)
{
    for (const QRect &box : ButtonBoxes) {
        chromeFrame(p, box, 4, 4);
        p.fillRect(box, Qt::black);
    }
}

void chaserColumn(QPainter &p, qreal x, qreal top, qreal bottom)
{
    const QColor warm(255, 214, 120);
    for (qreal y = top; y <= bottom + 0.5; y += 16)
        bulb(p, QPointF(x, y), 3.4, true, warm);
}

void lever(QPainter &p, qreal pull)
{
    // Mount on the cabinet's side and the pull handle rising from it.
    const QRectF mount(704, 300, 56, 74);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawRoundedRect(mount.translated(-6, 6), 14, 14);
    QLinearGradient metal(mount.left(), 0, mount.right(), 0);
    metal.setColorAt(0, QColor(90, 94, 104));
    metal.setColorAt(0.3, QColor(245, 246, 250));
    metal.setColorAt(0.6, QColor(150, 154, 166));
    metal.setColorAt(1, QColor(60, 62, 72));
    p.setBrush(metal);
    p.drawRoundedRect(mount, 14, 14);
    // Pulled, the ball comes down towards the mount along the rod.
    const QPointF ball(733, 130 + pull * LeverTravel);
    const QRectF rod(727, ball.y() + 16, 12, 322 - (ball.y() + 16));
    QLinearGradient shine(rod.left(), 0, rod.right(), 0);
    shine.setColorAt(0, QColor(80, 84, 96));
    shine.setColorAt(0.35, QColor(255, 255, 255));
    shine.setColorAt(1, QColor(70, 74, 84));
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(rod.translated(-8, 8), 6, 6);
    p.setBrush(shine);
    p.drawRoundedRect(rod, 6, 6);
    p.setBrush(metal);
    p.drawEllipse(QPointF(733, 322), 14, 9);
    p.setBrush(QColor(0, 0, 0, 100));
    p.drawEllipse(ball + QPointF(-8, 9), 22, 22);
    QRadialGradient red(ball - QPointF(7, 8), 28);
    red.setColorAt(0, QColor(255, 190, 180));
    red.setColorAt(0.3, QColor(235, 20, 30));
    red.setColorAt(1, QColor(90, 0, 8));
    p.setBrush(red);
    p.setPen(QPen(QColor(50, 0, 0), 1.2));
    p.drawEllipse(ball, 22, 22);
    sparkle(p, ball - QPointF(8, 9), 7);
}

void ledge(QPainter &p)
{
    const QRectF strip(214, 518, 456, 22);
    QLinearGradient black(0, strip.top(), 0, strip.bottom());
    black.setColorAt(0, QColor(50, 50, 58));
    black.setColorAt(0.5, QColor(6, 6, 8));
    black.setColorAt(1, QColor(26, 26, 32));
    p.setPen(Qt::NoPen);
    p.setBrush(black);
    p.drawRoundedRect(strip, 6, 6);
    goldTrim(p, strip, 6, 1.4);
    for (qreal x = strip.left() + 14; x < strip.right() - 8; x += 18)
        bulb(p, QPointF(x, strip.center().y()), 3.2, true, QColor(255, 214, 120));
}

void paylineLights(QPainter &p)
{
    const std::array<QColor, 3> colours{LineRed, LineBlue, LineGreen};
    for (std::size_t line = 0; line < colours.size(); ++line) {
        const QImage light = paylineLight(colours[line]);
        const QPoint origin = LineLightOrigins[line];
        // The lit face, only where the light pieces are, as the game's mask does.
        for (const ColumnSpan &span : LightPieces)
            p.drawImage(QPoint(origin.x() + span.first, origin.y()), light,
                        QRect(span.first, LightFaceHeight, span.width, LightFaceHeight));
    }
}

} // namespace

QImage machinePicture(bool lit, qreal leverPull)
{
    QImage image(MachineWidth, MachineHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    lacquer(p);
    header(p);
    reelBay(p);
    chromeFrame(p, MarqueeRect, 4, 0);
    chromeFrame(p, TitleGlassRect.adjusted(0, 0, 0, 10), 4, 2);
    drawPayTable(p, QRectF(18, 104, 194, 404));
    chaserColumn(p, 224, 262, 502);
    chaserColumn(p, 671, 222, 502);
    buttonColumn(p);
    ledge(p);
    lever(p, leverPull);
    drawMarquee(p, lit);
    drawTitleGlass(p, lit);
    drawBadge(p, lit);
    paylineLights(p);
    return image;
}

QImage leverStrip()
{
    const QRect area = Layout::Lever;
    QImage strip(area.width() * LeverFrames, area.height(), QImage::Format_RGB32);
    QPainter p(&strip);
    for (int frame = 0; frame < LeverFrames; ++frame)
        p.drawImage(frame * area.width(), 0, machinePicture(true, qreal(frame) / (LeverFrames - 1)), area.x(), area.y(),
                    area.width(), area.height());
    return strip;
}

} // namespace artgen
