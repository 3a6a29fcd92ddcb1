// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels.h"

#include "paint.h"

#include <QPainter>

#include <cmath>

namespace artgen {

namespace {

// An unlit panel still shows its print, dimmed and without any glow, with
// the room's light catching the glass.
void switchOff(QPainter &p, const QRectF &r)
{
    p.fillRect(r, QColor(0, 0, 0, 165));
    QLinearGradient sheen(r.topLeft(), r.bottomRight());
    sheen.setColorAt(0.25, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.32, QColor(255, 255, 255, 22));
    sheen.setColorAt(0.42, QColor(255, 255, 255, 0));
    p.fillRect(r, sheen);
}

void bulbBorder(QPainter &p, const QRectF &r, qreal spacing, bool lit)
{
    const QColor warm(255, 214, 120);
    const int across = static_cast<int>(std::round(r.width() / spacing));
    const int down = static_cast<int>(std::round(r.height() / spacing));
    for (int i = 0; i <= across; ++i) {
        const qreal x = r.left() + r.width() * i / across;
        bulb(p, QPointF(x, r.top()), 3.2, lit, warm);
        bulb(p, QPointF(x, r.bottom()), 3.2, lit, warm);
    }
    for (int i = 1; i < down; ++i) {
        const qreal y = r.top() + r.height() * i / down;
        bulb(p, QPointF(r.left(), y), 3.2, lit, warm);
        bulb(p, QPointF(r.right(), y), 3.2, lit, warm);
    }
}

void rays(QPainter &p, QPointF centre, qreal length, int count, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const qreal a0 = M_PI * i / count * 2;
        const qreal a1 = a0 + M_PI / count;
        QPolygonF wedge{centre, centre + QPointF(std::cos(a0), std::sin(a0)) * length,
                        centre + QPointF(std::cos(a1), std::sin(a1)) * length};
        QRadialGradient fade(centre, length);
        fade.setColorAt(0, colour);
        fade.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
        p.setBrush(fade);
        p.drawPolygon(wedge);
    }
}

} // namespace

