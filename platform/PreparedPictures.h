// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>

#include <map>
#include <tuple>

namespace zand {

// Pictures made ready to be copied onto the canvas pixel for pixel: scaled to
// the size they are shown at, and in the canvas's own pixel format. Each is
// made once, the first time it is asked for, so a light that blinks all game
// long costs a row copy per blink instead of a smooth scaling.
class PreparedPictures
{
public:
    // The canvas's format: 32-bit pixels, always opaque.
    static constexpr QImage::Format Format = QImage::Format_RGB32;

    // Whether pictures of this kind can be prepared at all; ones with an
    // alpha channel must be blended where they land.
    static bool preparable(const QImage &picture);

    // `source` of `picture`, at `size`: smooth scaling, or the nearest pixel
    // (for masks and the pictures drawn through them). The result stays valid
    // until the next call. When the picture is already in the canvas's format
    // and the size is the source's, the picture itself comes back, with the
    // source's place in it.
    struct Ready
    {
        const QImage &image;
        QRect source;
    };
    Ready prepare(const QImage &picture, const QRect &source, QSize size, bool smooth);

    // Drops every prepared picture: the screen's size changed.
    void clear();

private:
    // The picture by its contents' key, the source, the size, the filter.
    using Key = std::tuple<qint64, int, int, int, int, int, int, bool>;
    std::map<Key, QImage> m_ready;
    qsizetype m_bytes = 0;
};

} // namespace zand
