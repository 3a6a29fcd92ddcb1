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
    // A screen wider than 4:3 shows the machine in the middle, black bands
    // either side.
    const int spare = m_canvas.pixelSize().width() - m_config.layoutWidth;
    m_canvas.setOrigin(QPoint(std::max(0, spare / 2), 0));
    m_canvas.clear();
    m_canvas.copy(machine, machine.rect(), QRect(0, 0, s(machine.width()), s(machine.height())));
    for (int reel = 0; reel < 3; ++reel)
        drawReel(reel);
    showCredits();
    showBet();
    drawCaption(QStringLiteral("Credits"), Layout::CreditsRight, Layout::CaptionTop, true);
    drawCaption(QStringLiteral("Coins"), Layout::CoinsLeft, Layout::CaptionTop, false);
    drawWinningsCaption();
    drawBonusMeter();
    drawButton(Button::BetOne, true);
    drawButton(Button::BetMax, true);
    drawButton(Button::Spin, true);
    drawNudgeCounter();
    drawNudgeLights(false);
    drawLogo();
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

void MachineView::drawCaption(const QString &text, int x, int anchorY, bool rightEnd)
{
    const QFont font = captionFont();
    const int left = rightEnd ? s(x) - m_canvas.textWidth(text, font) : s(x);
    m_canvas.drawText(left, s(anchorY), text, font, Qt::white);
}

void MachineView::drawWinningsCaption()
{
    drawCaption(QStringLiteral("Winnings"), Layout::WinningsRight, Layout::CaptionTop, true);
}

void MachineView::showCredits()
{
    drawNumber(m_canvas, m_pictures, m_config.layoutWidth, m_machine.state().credits, s(Layout::CreditsRight),
               s(Layout::DigitsTop), true, true);
}

void MachineView::showBet()
{
    blankWinnings();
    drawNumber(m_canvas, m_pictures, m_config.layoutWidth, m_machine.state().bet, s(Layout::CoinsLeft),
               s(Layout::DigitsTop), true, false);
}

void MachineView::showWinnings(int amount)
{
    drawNumber(m_canvas, m_pictures, m_config.layoutWidth, amount, s(Layout::WinningsRight),
               s(Layout::DigitsTop), false, true);
}

void MachineView::blankWinnings()
{
    m_canvas.fillRect(scaled(Layout::WinningsArea), Qt::black);
    drawCaption(QStringLiteral("Coins"), Layout::CoinsLeft, Layout::CaptionTop, false);
}

void MachineView::drawNumber(Canvas &target, const Pictures &pictures, int layoutWidth,
                             int number, int x, int y, bool green, bool rightAligned)
{
    const QString text = QString::number(number).left(10);
    const bool small = layoutWidth < 1000;
    const int w = small ? 16 : 32;
    const int h = small ? 21 : 42;
    const int length = static_cast<int>(text.size());
    if (rightAligned)
        x -= length * w;
    // One cell more than the digits on the far side wipes a digit that a
    // shorter number no longer covers.
    const QRect blank = rightAligned ? QRect(x - w, y, (length + 1) * w, h)
                                     : QRect(x, y, (length + 1) * w, h);
    target.fillRect(blank, Qt::black);
    const QImage &font = green ? (small ? pictures.greenSmall : pictures.greenLarge)
                               : (small ? pictures.digitsSmall : pictures.digitsLarge);
    for (const QChar c : text) {
        const int digit = c.digitValue();
        if (digit >= 0)
            target.copy(font, QRect(digit * w, 0, w, h), QRect(x, y, w, h));
        x += w;
    }
}

void MachineView::drawNudgeCounter()
{
    m_canvas.fillRect(scaled(Layout::NudgeCounter), Qt::black);
    const auto centred = [this](const QString &text, const QFont &font, int top, QColor colour) {
        m_canvas.drawText(s(Layout::NudgeCounterCentre) - m_canvas.textWidth(text, font) / 2,
                          s(top), text, font, colour);
    };
    centred(QStringLiteral("Nudges"), nudgeCaptionFont(), Layout::NudgeCaptionTop, Qt::yellow);
    centred(QString::number(m_machine.state().nudges), nudgeNumberFont(), Layout::NudgeNumberTop, Qt::red);
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
