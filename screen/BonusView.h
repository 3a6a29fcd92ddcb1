#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace zand {

class Canvas;
struct Config;

// Draws the bonus screen: the vault picture centred on the screen, a safe
// opening frame by frame, and the prize written over the open safe.
class BonusView
{
public:
    static constexpr int OpeningFrames = 3; // closed, half open, open

    // Takes the vault from the theme's bonus1.jpg where it ships one.
    BonusView(Canvas &canvas, const Config &config, QSize screen);

    void paint();
    void drawSafe(int safe, int frame);
    void drawPrize(int safe, const QString &text);

    // A safe's place on the screen, both edges included.
    QRect safeRect(int safe) const;
    QPoint pictureOrigin() const { return m_origin; }

private:
    Canvas &m_canvas;
    QImage m_background;
    QImage m_safeFrames;
    QPoint m_origin;
};

} // namespace zand
