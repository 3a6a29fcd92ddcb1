#pragma once

#include "platform/Canvas.h"
#include "screen/Pictures.h"

#include <QImage>
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

} // namespace ScreenProbe

namespace ScreenProbe {

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
