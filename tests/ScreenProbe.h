// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Canvas.h"
#include "screen/Pictures.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QRect>
#include <QString>

namespace zand {

// Reads the machine back from the canvas and compares it with the pictures
// it was drawn from.
namespace ScreenProbe {

inline bool allBlack(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xffffff) != 0)
                return false;
    return true;
}

inline bool same(const QImage &a, const QImage &b)
{
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

// The digits of `text` as the font draws them, cells of w x h.
inline QImage digits(const QImage &font, const QString &text, int w, int h)
{
    QImage out(w * static_cast<int>(text.size()), h, QImage::Format_RGB32);
    for (int i = 0; i < text.size(); ++i) {
        const QImage cell = font.copy(text[i].digitValue() * w, 0, w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                out.setPixel(i * w + x, y, cell.pixel(x, y));
    }
    return out;
}

inline QImage sheetCell(const Pictures &p, int cell)
{
    const int size = p.symbolSize;
    return p.scaledSymbolSheet.copy((cell % 4) * size, (cell / 4) * size, size, size);
}

inline QImage reelCell(const Canvas &canvas, const Pictures &p, int reel, int row)
{
    return canvas.grab(QRect(p.reelLeft + reel * p.reelPitch, p.reelTop + row * p.symbolSize,
                             p.symbolSize, p.symbolSize));
}

// Where the window system reports a press on this pixel of the canvas's
// drawing coordinates: on a scaled desktop, a fraction of its own pixels.
inline QPointF widgetPosition(const Canvas &canvas, QPoint at)
{
    return QPointF(at + canvas.origin()) / canvas.devicePixelRatioF();
}

// A click on one device pixel of the canvas.
inline void click(Canvas &canvas, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    const QPointF local = widgetPosition(canvas, at);
    const QPointF global = canvas.mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, {});
    QApplication::sendEvent(&canvas, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, {}, {});
    QApplication::sendEvent(&canvas, &release);
}


// Reads a number off seven-segment digits (red or green on black) in
// `area`, at whatever size they were drawn: each run of lit columns is one
// character, its segments looked up in the height all of them share.
inline QString readDigits(const QImage &area)
{
    const auto lit = [&](int x, int y) {
        if (!area.valid(x, y))
            return false;
        const QRgb p = area.pixel(x, y);
        const int hi = std::max({qRed(p), qGreen(p), qBlue(p)});
        return hi > 120 && hi - std::min({qRed(p), qGreen(p), qBlue(p)}) > 80;
    };
    // Segments of small digits lie close: only large ones are looked at
    // with a pixel of leeway.
    const int leeway = area.height() > 40 ? 1 : 0;
    const auto litNear = [&](int x, int y) {
        for (int dy = -leeway; dy <= leeway; ++dy)
            for (int dx = -leeway; dx <= leeway; ++dx)
                if (lit(x + dx, y + dy))
                    return true;
        return false;
    };
    int top = area.height(), bottom = -1;
    QList<int> columns; // 1 where a column has ink
    for (int x = 0; x < area.width(); ++x) {
        int any = 0;
        for (int y = 0; y < area.height(); ++y)
            if (lit(x, y)) {
                any = 1;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        columns.append(any);
    }
    static const QList<int> Segments{0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    const double height = bottom - top;
    QList<QPair<int, int>> runs; // first and last column of each character
    for (int x = 0; x < area.width(); ++x)
        if (columns[x] && (x == 0 || !columns[x - 1]))
            runs.append({x, x});
        else if (columns[x])
            runs.last().second = x;
    // Every digit but 1 reaches the right-hand segments.
    int full = 0;
    for (const auto &run : runs)
        full = std::max(full, run.second - run.first);
    QString text;
    for (const auto &[first, right] : runs) {
        bool tall = false; // ink in the top or bottom quarter
        for (int cx = first; cx <= right && !tall; ++cx)
            for (int y = top; y <= bottom && !tall; ++y)
                tall = lit(cx, y) && (y < top + height / 4 || y > bottom - height / 4);
        if (!tall) {
            text += QLatin1Char('-');
            continue;
        }
        if (right - first < height * 0.3) {
            text += QLatin1Char('1');
            continue;
        }
        // A narrow one (a 7) is measured as a full digit ending where it ends.
        const int width = std::max(right - first, full * 4 / 5);
        const int left = right - width;
        const auto at = [&](double fx, double fy) {
            return litNear(static_cast<int>(left + fx * width), static_cast<int>(top + fy * height));
        };
        // a b c d e f g, as the font draws them.
        const int bits = at(0.5, 0.04) | at(0.88, 0.27) << 1 | at(0.88, 0.73) << 2
            | at(0.5, 0.96) << 3 | at(0.12, 0.73) << 4 | at(0.12, 0.27) << 5 | at(0.5, 0.5) << 6;
        const int digit = static_cast<int>(Segments.indexOf(bits));
        text += digit >= 0 ? QChar('0' + digit) : QChar('?');
    }
    return text;
}

inline qint64 distance(const QImage &a, const QImage &b)
{
    qint64 sum = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                + std::abs(qBlue(p) - qBlue(q));
        }
    return sum;
}

// Whether what the canvas shows is the lit face of a two-face picture (dark
// above, lit below) rather than the dark one, at whatever scale it was drawn.
inline bool showsLitFace(const QImage &shown, const QImage &picture)
{
    const int half = picture.height() / 2;
    const auto face = [&](int top) {
        return picture.copy(0, top, picture.width(), half)
            .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    };
    return distance(shown, face(half)) < distance(shown, face(0));
}

} // namespace ScreenProbe

} // namespace zand
