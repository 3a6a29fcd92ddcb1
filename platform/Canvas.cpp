#include "Canvas.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace zand {

Canvas::Canvas(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    m_image = blankImage(QSize(1, 1));
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
    QPainter painter(&m_image);
    painter.fillRect(rect.translated(m_origin), colour);
    touched(rect.translated(m_origin));
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
    // Undo the window system's scaling so the canvas lands pixel for pixel.
    const double ratio = devicePixelRatioF();
    QPainter painter(this);
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    const QRect area = QRectF(event->rect().x() * ratio, event->rect().y() * ratio,
                              event->rect().width() * ratio, event->rect().height() * ratio)
                           .toAlignedRect() & m_image.rect();
    painter.drawImage(area.topLeft(), m_image, area);
}

void Canvas::resizeEvent(QResizeEvent *)
{
    const QSize pixels = (QSizeF(size()) * devicePixelRatioF()).toSize();
    if (pixels == m_image.size())
        return;
    m_image = blankImage(pixels);
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
