#include "Canvas.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zand {

Canvas::Canvas(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    m_image = QImage(1, 1, QImage::Format_RGB32);
    m_image.fill(Qt::black);
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

void Canvas::copy(const QImage &picture, const QRect &source, const QRect &target, CopyMode mode)
{
    const QRect clipped = source & picture.rect();
    if (clipped.isEmpty() || target.isEmpty())
        return;
    // Keep the scale of the requested rectangles when the source is clipped.
    QRectF dest(target);
    if (clipped != source) {
        const double sx = double(target.width()) / source.width();
        const double sy = double(target.height()) / source.height();
        dest = QRectF(target.left() + (clipped.left() - source.left()) * sx,
                      target.top() + (clipped.top() - source.top()) * sy,
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
    QPainter painter(&m_image);
    painter.fillRect(rect, colour);
    touched(rect);
}

void Canvas::drawText(int x, int y, const QString &text, const QFont &font, QColor colour)
{
    QPainter painter(&m_image);
    painter.setFont(font);
    painter.setPen(colour);
    const QFontMetrics metrics(font);
    painter.drawText(x, y + metrics.ascent(), text);
    touched(QRect(x, y, metrics.horizontalAdvance(text) + 2, metrics.height()));
}

int Canvas::textWidth(const QString &text, const QFont &font) const
{
    return QFontMetrics(font).horizontalAdvance(text);
}

int Canvas::textHeight(const QFont &font) const
{
    return QFontMetrics(font).height();
}

QImage Canvas::grab(const QRect &rect) const
{
    return m_image.copy(rect);
}

QRgb Canvas::pixel(int x, int y) const
{
    return m_image.valid(x, y) ? m_image.pixel(x, y) : qRgb(0, 0, 0);
}

void Canvas::touched(const QRect &rect)
{
    update(rect);
}

void Canvas::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}

void Canvas::resizeEvent(QResizeEvent *)
{
    if (size() == m_image.size())
        return;
    m_image = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_image.fill(Qt::black);
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
    emit pressed(event->position().toPoint());
}

void Canvas::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit pressed(event->position().toPoint());
}

void Canvas::keyPressEvent(QKeyEvent *event)
{
    emit keyPressed(event->key());
    QWidget::keyPressEvent(event);
}

} // namespace zand
