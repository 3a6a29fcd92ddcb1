// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MachineView.h"

#include "game/Config.h"
#include "game/Machine.h"
#include "game/Layout.h"
#include "game/Strips.h"
#include "platform/Canvas.h"
#include "screen/Fonts.h"
#include "screen/Pictures.h"

#include <algorithm>

namespace zand {

MachineView::MachineView(Canvas &canvas, const Config &config, const Machine &machine,
                         const Pictures &pictures)
    : m_canvas(canvas)
    , m_config(config)
    , m_machine(machine)
    , m_pictures(pictures)
{
    // The canvas carries the connections: they go with the window.
    QObject::connect(&machine, &Machine::creditsChanged, &canvas, [this] { showCredits(); });
    QObject::connect(&machine, &Machine::coinsChanged, &canvas, [this] { showBet(); });
    QObject::connect(&machine, &Machine::nudgesChanged, &canvas, [this] { drawNudgeCounter(); });
    QObject::connect(&machine, &Machine::winningsChanged, &canvas,
                     [this](int counted) { showWinnings(counted); });
    QObject::connect(&machine, &Machine::bonusMeterChanged, &canvas, [this] { drawBonusMeter(); });
    QObject::connect(&machine, &Machine::gameReplaced, &canvas, [&canvas] {
        if (canvas.isVisible())
            canvas.repaintNow();
    });
}

int MachineView::scale(int v) const
{
    return m_config.scale(v);
}

QRect MachineView::scaled(int left, int top, int right, int bottom) const
{
    return QRect(QPoint(s(left), s(top)), QPoint(s(right) - 1, s(bottom) - 1));
}

QRect MachineView::scaled(const QRect &design) const
{
    return scaled(design.left(), design.top(), design.left() + design.width(),
                  design.top() + design.height());
}

void MachineView::paint()
{
    const QImage &machine = m_pictures.machine;
    // A screen wider than 4:3 shows the machine in the middle, the backdrop
    // either side; a taller one shows it below.
    const int spare = m_canvas.pixelSize().width() - m_config.layoutWidth;
    m_canvas.setOrigin(QPoint(std::max(0, spare / 2), 0));
    drawBackdrop();
    m_buttonLit = {};
    m_canvas.copy(machine, machine.rect(), QRect(0, 0, s(machine.width()), s(machine.height())));
    for (int reel = 0; reel < 3; ++reel)
        drawReel(reel);
    showCredits();
    showBet();
    drawCaption(QStringLiteral("Credits"), Layout::CreditsRight, true);
    drawWinningsCaption();
    drawBonusMeter();
    drawButton(Button::BetOne, true);
    drawButton(Button::BetMax, true);
    drawButton(Button::Spin, true);
    drawNudgeCounter();
    drawNudgeLights(false);
    drawLogo();
    showAutoplay(m_autoplayLeft);
}

// Display captions: 10 points, bold on a low-resolution screen; 8 points and
// regular on a small one.
QFont MachineView::captionFont() const
{
    if (m_config.layoutWidth < 900)
        return gameFont(8);
    QFont font = gameFont(10);
    font.setBold(m_config.logicalDpi < 100);
    return font;
}

// The Nudges counter is bold throughout, in three sizes by the layout width.
QFont MachineView::counterFont(int small, int medium, int large) const
{
    const int width = m_config.layoutWidth;
    QFont font = gameFont(width < 800 ? small : width > 900 ? large : medium);
    font.setBold(true);
    return font;
}

QFont MachineView::nudgeCaptionFont() const
{
    return counterFont(8, 10, 12);
}

QFont MachineView::nudgeNumberFont() const
{
    return counterFont(14, 18, 24);
}

// Point sizes grow with the density and the machine with the screen: on a
// small, dense screen a caption would outgrow its box, and is drawn smaller.
QFont MachineView::fitted(QFont font, const QString &text, QSize box) const
{
    for (int step = 0; step < 40; ++step) {
        const QRect ink = m_canvas.textInk(text, font);
        if (ink.width() <= box.width() && ink.bottom() < box.height())
            break;
        font.setPointSizeF(font.pointSizeF() * 0.95);
    }
    return font;
}

// A display's caption stands between the top of the panel and its digits.
// The three captions are fitted as one, so a word that reaches lower (the g
// of Winnings) is not drawn smaller than the others. Its ground is made
// black first: letters drawn over themselves would thicken.
void MachineView::drawCaption(const QString &text, int x, bool rightEnd)
{
    const int top = s(Layout::CaptionTop);
    const int height = s(Layout::DigitsTop) - top;
    const QFont font = fitted(captionFont(), QStringLiteral("Coins Winnings Credits"),
                              QSize(s(Layout::Width), height));
    const int width = m_canvas.textWidth(text, font);
    const int left = rightEnd ? s(x) - width : s(x);
    m_canvas.fillRect(QRect(left, top, width + 2, height), Qt::black);
    m_canvas.drawText(left, top, text, font, Qt::white);
}

void MachineView::drawWinningsCaption()
{
    drawCaption(QStringLiteral("Winnings"), Layout::WinningsRight, true);
}

// Each display has the panel from its anchor to its neighbour: Credits
// reach left to the end of the Winnings area, the coins bet right to it.
void MachineView::showCredits()
{
    const int winningsEnd = Layout::WinningsArea.left() + Layout::WinningsArea.width();
    drawNumber(numberDisplay(winningsEnd, Layout::CreditsRight, true, true), m_machine.state().credits,
               s(Layout::CreditsRight));
}

void MachineView::showBet()
{
    blankWinnings();
    drawNumber(numberDisplay(Layout::CoinsLeft, Layout::WinningsArea.left(), true, false),
               m_machine.state().bet, s(Layout::CoinsLeft));
}

void MachineView::showWinnings(int amount)
{
    // Room up to the coins bet's blank cell, which ends by x 300 on any screen.
    drawNumber(numberDisplay(300, Layout::WinningsRight, false, true), amount,
               s(Layout::WinningsRight));
}

void MachineView::blankWinnings()
{
    m_canvas.fillRect(scaled(Layout::WinningsArea), Qt::black);
    drawCaption(QStringLiteral("Coins"), Layout::CoinsLeft, false);
}

NumberDisplay MachineView::numberDisplay(int roomLeft, int roomRight, bool green,
                                         bool rightAligned) const
{
    NumberDisplay display = NumberDisplay::sizedFor(m_config.layoutWidth, 1);
    display.room = s(roomRight) - s(roomLeft);
    display.green = green;
    display.rightAligned = rightAligned;
    return display;
}

void MachineView::drawNumber(const NumberDisplay &display, int number, int anchorX)
{
    // The whole display goes black first: a number drawn smaller to fit
    // may have covered more of it than one cell beyond the new one.
    const int top = s(Layout::DigitsTop);
    m_canvas.fillRect(QRect(display.rightAligned ? anchorX - display.room : anchorX, top,
                            display.room, display.cell.height()),
                      Qt::black);
    display.draw(m_canvas, m_pictures, number, QPoint(anchorX, top));
}

void MachineView::drawNudgeCounter()
{
    const QRect panel = scaled(Layout::NudgeCounter);
    m_canvas.fillRect(panel, Qt::black);
    // Each line keeps inside the panel, down to the next line or its foot.
    const auto centred = [&](const QString &text, const QFont &font, int top, int bottom,
                             QColor colour) {
        const QFont shown = fitted(font, text, QSize(panel.width() - 2, bottom - s(top)));
        m_canvas.drawText(s(Layout::NudgeCounterCentre) - m_canvas.textWidth(text, shown) / 2,
                          s(top), text, shown, colour);
    };
    centred(QStringLiteral("Nudges"), nudgeCaptionFont(), Layout::NudgeCaptionTop,
            s(Layout::NudgeNumberTop), Qt::yellow);
    centred(QString::number(m_machine.state().nudges), nudgeNumberFont(), Layout::NudgeNumberTop,
            panel.bottom() + 1, Qt::red);
}

QRect MachineView::reelWindow(int reel) const
{
    const Pictures &p = m_pictures;
    return QRect(p.reelLeft + reel * p.reelPitch, p.reelTop, p.symbolSize, 3 * p.symbolSize);
}

void MachineView::drawCell(int reel, int row, int cell)
{
    const int size = m_pictures.symbolSize;
    const QRect source((cell % 4) * size, (cell / 4) * size, size, size);
    const QRect window = reelWindow(reel);
    m_canvas.copy(m_pictures.scaledSymbolSheet, source,
                  QRect(window.left(), window.top() + row * size, size, size));
}

void MachineView::drawReel(int reel)
{
    const auto symbols = Strips::visible(reel, m_machine.state().reelStops[reel]);
    for (int row = 0; row < 3; ++row)
        drawCell(reel, row, symbols[row]);
}

void MachineView::drawBlurredReel(int reel, int offset)
{
    const QImage &strip = m_pictures.scaledBlurStrip;
    const QRect window = reelWindow(reel);
    const int height = window.height();
    const int blurHeight = m_pictures.blurHeight;
    if (offset + height <= blurHeight) {
        m_canvas.copy(strip, QRect(0, offset, window.width(), height), window);
        return;
    }
    // The strip is a loop: its end, then its beginning.
    const int first = blurHeight - offset;
    m_canvas.copy(strip, QRect(0, offset, window.width(), first),
                  QRect(window.left(), window.top(), window.width(), first));
    m_canvas.copy(strip, QRect(0, 0, window.width(), height - first),
                  QRect(window.left(), window.top() + first, window.width(), height - first));
}

} // namespace zand
