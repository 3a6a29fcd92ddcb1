// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <array>
#include <vector>

namespace artgen {

QFont letterFont(qreal pixelSize, bool bold, bool italic)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, qRound(pixelSize)));
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t,
                            a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor scaled(const QColor &c, qreal factor)
{
    return QColor::fromRgbF(std::clamp(c.redF() * factor, 0.0, 1.0),
                            std::clamp(c.greenF() * factor, 0.0, 1.0),
                            std::clamp(c.blueF() * factor, 0.0, 1.0), c.alphaF());
}

QImage layer(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

namespace {

// One box pass over a line of premultiplied pixels (4 channels each).
void boxLine(std::vector<std::array<int, 4>> &line, int radius, bool wrap)
{
    const int n = static_cast<int>(line.size());
    if (n == 0 || radius <= 0)
        return;
    const auto at = [&](int i) -> const std::array<int, 4> & {
        if (wrap)
            return line[((i % n) + n) % n];
        return line[std::clamp(i, 0, n - 1)];
    };
    std::array<int, 4> sum{};
    for (int i = -radius; i <= radius; ++i)
        for (int c = 0; c < 4; ++c)
            sum[c] += at(i)[c];
    const int span = 2 * radius + 1;
    std::vector<std::array<int, 4>> out(line.size());
    for (int i = 0; i < n; ++i) {
        for (int c = 0; c < 4; ++c)
            out[i][c] = (sum[c] + span / 2) / span;
        for (int c = 0; c < 4; ++c)
            sum[c] += at(i + radius + 1)[c] - at(i - radius)[c];
    }
    line.swap(out);
}

std::array<int, 4> unpack(QRgb px) { return {qRed(px), qGreen(px), qBlue(px), qAlpha(px)}; }
QRgb pack(const std::array<int, 4> &v) { return qRgba(v[0], v[1], v[2], v[3]); }

} // namespace

void blur(QImage &image, int radius, bool horizontal, bool vertical, bool wrapVertically)
{
    if (radius <= 0)
        return;
    const QImage::Format original = image.format();
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    // Three box passes of half the radius each approximate a Gaussian.
    const int passRadius = std::max(1, radius / 2);
    const int w = image.width();
    const int h = image.height();
    std::vector<std::array<int, 4>> line;
    if (horizontal) {
        for (int y = 0; y < h; ++y) {
            auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
            line.assign(w, {});
            for (int x = 0; x < w; ++x)
                line[x] = unpack(row[x]);
            for (int pass = 0; pass < 3; ++pass)
                boxLine(line, passRadius, false);
            for (int x = 0; x < w; ++x)
                row[x] = pack(line[x]);
        }
    }
    if (vertical) {
        for (int x = 0; x < w; ++x) {
            line.assign(h, {});
            for (int y = 0; y < h; ++y)
                line[y] = unpack(reinterpret_cast<const QRgb *>(image.constScanLine(y))[x]);
            for (int pass = 0; pass < 3; ++pass)
                boxLine(line, passRadius, wrapVertically);
            for (int y = 0; y < h; ++y)
                reinterpret_cast<QRgb *>(image.scanLine(y))[x] = pack(line[y]);
        }
    }
    image.convertTo(original);
}

QPainterPath centredText(const QString &text, const QFont &font, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    const QFontMetricsF metrics(font);
    // Centre on the capital letters so descenders do not push the word up.
    const qreal capHeight = metrics.capHeight();
    path.translate(centre.x() - box.center().x(), centre.y() + capHeight / 2);
    return path;
}

QPainterPath fittedText(const QString &text, const QFont &font, QPointF centre, qreal maxWidth)
{
    QPainterPath path = centredText(text, font, QPointF(0, 0));
    const qreal width = path.boundingRect().width();
    QTransform t;
    t.translate(centre.x(), centre.y());
    if (width > maxWidth)
        t.scale(maxWidth / width, 1.0);
    return t.map(path);
}

void glowPath(QPainter &p, const QPainterPath &path, const QColor &colour, int radius,
              int strength, qreal penWidth)
{
    const QRect device = p.viewport();
    QImage glow = layer(device.width(), device.height());
    {
        QPainter g(&glow);
        g.setRenderHint(QPainter::Antialiasing);
        g.setTransform(p.transform());
        g.setPen(penWidth > 0 ? QPen(colour, penWidth) : QPen(Qt::NoPen));
        g.setBrush(colour);
        g.drawPath(path);
    }
    blur(glow, radius);
    p.save();
    p.resetTransform();
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    for (int i = 0; i < strength; ++i)
        p.drawImage(0, 0, glow);
    p.restore();
}

void bevelRing(QPainter &p, const QRectF &outer, const QRectF &inner, bool raised,
               const QColor &base)
{
    const QColor light = mix(base, Qt::white, 0.55);
    const QColor dark = scaled(base, 0.35);
    const QColor topLeft = raised ? light : dark;
    const QColor bottomRight = raised ? dark : light;
    p.save();
    p.setPen(Qt::NoPen);
    QPolygonF top{outer.topLeft(), outer.topRight(), inner.topRight(), inner.topLeft()};
    QPolygonF left{outer.topLeft(), inner.topLeft(), inner.bottomLeft(), outer.bottomLeft()};
    QPolygonF bottom{outer.bottomLeft(), inner.bottomLeft(), inner.bottomRight(), outer.bottomRight()};
    QPolygonF right{outer.topRight(), outer.bottomRight(), inner.bottomRight(), inner.topRight()};
    p.setBrush(topLeft);
    p.drawPolygon(top);
    p.setBrush(mix(topLeft, base, 0.4));
    p.drawPolygon(left);
    p.setBrush(bottomRight);
    p.drawPolygon(bottom);
    p.setBrush(mix(bottomRight, base, 0.4));
    p.drawPolygon(right);
    p.restore();
}

QLinearGradient goldGradient(qreal top, qreal bottom)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.0, QColor(255, 246, 190));
    g.setColorAt(0.35, QColor(240, 196, 70));
    g.setColorAt(0.55, QColor(176, 118, 18));
    g.setColorAt(0.75, QColor(230, 178, 60));
    g.setColorAt(1.0, QColor(120, 72, 8));
    return g;
}

