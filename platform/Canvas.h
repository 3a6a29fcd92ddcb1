// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CanvasZone.h"
#include "platform/PreparedPictures.h"

#include <QFont>
#include <QImage>
#include <QWidget>

#include <functional>

namespace zand {

// The surface the machine is drawn on. Every drawing operation lands in the
// canvas at once, outside any paint event, so timers and animations can draw
// whenever they run; the window system only ever shows what the canvas holds.
//
// The canvas holds the screen's device pixels and is shown 1:1, so pictures
// stay as sharp on a scaled desktop as at 100 %. Drawing coordinates are
// device pixels counted from the origin, where the machine's top left corner
// lies; mouse presses come back in the same coordinates.
class Canvas : public QWidget
{
    Q_OBJECT

public:
    enum class CopyMode { Plain, And, Or };

    explicit Canvas(QWidget *parent = nullptr);

    // Runs when the whole machine must be drawn again: the first show, a
    // change of size and a repaint the game asks for.
    void setPaintHandler(std::function<void()> handler);
    void repaintNow();

    // Where drawing coordinate (0, 0) lies on the canvas, in device pixels.
    void setOrigin(QPoint origin);
    QPoint origin() const { return m_origin; }
    // The canvas in device pixels, and the part of the drawing coordinates
    // it shows.
    QSize pixelSize() const { return m_image.size(); }
    QRect shownArea() const { return QRect(-m_origin, m_image.size()); }
    // A press at this widget position, in drawing coordinates.
    QPoint fromWidget(QPointF position) const;

    // Fills the whole canvas black, wherever the origin lies.
    void clear();
    // Copies a rectangle of a picture, stretching it when the rectangles
    // differ in size. The source is clipped to the picture.
    void copy(const QImage &picture, const QRect &source, const QRect &target,
              CopyMode mode = CopyMode::Plain);
    void fillRect(const QRect &rect, QColor colour);
    // Text with a clear background; (x, y) is its top left corner. Point
    // sizes follow the screen's real density.
    void drawText(int x, int y, const QString &text, const QFont &font, QColor colour);
    int textWidth(const QString &text, const QFont &font) const;
    int textHeight(const QFont &font) const;
    // Where the text's letters really fall, from the (x, y) drawText is given.
    QRect textInk(const QString &text, const QFont &font) const;

    // What assistive technology sees of the drawing: its buttons and numbers
    // (set through AccessibleCanvas::describe).
    void setZones(CanvasZones zones);
    std::vector<CanvasZone> zones() const;

    // Copy from the screen: what the canvas shows in this rectangle.
    QImage grab(const QRect &rect) const;
    QRgb pixel(int x, int y) const;
    // The whole canvas, device pixels from its top left corner.
    const QImage &image() const { return m_image; }

signals:
    void pressed(QPoint position);
    void keyPressed(int key);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QImage blankImage(QSize size) const;
    void blit(const QImage &picture, const QRect &source, QPoint at, CopyMode mode);
    void paintCopy(const QImage &picture, const QRect &source, const QRect &clipped,
                   const QRect &target, CopyMode mode);
    void touched(const QRect &rect);

    QImage m_image;
    PreparedPictures m_prepared;
    QPoint m_origin;
    std::function<void()> m_paintHandler;
    CanvasZones m_zones;
    bool m_shown = false;
};

} // namespace zand
