// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Canvas.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

namespace zand {

Canvas::Canvas(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    m_image = blankImage(QSize(1, 1));
}

void Canvas::setZones(CanvasZones zones)
{
    m_zones = std::move(zones);
}

std::vector<CanvasZone> Canvas::zones() const
{
    return m_zones ? m_zones() : std::vector<CanvasZone>{};
}

QImage Canvas::blankImage(QSize size) const
{
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::black);
    // Text is measured and drawn at the density of the screen's own pixels.
    const double dotsPerMetre = logicalDpiY() * devicePixelRatioF() / 0.0254;
    image.setDotsPerMeterX(static_cast<int>(std::lround(dotsPerMetre)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dotsPerMetre)));
    return image;
}

void Canvas::setPaintHandler(std::function<void()> handler)
{
    m_paintHandler = std::move(handler);
}

void Canvas::repaintNow()
{
    if (m_paintHandler)
        m_paintHandler();
}

void Canvas::setOrigin(QPoint origin)
{
    m_origin = origin;
}

QPoint Canvas::fromWidget(QPointF position) const
{
    // The window system's positions are whole device pixels divided by the
    // ratio: multiplying back and rounding finds the pixel again.
    const double ratio = devicePixelRatioF();
    return QPoint(static_cast<int>(std::lround(position.x() * ratio)),
                  static_cast<int>(std::lround(position.y() * ratio)))
        - m_origin;
}

void Canvas::clear()
{
    m_image.fill(Qt::black);
    update();
}

void Canvas::copy(const QImage &picture, const QRect &source, const QRect &target, CopyMode mode)
{
    const QRect clipped = source & picture.rect();
    if (clipped.isEmpty() || target.isEmpty())
        return;
    // The whole machine, drawn only when everything is drawn anew, is not
    // worth keeping a scaled copy of.
    const bool large = 2 * qint64(target.width()) * target.height()
        > qint64(m_image.width()) * m_image.height();
    if (clipped != source || !PreparedPictures::preparable(picture) || (large && target.size() != source.size())) {
        paintCopy(picture, source, clipped, target, mode);
        return;
    }
    // Masks and what shows through them keep hard edges when scaled.
    const auto ready = m_prepared.prepare(picture, source, target.size(), mode == CopyMode::Plain);
    blit(ready.image, ready.source, target.topLeft() + m_origin, mode);
}

namespace {

// Copies `size` pixels of `from` at `fromAt` onto `to` at `at`, row by row,
// clipped to `to`; returns the rectangle of `to` that changed. Both images
// hold 32-bit pixels.
QRect copyRows(const QImage &from, QPoint fromAt, QImage &to, QPoint at, QSize size, Canvas::CopyMode mode)
{
    const QRect target = QRect(at, size) & to.rect();
    if (target.isEmpty())
        return target;
    const QPoint start = fromAt + (target.topLeft() - at);
    const int width = target.width();
    // The rows are found by their stride: asking the picture for each row
    // checks for sharing every time, which costs as much as a short row.
    const qsizetype inStride = from.bytesPerLine();
    const qsizetype outStride = to.bytesPerLine();
    const uchar *inRow = from.constBits() + start.y() * inStride + start.x() * qsizetype(sizeof(QRgb));
    uchar *outRow = to.bits() + target.top() * outStride + target.left() * qsizetype(sizeof(QRgb));
    for (int row = 0; row < target.height(); ++row, inRow += inStride, outRow += outStride) {
        const auto *in = reinterpret_cast<const QRgb *>(inRow);
        auto *out = reinterpret_cast<QRgb *>(outRow);
        switch (mode) {
        case Canvas::CopyMode::Plain:
            std::memcpy(out, in, width * sizeof(QRgb));
            break;
        case Canvas::CopyMode::And:
            std::transform(in, in + width, out, out, std::bit_and<QRgb>());
            break;
        case Canvas::CopyMode::Or:
            std::transform(in, in + width, out, out, std::bit_or<QRgb>());
            break;
        }
    }
    return target;
}

} // namespace

// Row by row on the game's own thread: a painter would hand tall pictures to
// helper threads, which costs more than the copy itself.
void Canvas::blit(const QImage &picture, const QRect &source, QPoint at, CopyMode mode)
{
    const QRect changed = copyRows(picture, source.topLeft(), m_image, at, source.size(), mode);
    if (!changed.isEmpty())
        touched(changed);
}

// Pictures that must be blended, or whose source reaches past their edge.
void Canvas::paintCopy(const QImage &picture, const QRect &source, const QRect &clipped,
                       const QRect &target, CopyMode mode)
{
    // Keep the scale of the requested rectangles when the source is clipped.
    QRectF dest(target.translated(m_origin));
    if (clipped != source) {
        const double sx = double(target.width()) / source.width();
        const double sy = double(target.height()) / source.height();
        dest = QRectF(dest.left() + (clipped.left() - source.left()) * sx,
                      dest.top() + (clipped.top() - source.top()) * sy,
                      clipped.width() * sx, clipped.height() * sy);
    }
    QPainter painter(&m_image);
    switch (mode) {
    case CopyMode::Plain:
        break;
    case CopyMode::And:
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        break;
    case CopyMode::Or:
        painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        break;
    }
    if (dest.size() != QSizeF(clipped.size()))
        painter.setRenderHint(QPainter::SmoothPixmapTransform, mode == CopyMode::Plain);
    painter.drawImage(dest, picture, clipped);
    touched(dest.toAlignedRect());
}

