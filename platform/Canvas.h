#pragma once

#include <QFont>
#include <QImage>
#include <QWidget>

#include <functional>

namespace zand {

// The surface the machine is drawn on. Every drawing operation lands in the
// canvas at once, outside any paint event, so timers and animations can draw
// whenever they run; the window system only ever shows what the canvas holds.
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

    // Copies a rectangle of a picture, stretching it when the rectangles
    // differ in size. The source is clipped to the picture.
    void copy(const QImage &picture, const QRect &source, const QRect &target,
              CopyMode mode = CopyMode::Plain);
    void fillRect(const QRect &rect, QColor colour);
    // Text with a clear background; (x, y) is its top left corner.
    void drawText(int x, int y, const QString &text, const QFont &font, QColor colour);
    int textWidth(const QString &text, const QFont &font) const;
    int textHeight(const QFont &font) const;

    // Copy from the screen: what the canvas shows in this rectangle.
    QImage grab(const QRect &rect) const;
    QRgb pixel(int x, int y) const;
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
    void touched(const QRect &rect);

    QImage m_image;
    std::function<void()> m_paintHandler;
    bool m_shown = false;
};

} // namespace zand
