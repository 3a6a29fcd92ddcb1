// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreparedPictures.h"

#include <QPainter>

namespace zand {

namespace {

// What the lights and reels need on the largest screens stays well under
// this; going past it means the pictures themselves changed.
constexpr qsizetype ByteBudget = 32 * 1024 * 1024;

} // namespace

bool PreparedPictures::preparable(const QImage &picture)
{
    return !picture.isNull() && !picture.hasAlphaChannel();
}

PreparedPictures::Ready PreparedPictures::prepare(const QImage &picture, const QRect &source,
                                                  QSize size, bool smooth)
{
    if (picture.format() == Format && size == source.size())
        return {picture, source};
    // A picture in another format is converted whole, once, and then copied
    // from like any other.
    const bool scaled = size != source.size();
    const QRect whole = scaled ? source : picture.rect();
    const Key key{picture.cacheKey(), whole.x(), whole.y(), whole.width(), whole.height(),
                  size.width(), size.height(), scaled && smooth};
    auto found = m_ready.find(key);
    if (found == m_ready.end()) {
        QImage ready;
        if (scaled) {
            ready = QImage(size, Format);
            QPainter painter(&ready);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
            painter.drawImage(QRect(QPoint(0, 0), size), picture, source);
        } else {
            ready = picture.convertToFormat(Format);
        }
        if (m_bytes + ready.sizeInBytes() > ByteBudget)
            clear();
        m_bytes += ready.sizeInBytes();
        found = m_ready.emplace(key, std::move(ready)).first;
    }
    return {found->second, scaled ? found->second.rect() : source};
}

void PreparedPictures::clear()
{
    m_ready.clear();
    m_bytes = 0;
}

} // namespace zand
