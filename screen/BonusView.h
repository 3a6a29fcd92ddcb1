// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Prizes.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>

namespace zand {

class Canvas;
struct Config;

// Draws the bonus screen: the vault picture centred on the screen at the
// machine's scale, a safe opening frame by frame, the prize lettered in gold
// over the open safe, and at last what every other safe held, dimmed.
class BonusView
{
public:
    static constexpr int OpeningFrames = 3; // closed, half open, open

    // Takes the vault from the theme's bonus1.jpg where it ships one.
    BonusView(Canvas &canvas, const Config &config, QSize screen);

    void paint();
    void drawSafe(int safe, int frame);
    void drawPrize(int safe, int prize);
    // Opens every safe but `chosen` and shows its prize, dimmed.
    void revealOthers(int chosen, const Prizes::Table &prizes);

    // What a safe holds, as written on it.
    static QString prizeText(int prize);
    // The prize written on each safe so far; empty while it is closed.
    const std::array<QString, Prizes::Safes> &written() const { return m_written; }

    // A safe's place on the screen, both edges included.
    QRect safeRect(int safe) const;
    QPoint pictureOrigin() const { return m_origin; }
    // A point of the vault picture on the screen.
    QPoint onScreen(QPoint onPicture) const;

private:
    void letter(const QRect &safe, const QString &text, bool dimmed);

    Canvas &m_canvas;
    const Config &m_config;
    QImage m_background;
    QImage m_safeFrames;
    QPoint m_origin;
    std::array<QString, Prizes::Safes> m_written;
};

} // namespace zand
