// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "logo.h"

#include "paint.h"

#include <QPainter>

namespace artgen {

namespace {

QImage chipLayer()
{
    QImage chip = layer(LogoWidth, LogoHeight);
    QPainter p(&chip);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(2.5, 5.5, LogoWidth - 5, LogoHeight - 11);
    const qreal radius = outer.height() / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(goldGradient(outer.top(), outer.bottom()));
    p.drawRoundedRect(outer, radius, radius);
    const QRectF inner = outer.adjusted(4, 4, -4, -4);
    QLinearGradient night(0, inner.top(), 0, inner.bottom());
    night.setColorAt(0, QColor(40, 70, 170));
    night.setColorAt(0.5, QColor(12, 24, 90));
    night.setColorAt(1, QColor(4, 8, 40));
    p.setBrush(night);
    p.drawRoundedRect(inner, inner.height() / 2, inner.height() / 2);

    // A red comet sweeping under the name.
    QPainterPath swoosh;
    swoosh.moveTo(18, 50);
    swoosh.quadTo(62, 36, 110, 44);
    swoosh.quadTo(62, 42, 18, 50);
    p.setBrush(QColor(230, 40, 40));
    p.setPen(QPen(QColor(255, 120, 100), 1.2));
    p.drawPath(swoosh);

    const QPainterPath name = fittedText(QStringLiteral("ZANTEK"), letterFont(24, true, true),
                                         QPointF(62.5, 32), inner.width() - 18);
    p.setPen(QPen(QColor(0, 0, 20), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(name);
    QLinearGradient silver(0, 22, 0, 42);
    silver.setColorAt(0, Qt::white);
    silver.setColorAt(0.5, QColor(200, 210, 230));
    silver.setColorAt(0.55, QColor(140, 150, 175));
    silver.setColorAt(1, QColor(235, 240, 255));
    p.setPen(Qt::NoPen);
    p.setBrush(silver);
    p.drawPath(name);
    const QPainterPath games = fittedText(QStringLiteral("GAMES"), letterFont(7.5), QPointF(62.5, 54.5), 60);
    p.setBrush(QColor(255, 214, 90));
    p.drawPath(games);
    sparkle(p, QPointF(109, 44), 6);
    return chip;
}

// The chip is where the drawing is at least half opaque; the same test
// decides both pictures, so mask and logo agree pixel for pixel.
bool isChip(const QImage &chip, int x, int y)
{
    return qAlpha(chip.pixel(x, y)) >= 128;
}

} // namespace

QImage logoPicture()
{
    const QImage chip = chipLayer();
    QImage logo(LogoWidth, LogoHeight, QImage::Format_RGB32);
    logo.fill(Qt::black);
    {
        QPainter p(&logo);
        p.drawImage(0, 0, chip);
    }
    for (int y = 0; y < LogoHeight; ++y)
        for (int x = 0; x < LogoWidth; ++x)
            if (!isChip(chip, x, y))
                logo.setPixel(x, y, qRgb(0, 0, 0));
    return logo;
}

QImage logoMask()
{
    const QImage chip = chipLayer();
    QImage mask(LogoWidth, LogoHeight, QImage::Format_Mono);
    mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    // Clears the padding bits at the row ends too, so the file is the same every run.
    mask.fill(1);
    for (int y = 0; y < LogoHeight; ++y)
        for (int x = 0; x < LogoWidth; ++x)
            mask.setPixel(x, y, isChip(chip, x, y) ? 0 : 1);
    return mask;
}

} // namespace artgen
