// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberDisplay.h"

#include "platform/Canvas.h"
#include "screen/Pictures.h"

#include <QString>

#include <algorithm>
#include <cmath>

namespace zand {

namespace {

QSize fontCell(bool large)
{
    return large ? QSize(32, 42) : QSize(16, 21);
}

// The font has no minus sign: it is the middle bar, what an 8 lights and a
// 0 does not.
QImage minusCell(const QImage &font, QSize cell)
{
    const QImage eight = font.copy(8 * cell.width(), 0, cell.width(), cell.height())
                             .convertToFormat(QImage::Format_RGB32);
    const QImage zero = font.copy(0, 0, cell.width(), cell.height())
                            .convertToFormat(QImage::Format_RGB32);
    QImage minus(cell, QImage::Format_RGB32);
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) {
            const QRgb a = eight.pixel(x, y), b = zero.pixel(x, y);
            minus.setPixel(x, y, qRgb(std::max(0, qRed(a) - qRed(b)),
                                      std::max(0, qGreen(a) - qGreen(b)),
                                      std::max(0, qBlue(a) - qBlue(b))));
        }
    return minus;
}

} // namespace

NumberDisplay NumberDisplay::sizedFor(int layoutWidth, double grow)
{
    NumberDisplay display;
    display.largeFont = layoutWidth >= 1000;
    const QSize cell = fontCell(display.largeFont);
    display.cell = QSize(static_cast<int>(std::lround(cell.width() * grow)),
                         static_cast<int>(std::lround(cell.height() * grow)));
    return display;
}

void NumberDisplay::draw(Canvas &target, const Pictures &pictures, int number, QPoint anchor) const
{
    const QString text = QString::number(number);
    const int length = static_cast<int>(text.size());
    const QSize own = fontCell(largeFont);
    const QImage &font = green ? (largeFont ? pictures.greenLarge : pictures.greenSmall)
                               : (largeFont ? pictures.digitsLarge : pictures.digitsSmall);
    QSize size(length * cell.width(), cell.height());
    if (room > 0 && size.width() > room)
        size = QSize(room, std::max(1, cell.height() * room / size.width()));
    const int left = rightAligned ? anchor.x() - size.width() : anchor.x();
    int blankWidth = size.width() + cell.width();
    if (room > 0)
        blankWidth = std::min(blankWidth, room);
    target.fillRect(QRect(rightAligned ? anchor.x() - blankWidth : left, anchor.y(), blankWidth,
                          cell.height()),
                    Qt::black);

    // The digits at the font's own size, then shown at the display's.
    QImage strip(length * own.width(), own.height(), QImage::Format_RGB32);
    strip.fill(Qt::black);
    for (int i = 0; i < length; ++i) {
        const int digit = text[i].digitValue();
        const QImage glyph = (digit >= 0 ? font.copy(digit * own.width(), 0, own.width(), own.height())
                                         : minusCell(font, own))
                                 .convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < own.height(); ++y)
            std::copy_n(reinterpret_cast<const QRgb *>(glyph.constScanLine(y)), own.width(),
                        reinterpret_cast<QRgb *>(strip.scanLine(y)) + i * own.width());
    }
    if (size != strip.size())
        strip = strip.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
    target.copy(strip, strip.rect(), QRect(QPoint(left, anchor.y()), size));
}

} // namespace zand
