// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lights.h"

#include "paint.h"

#include <QPainter>

namespace artgen {

bool isLightColumn(int x)
{
    for (const ColumnSpan &span : LightPieces)
        if (x >= span.first && x < span.first + span.width)
            return true;
    return false;
}

namespace {

// The lamp of one piece: arrows at the ends point at the payline, the
// pieces between the reels are capsules that carry the line across.
QPainterPath lampShape(std::size_t piece, const QRectF &r)
{
    QPainterPath path;
    const qreal cy = r.center().y();
    if (piece == 0) {
        path.moveTo(r.left() + 2, r.top() + 2);
        path.lineTo(r.right() - 1.5, cy);
        path.lineTo(r.left() + 2, r.bottom() - 2);
        path.closeSubpath();
    } else if (piece == LightPieces.size() - 1) {
        path.moveTo(r.right() - 2, r.top() + 2);
        path.lineTo(r.left() + 1.5, cy);
        path.lineTo(r.right() - 2, r.bottom() - 2);
        path.closeSubpath();
    } else {
        path.addRoundedRect(QRectF(r.left() + 2, cy - 3.5, r.width() - 4, 7), 3.5, 3.5);
    }
    return path;
}

void drawFace(QPainter &p, int top, const QColor &colour, bool lit)
{
    for (std::size_t i = 0; i < LightPieces.size(); ++i) {
        const QRectF piece(LightPieces[i].first, top, LightPieces[i].width, LightFaceHeight);
        p.save();
        p.setClipRect(piece);
        p.fillRect(piece, BayColour);
        const QPainterPath lamp = lampShape(i, piece);
        if (lit) {
            glowPath(p, lamp, colour, 4, 2);
            QLinearGradient core(0, piece.top() + 3, 0, piece.bottom() - 3);
            core.setColorAt(0, mix(colour, Qt::white, 0.85));
            core.setColorAt(0.5, mix(colour, Qt::white, 0.45));
            core.setColorAt(1, colour);
            p.setPen(QPen(mix(colour, Qt::white, 0.3), 0.8));
            p.setBrush(core);
        } else {
            QLinearGradient glass(0, piece.top() + 3, 0, piece.bottom() - 3);
            glass.setColorAt(0, scaled(colour, 0.5));
            glass.setColorAt(1, scaled(colour, 0.18));
            p.setPen(QPen(QColor(0, 0, 0), 0.8));
            p.setBrush(glass);
        }
        p.drawPath(lamp);
        p.restore();
    }
}

} // namespace

QImage paylineLight(const QColor &colour)
{
    QImage image(LightWidth, 2 * LightFaceHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawFace(p, 0, colour, false);
    drawFace(p, LightFaceHeight, colour, true);
    return image;
}

QImage paylineMask()
{
    QImage mask(LightWidth, 2 * LightFaceHeight, QImage::Format_Mono);
    mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    // Clears the padding bits at the row ends too, so the file is the same every run.
    mask.fill(1);
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            mask.setPixel(x, y, isLightColumn(x) ? 0 : 1);
    return mask;
}

} // namespace artgen
