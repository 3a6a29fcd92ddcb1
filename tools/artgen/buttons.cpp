// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttons.h"

#include "paint.h"

#include <QPainter>

namespace artgen {

namespace {

void drawButtonFace(QPainter &p, int top, const QStringList &lines, const QColor &colour, bool lit)
{
    const QRectF face(0, top, ButtonWidth, ButtonFaceHeight);
    p.save();
    p.setClipRect(face);
    p.fillRect(face, QColor(8, 8, 10));
    // The collar the cap sits in.
    const QRectF collar = face.adjusted(1.5, 1.5, -1.5, -1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(chromeGradient(collar.top(), collar.bottom()));
    p.drawRoundedRect(collar, 9, 9);
    const QRectF cap = collar.adjusted(3, 3, -3, -3);
    p.setBrush(QColor(0, 0, 0));
    p.drawRoundedRect(cap.adjusted(-0.5, -0.5, 0.5, 0.5), 7, 7);

    QLinearGradient plastic(0, cap.top(), 0, cap.bottom());
    if (lit) {
        plastic.setColorAt(0, mix(colour, Qt::white, 0.55));
        plastic.setColorAt(0.5, mix(colour, Qt::white, 0.15));
        plastic.setColorAt(1, scaled(colour, 0.8));
    } else {
        plastic.setColorAt(0, scaled(colour, 0.38));
        plastic.setColorAt(0.5, scaled(colour, 0.24));
        plastic.setColorAt(1, scaled(colour, 0.14));
    }
    p.setBrush(plastic);
    p.drawRoundedRect(cap, 7, 7);
    if (lit) {
        // Light from the lamp behind the cap: a hot centre.
        QRadialGradient hot(cap.center(), cap.width() * 0.55);
        hot.setColorAt(0, QColor(255, 255, 240, 190));
        hot.setColorAt(1, QColor(255, 255, 240, 0));
        p.setBrush(hot);
        p.drawRoundedRect(cap, 7, 7);
    }
    // Gloss on the upper half of the cap, present lit or not.
    QLinearGradient gloss(0, cap.top(), 0, cap.center().y());
    gloss.setColorAt(0, QColor(255, 255, 255, lit ? 150 : 70));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawRoundedRect(cap.adjusted(4, 2, -4, -cap.height() * 0.5), 5, 5);

    const qreal lineHeight = lines.size() > 1 ? 17 : 20;
    const qreal firstY = cap.center().y() - lineHeight * (lines.size() - 1) / 2.0;
    for (int i = 0; i < lines.size(); ++i) {
        const QPointF centre(cap.center().x(), firstY + i * lineHeight);
        const QPainterPath word = fittedText(lines.at(i), letterFont(lines.size() > 1 ? 15 : 17), centre,
                                             cap.width() - 10);
        if (lit) {
            p.setPen(QPen(QColor(255, 255, 255, 200), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(word.translated(0, 0.6));
            p.setPen(Qt::NoPen);
            p.setBrush(scaled(colour, 0.22));
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 150));
            p.drawPath(word.translated(0, 1));
            p.setBrush(scaled(mix(colour, Qt::white, 0.3), 0.5));
        }
        p.drawPath(word);
    }
    p.restore();
}

void drawNudgeFace(QPainter &p, int top, bool lit)
{
    const QColor amber(255, 150, 20);
    const QRectF face(0, top, NudgeWidth, NudgeFaceHeight);
    p.save();
    p.setClipRect(face);
    p.fillRect(face, Qt::black);
    const QRectF lamp = face.adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient glass(0, lamp.top(), 0, lamp.bottom());
    if (lit) {
        glass.setColorAt(0, QColor(255, 240, 170));
        glass.setColorAt(0.5, amber);
        glass.setColorAt(1, QColor(200, 80, 0));
    } else {
        glass.setColorAt(0, QColor(90, 60, 30));
        glass.setColorAt(0.5, QColor(60, 34, 8));
        glass.setColorAt(1, QColor(34, 18, 4));
    }
    p.setPen(QPen(lit ? QColor(255, 220, 140) : QColor(80, 70, 60), 1));
    p.setBrush(glass);
    p.drawRoundedRect(lamp, 4, 4);
    const QPainterPath word = fittedText(QStringLiteral("NUDGE"), letterFont(11), lamp.center(), lamp.width() - 8);
    p.setPen(Qt::NoPen);
    p.setBrush(lit ? QColor(90, 20, 0) : QColor(20, 10, 4));
    p.drawPath(word);
    p.restore();
}

} // namespace

QImage buttonPicture(const QStringList &lines, const QColor &colour)
{
    QImage image(ButtonWidth, 2 * ButtonFaceHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawButtonFace(p, 0, lines, colour, false);
    drawButtonFace(p, ButtonFaceHeight, lines, colour, true);
    return image;
}

QImage nudgeLight()
{
    QImage image(NudgeWidth, 2 * NudgeFaceHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawNudgeFace(p, 0, false);
    drawNudgeFace(p, NudgeFaceHeight, true);
    return image;
}

} // namespace artgen