QLinearGradient chromeGradient(qreal top, qreal bottom)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.0, QColor(250, 250, 252));
    g.setColorAt(0.3, QColor(170, 174, 184));
    g.setColorAt(0.5, QColor(92, 96, 108));
    g.setColorAt(0.62, QColor(200, 204, 212));
    g.setColorAt(1.0, QColor(110, 114, 124));
    return g;
}

void chromeFrame(QPainter &p, const QRectF &rect, qreal width, qreal radius)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = rect.adjusted(-width, -width, width, width);
    // Drop shadow on the cabinet below and right of the trim.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(outer.translated(2, 3), radius + width, radius + width);
    QPainterPath ring;
    ring.addRoundedRect(outer, radius + width, radius + width);
    QPainterPath hole;
    hole.addRoundedRect(rect, radius, radius);
    ring = ring.subtracted(hole);
    p.setBrush(chromeGradient(outer.top(), outer.bottom()));
    p.drawPath(ring);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.drawRoundedRect(outer.adjusted(0.5, 0.5, -0.5, -0.5), radius + width, radius + width);
    p.setPen(QPen(QColor(20, 20, 26, 200), 1));
    p.drawRoundedRect(rect.adjusted(-0.5, -0.5, 0.5, 0.5), radius, radius);
    p.restore();
}

void goldTrim(QPainter &p, const QRectF &rect, qreal radius, qreal width)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 20, 0, 160), width + 2));
    p.drawRoundedRect(rect.translated(1, 1.5), radius, radius);
    p.setPen(QPen(QBrush(goldGradient(rect.top(), rect.bottom())), width));
    p.drawRoundedRect(rect, radius, radius);
    p.restore();
}

void sparkle(QPainter &p, QPointF c, qreal size, const QColor &colour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QRadialGradient halo(c, size * 0.6);
    QColor soft = colour;
    soft.setAlpha(120);
    halo.setColorAt(0, soft);
    halo.setColorAt(1, Qt::transparent);
    p.setBrush(halo);
    p.drawEllipse(c, size * 0.6, size * 0.6);
    const qreal w = size * 0.13;
    QPainterPath star;
    star.moveTo(c.x(), c.y() - size);
    star.quadTo(c.x() + w, c.y() - w, c.x() + size, c.y());
    star.quadTo(c.x() + w, c.y() + w, c.x(), c.y() + size);
    star.quadTo(c.x() - w, c.y() + w, c.x() - size, c.y());
    star.quadTo(c.x() - w, c.y() - w, c.x(), c.y() - size);
    p.setBrush(colour);
    p.drawPath(star);
    p.restore();
}

void bulb(QPainter &p, QPointF c, qreal r, bool lit, const QColor &tint)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // Socket ring.
    p.setBrush(QColor(40, 30, 20));
    p.drawEllipse(c, r + 1.2, r + 1.2);
    if (lit) {
        QRadialGradient halo(c, r * 2.6);
        QColor h = tint;
        h.setAlpha(110);
        halo.setColorAt(0, h);
        halo.setColorAt(1, Qt::transparent);
        p.setBrush(halo);
        p.drawEllipse(c, r * 2.6, r * 2.6);
        QRadialGradient glass(c - QPointF(r * 0.3, r * 0.3), r * 1.2);
        glass.setColorAt(0, Qt::white);
        glass.setColorAt(0.45, mix(tint, Qt::white, 0.5));
        glass.setColorAt(1, tint);
        p.setBrush(glass);
    } else {
        QRadialGradient glass(c - QPointF(r * 0.3, r * 0.3), r * 1.2);
        glass.setColorAt(0, QColor(150, 140, 125));
        glass.setColorAt(0.5, scaled(tint, 0.32));
        glass.setColorAt(1, scaled(tint, 0.16));
        p.setBrush(glass);
    }
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(255, 255, 255, lit ? 230 : 90));
    p.drawEllipse(c - QPointF(r * 0.35, r * 0.4), r * 0.28, r * 0.22);
    p.restore();
}

qreal Dice::unit()
{
    // xorshift32: tiny, fast, and the same on every platform.
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return (m_state & 0xFFFFFF) / static_cast<qreal>(0x1000000);
}

void goldWords(QPainter &p, const QPainterPath &words, qreal outline)
{
    p.setPen(QPen(QColor(30, 10, 0), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(words);
    const QRectF box = words.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(goldGradient(box.top(), box.bottom()));
    p.drawPath(words);
}

} // namespace artgen
