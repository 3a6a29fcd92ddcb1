// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screen/NumberDisplay.h"

#include <QFont>
#include <QImage>
#include <QRect>

#include <array>
#include <optional>
#include <vector>

namespace zand {

class Canvas;
struct Config;
class Machine;
struct Pictures;

// Draws the machine: the whole of it on a paint, and each element on its own
// whenever the game changes it. Positions are design coordinates of the
// 800 x 600 machine, scaled to the screen.
class MachineView
{
public:
    // It follows the machine's changes by itself.
    MachineView(Canvas &canvas, const Config &config, const Machine &machine,
                const Pictures &pictures);

    void paint();

    void showCredits();
    void showBet();
    void showWinnings(int amount);
    void blankWinnings();
    void drawWinningsCaption();

    enum class Button { BetOne, BetMax, Spin };
    void drawButton(Button button, bool lit);
    void drawMarquee(bool lit);
    void drawTitleGlass(bool lit);
    void drawBadge(bool lit);
    void drawNudgeLights(bool lit);
    void drawLineLight(int line, bool lit);
    void drawBonusMeter();
    void drawNudgeCounter();
    void drawLogo();
    // The lever at a frame of its pull, 0 at rest. A theme's machine without
    // a lever picture of its own keeps its lever still.
    void drawLever(int frame);
    // "AUTO n" while an autoplay run has n spins to come; none at zero.
    void showAutoplay(int spinsLeft);
    // The logo chip on the window: the picture at its own size, in the
    // scaled corner. A click on it opens the games page.
    QRect logoArea() const;

    // Reels: at rest, spinning (a window onto the blurred strip), and one
    // cell of the symbol sheet in a reel's row (the animated Wild).
    void drawReel(int reel);
    void drawBlurredReel(int reel, int offset);
    void drawCell(int reel, int row, int cell);
    QRect reelWindow(int reel) const;

    // The digits' cells: 16 x 21 below a layout width of 1000, 32 x 42 from
    // there, whatever the density.
    NumberDisplay numberDisplay(int roomLeft, int roomRight, bool green, bool rightAligned) const;

    Canvas &canvas() { return m_canvas; }
    int scale(int v) const;
    QRect scaled(int left, int top, int right, int bottom) const;
    QRect scaled(const QRect &design) const;
    QFont captionFont() const;
    QFont nudgeCaptionFont() const;
    QFont nudgeNumberFont() const;

private:
    QFont counterFont(int small, int medium, int large) const;
    QFont fitted(QFont font, const QString &text, QSize box) const;
    void drawNumber(const NumberDisplay &display, int number, int anchorX);
    void drawCaption(const QString &text, int x, bool rightEnd);
    void drawBackdrop();
    void drawPanel(const QRect &design, const QImage &darkPicture, bool lit);
    void drawMasked(const QImage &picture, const QImage &mask, const QRect &source,
                    const QRect &target);
    int s(int v) const { return scale(v); }

    Canvas &m_canvas;
    const Config &m_config;
    const Machine &m_machine;
    const Pictures &m_pictures;
    int m_autoplayLeft = 0;
    // How each button shows now: the lights redraw them several times a
    // second, mostly unchanged.
    std::array<std::optional<bool>, 3> m_buttonLit{};
    // The backdrop where the machine leaves room, cut once per canvas size
    // from the picture scaled to cover the canvas: only the bands are kept.
    struct Band
    {
        QImage picture;
        QRect place; // in the canvas's pixels
    };
    std::vector<Band> m_backdrop;
    QSize m_backdropSize;
};

} // namespace zand