void drawMarquee(QPainter &p, bool lit)
{
    const QRectF r(MarqueeRect);
    p.save();
    p.setClipRect(MarqueeRect);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient sky(QPointF(r.center().x(), r.top() + 70), 190);
    sky.setColorAt(0, QColor(150, 60, 220));
    sky.setColorAt(0.45, QColor(70, 14, 130));
    sky.setColorAt(1, QColor(16, 0, 44));
    p.fillRect(r, sky);
    rays(p, QPointF(r.center().x(), r.top() + 68), 200, 18, QColor(255, 200, 80, 70));

    const QRectF frame = r.adjusted(14, 14, -14, -14);
    goldTrim(p, frame, 10, 2);

    QFont big = letterFont(56, true, true);
    big.setWeight(QFont::Black);
    const QPainterPath name = fittedText(QStringLiteral("Zandor"), big, QPointF(r.center().x(), r.top() + 58), 236);
    QFont small = letterFont(24, true);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 9);
    const QPainterPath subtitle = fittedText(QStringLiteral("SLOTS"), small, QPointF(r.center().x() + 4, r.top() + 106), 160);
    if (lit) {
        glowPath(p, name, QColor(255, 120, 20), 10, 2, 6);
        glowPath(p, subtitle, QColor(255, 30, 60), 7, 2, 3);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 0, 10), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(name);
    p.setPen(QPen(QColor(255, 240, 200), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(name);
    const QRectF nameBox = name.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(goldGradient(nameBox.top(), nameBox.bottom()));
    p.drawPath(name);

    p.setPen(QPen(QColor(255, 60, 90), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(subtitle);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 246, 250));
    p.drawPath(subtitle);
    for (qreal dx : {-108.0, 108.0})
        sparkle(p, QPointF(r.center().x() + dx, r.top() + 104), 9, QColor(255, 230, 150));
    sparkle(p, QPointF(r.left() + 252, r.top() + 34), 8);

    bulbBorder(p, r.adjusted(6.5, 6.5, -6.5, -6.5), 14.5, lit);
    if (!lit)
        switchOff(p, r);
    p.restore();
}

void drawTitleGlass(QPainter &p, bool lit)
{
    const QRectF r(TitleGlassRect);
    p.save();
    p.setClipRect(TitleGlassRect);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient glass(0, r.top(), 0, r.bottom());
    glass.setColorAt(0, QColor(170, 10, 30));
    glass.setColorAt(0.5, QColor(110, 0, 20));
    glass.setColorAt(1, QColor(60, 0, 10));
    p.fillRect(r, glass);
    QRadialGradient hot(r.center(), r.width() * 0.5);
    hot.setColorAt(0, QColor(255, 120, 60, 90));
    hot.setColorAt(1, QColor(255, 120, 60, 0));
    p.fillRect(r, hot);
    goldTrim(p, r.adjusted(6, 6, -6, -6), 8, 1.6);

    const QPainterPath text = fittedText(QStringLiteral("3 LINES \u2605 WILD NUDGES \u2605 BONUS VAULT"),
                                         letterFont(17, true), r.center(), r.width() - 44);
    if (lit)
        glowPath(p, text, QColor(255, 200, 40), 6, 2, 3);
    p.setPen(QPen(QColor(70, 20, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 244, 190));
    p.drawPath(text);
    for (qreal x = r.left() + 14; x < r.right(); x += r.width() - 28) {
        bulb(p, QPointF(x, r.center().y()), 3.4, lit, QColor(255, 214, 120));
    }
    if (!lit)
        switchOff(p, r);
    p.restore();
}

void drawBadge(QPainter &p, bool lit)
{
    const QRectF r(BadgeRect);
    p.save();
    p.setClipRect(BadgeRect);
    p.setRenderHint(QPainter::Antialiasing);
    const auto octagon = [](const QRectF &box) {
        const qreal c = box.width() * 0.29;
        return QPolygonF{QPointF(box.left() + c, box.top()), QPointF(box.right() - c, box.top()),
                         QPointF(box.right(), box.top() + c), QPointF(box.right(), box.bottom() - c),
                         QPointF(box.right() - c, box.bottom()), QPointF(box.left() + c, box.bottom()),
                         QPointF(box.left(), box.bottom() - c), QPointF(box.left(), box.top() + c)};
    };
    const QRectF outer = r.adjusted(2, 2.5, -2, -2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawPolygon(octagon(outer.translated(1.5, 2)));
    p.setBrush(goldGradient(outer.top(), outer.bottom()));
    p.drawPolygon(octagon(outer));
    const QRectF inner = outer.adjusted(5, 5, -5, -5);
    QRadialGradient plastic(inner.center() - QPointF(0, 6), inner.width() * 0.7);
    plastic.setColorAt(0, QColor(255, 190, 120));
    plastic.setColorAt(0.45, QColor(235, 40, 30));
    plastic.setColorAt(1, QColor(110, 0, 10));
    p.setBrush(plastic);
    p.setPen(QPen(QColor(70, 30, 0), 1));
    p.drawPolygon(octagon(inner));

    const QPainterPath bet = fittedText(QStringLiteral("BET"), letterFont(14), QPointF(r.center().x(), r.top() + 26), 50);
    const QPainterPath one = fittedText(QStringLiteral("ONE"), letterFont(21), QPointF(r.center().x(), r.top() + 44), 58);
    const QPainterPath coin = fittedText(QStringLiteral("1 COIN"), letterFont(10), QPointF(r.center().x(), r.top() + 62), 48);
    QPainterPath words = bet.united(one).united(coin);
    if (lit)
        glowPath(p, words, QColor(255, 230, 120), 4, 1, 2);
    p.setPen(QPen(QColor(60, 0, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(words);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 248, 215));
    p.drawPath(words);
    // Gloss over the top of the dome.
    QLinearGradient gloss(0, inner.top(), 0, inner.center().y());
    gloss.setColorAt(0, QColor(255, 255, 255, 120));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawPolygon(octagon(inner.adjusted(6, 2, -6, -inner.height() * 0.45)));
    if (!lit) {
        // Only the badge itself goes dark; the cabinet around it stays.
        QPainterPath shape;
        shape.addPolygon(octagon(outer));
        p.setClipPath(shape, Qt::IntersectClip);
        switchOff(p, r);
    }
    p.restore();
}

} // namespace artgen