void Canvas::fillRect(const QRect &rect, QColor colour)
{
    const QRect target = rect.translated(m_origin) & m_image.rect();
    if (target.isEmpty())
        return;
    if (colour.alpha() != 255) {
        QPainter painter(&m_image);
        painter.fillRect(target, colour);
    } else {
        for (int row = target.top(); row <= target.bottom(); ++row)
            std::fill_n(reinterpret_cast<QRgb *>(m_image.scanLine(row)) + target.left(), target.width(), colour.rgb());
    }
    touched(target);
}

void Canvas::drawText(int x, int y, const QString &text, const QFont &font, QColor colour)
{
    QPainter painter(&m_image);
    painter.setFont(font);
    painter.setPen(colour);
    const QFontMetrics metrics(font, &m_image);
    const QPoint at = QPoint(x, y) + m_origin;
    painter.drawText(at.x(), at.y() + metrics.ascent(), text);
    touched(QRect(at.x(), at.y(), metrics.horizontalAdvance(text) + 2, metrics.height()));
}

int Canvas::textWidth(const QString &text, const QFont &font) const
{
    return QFontMetrics(font, &m_image).horizontalAdvance(text);
}

int Canvas::textHeight(const QFont &font) const
{
    return QFontMetrics(font, &m_image).height();
}

QRect Canvas::textInk(const QString &text, const QFont &font) const
{
    const QFontMetrics metrics(font, &m_image);
    return metrics.tightBoundingRect(text).translated(0, metrics.ascent());
}

QImage Canvas::grab(const QRect &rect) const
{
    return m_image.copy(rect.translated(m_origin));
}

QRgb Canvas::pixel(int x, int y) const
{
    const QPoint at = QPoint(x, y) + m_origin;
    return m_image.valid(at) ? m_image.pixel(at) : qRgb(0, 0, 0);
}

void Canvas::touched(const QRect &rect)
{
    // From device pixels to the window system's, widened to whole pixels.
    const double ratio = devicePixelRatioF();
    update(QRectF(rect.x() / ratio, rect.y() / ratio, rect.width() / ratio,
                  rect.height() / ratio).toAlignedRect());
}

void Canvas::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const double ratio = devicePixelRatioF();
    const QTransform toDevice = painter.deviceTransform();
    QPaintDevice *device = painter.paintEngine()->paintDevice();
    auto *window = device && device->devType() == QInternal::Image ? static_cast<QImage *>(device) : nullptr;
    // Where the window is an image of opaque 32-bit pixels and the canvas
    // lands on it unscaled, the changed rectangles are copied row by row:
    // the painter would hand rectangles of a clip with several parts to
    // helper threads, which costs more than the copy.
    const bool direct = window && toDevice.type() <= QTransform::TxScale && toDevice.m11() == ratio
        && toDevice.m22() == ratio
        && (window->format() == QImage::Format_RGB32
            || window->format() == QImage::Format_ARGB32_Premultiplied);
    if (!direct) {
        // Undo the window system's scaling so the canvas lands pixel for pixel.
        painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
        painter.setCompositionMode(QPainter::CompositionMode_Source);
    }
    const QPoint offset = toDevice.map(QPointF(0, 0)).toPoint();
    for (const QRect &rect : event->region()) {
        const QRect area = QRectF(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio,
                                  rect.height() * ratio).toAlignedRect() & m_image.rect();
        if (!direct) {
            painter.drawImage(area.topLeft(), m_image, area);
            continue;
        }
        copyRows(m_image, area.topLeft(), *window, area.topLeft() + offset, area.size(), CopyMode::Plain);
    }
}

void Canvas::resizeEvent(QResizeEvent *)
{
    const QSize pixels = (QSizeF(size()) * devicePixelRatioF()).toSize();
    if (pixels == m_image.size())
        return;
    m_image = blankImage(pixels);
    m_prepared.clear();
    if (m_shown)
        repaintNow();
}

void Canvas::showEvent(QShowEvent *)
{
    if (m_shown)
        return;
    m_shown = true;
    repaintNow();
}

void Canvas::mousePressEvent(QMouseEvent *event)
{
    emit pressed(fromWidget(event->position()));
}

void Canvas::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit pressed(fromWidget(event->position()));
}

void Canvas::keyPressEvent(QKeyEvent *event)
{
    emit keyPressed(event->key());
    QWidget::keyPressEvent(event);
}

} // namespace zand
