// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "icons.h"

#include "paint.h"
#include "symbolparts.h"
#include "symbols.h"

#include <QPainter>

#include <cmath>

namespace artgen {

namespace {

void lacquerTile(QPainter &p, const QRectF &tile, qreal radius, qreal trim)
{
    p.setPen(Qt::NoPen);
    p.setBrush(goldGradient(tile.top(), tile.bottom()));
    p.drawRoundedRect(tile, radius, radius);
    const QRectF body = tile.adjusted(trim, trim, -trim, -trim);
    QLinearGradient red(0, body.top(), 0, body.bottom());
    red.setColorAt(0, QColor(170, 18, 36));
    red.setColorAt(0.5, QColor(112, 6, 20));
    red.setColorAt(1, QColor(64, 2, 10));
    p.setBrush(red);
    p.drawRoundedRect(body, radius - trim, radius - trim);
    QRadialGradient sheen(QPointF(body.center().x(), body.top() + body.height() * 0.3), body.width() * 0.7);
    sheen.setColorAt(0, QColor(255, 90, 100, 60));
    sheen.setColorAt(1, QColor(255, 90, 100, 0));
    p.setBrush(sheen);
    p.drawRoundedRect(body, radius - trim, radius - trim);
}

// Where pixels are few the reel symbol's glow and gloss would only blur:
// a plain red seven with a dark rim stands in the ivory window instead.
void plainSeven(QPainter &p, const QRectF &box, qreal rim)
{
    QFont font = letterFont(box.height() * 1.3, true, true);
    font.setWeight(QFont::Black);
    QPainterPath seven = centredText(QStringLiteral("7"), font, QPointF(0, 0));
    const QRectF bounds = seven.boundingRect();
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(box.width() / bounds.width(), box.height() / bounds.height());
    fit.translate(-bounds.center().x(), -bounds.center().y());
    seven = fit.map(seven);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 0, 6), rim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(seven);
    p.setPen(Qt::NoPen);
    QLinearGradient red(0, box.top(), 0, box.bottom());
    red.setColorAt(0, QColor(255, 70, 60));
    red.setColorAt(0.5, QColor(225, 10, 20));
    red.setColorAt(1, QColor(150, 0, 10));
    p.setBrush(red);
    p.drawPath(seven);
}

void smallIcon(QPainter &p, int size)
{
    const qreal s = size;
    const QRectF tile(0.5, 0.5, s - 1, s - 1);
    const qreal trim = s >= 32 ? 2 : 1;
    lacquerTile(p, tile, s * 0.2, trim);
    // The window keeps whole-pixel edges so it stays sharp.
    const qreal inset = std::round(s * 0.16);
    const QRectF window(inset, inset, s - 2 * inset, s - 2 * inset);
    drawReelBackground(p, window);
    p.setPen(QPen(QColor(60, 0, 8), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(window.adjusted(-0.5, -0.5, 0.5, 0.5));
    const qreal w = window.width() * 0.66;
    const qreal h = window.height() * 0.8;
    plainSeven(p, QRectF(window.center().x() - w / 2, window.center().y() - h / 2, w, h), s >= 24 ? 1.6 : 1.2);
}

void largeIcon(QPainter &p, int size)
{
    const qreal s = size;
    const qreal margin = s / 32;
    const QRectF tile(margin, margin, s - 2 * margin, s - 2.6 * margin);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(tile.translated(0, margin * 0.6), s * 0.18, s * 0.18);
    lacquerTile(p, tile, s * 0.18, s / 22);
    if (size >= 128) {
        // Lamps along the top and bottom of the tile, as round the marquee.
        for (int i = 0; i < 7; ++i) {
            const qreal x = tile.left() + tile.width() * (i + 1) / 8;
            bulb(p, QPointF(x, tile.top() + s * 0.085), s * 0.017, true, QColor(255, 214, 120));
            bulb(p, QPointF(x, tile.bottom() - s * 0.085), s * 0.017, true, QColor(255, 214, 120));
        }
    }
    const qreal w = s * 0.56;
    const qreal h = s * (size >= 128 ? 0.62 : 0.68);
    const QRectF window((s - w) / 2, tile.center().y() - h / 2, w, h);
    chromeFrame(p, window, s / 40 + 1, s / 40);
    drawReelBackground(p, window);
    p.save();
    p.setClipRect(window);
    // The symbol art fills a 100 x 100 box; centre it and let it fill the window's width.
    p.translate(window.center().x() - w / 2, window.center().y() - w / 2);
    p.scale(w / 100, w / 100);
    parts::luckySeven(p);
    p.restore();
}

} // namespace

QImage desktopIcon(int size)
{
    QImage icon = layer(size, size);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    if (size >= 48)
        largeIcon(p, size);
    else
        smallIcon(p, size);
    return icon;
}

} // namespace artgen
