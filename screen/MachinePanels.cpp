// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's lights, buttons and panels: each drawn on its own, lit or
// dark, whenever its owner changes it.
#include "MachineView.h"

#include "game/Config.h"
#include "game/Machine.h"
#include "game/Layout.h"
#include "platform/Canvas.h"
#include "screen/Pictures.h"

#include <algorithm>

namespace zand {

namespace {

// The bonus meter's scale: 0 to 12 points, one frame of the picture each.
constexpr int MeterPoints = Machine::BonusMeterPoints;

// Lit is always the lower face of a two-face picture.
QRect face(const QImage &picture, bool lit)
{
    const int half = picture.height() / 2;
    return lit ? QRect(0, half, picture.width(), picture.height() - half)
               : QRect(0, 0, picture.width(), half);
}

} // namespace

void MachineView::drawButton(Button button, bool lit)
{
    std::optional<bool> &shown = m_buttonLit[std::size_t(button)];
    if (shown == lit)
        return;
    shown = lit;
    // The face rectangle comes from the Bet One picture for all three.
    const QRect source = face(m_pictures.betOneButton, lit);
    switch (button) {
    case Button::BetOne:
        m_canvas.copy(m_pictures.betOneButton, source, scaled(Layout::BetOneButton));
        break;
    case Button::BetMax:
        m_canvas.copy(m_pictures.betMaxButton, source, scaled(Layout::BetMaxButton));
        break;
    case Button::Spin:
        m_canvas.copy(m_pictures.spinButton, source, scaled(Layout::SpinButton));
        break;
    }
}

void MachineView::drawPanel(const QRect &design, const QImage &darkPicture, bool lit)
{
    const QRect target = scaled(design);
    if (lit)
        m_canvas.copy(m_pictures.machine, design, target);
    else
        m_canvas.copy(darkPicture, darkPicture.rect(), target);
}

void MachineView::drawMarquee(bool lit)
{
    drawPanel(Layout::Marquee, m_pictures.dimmedMarquee, lit);
}

void MachineView::drawTitleGlass(bool lit)
{
    drawPanel(Layout::TitleGlass, m_pictures.dimmedTitle, lit);
}

void MachineView::drawBadge(bool lit)
{
    drawPanel(Layout::Badge, m_pictures.dimmedBadge, lit);
}

void MachineView::drawNudgeLights(bool lit)
{
    const QImage &light = m_pictures.nudgeLight;
    const QRect source = face(light, lit);
    for (int reel = 0; reel < 3; ++reel)
        m_canvas.copy(light, source, scaled(Layout::nudgeLight(reel)));
}

void MachineView::drawMasked(const QImage &picture, const QImage &mask, const QRect &source,
                             const QRect &target)
{
    // White mask pixels keep what the screen shows; black ones let the
    // picture through.
    m_canvas.copy(mask, source, target, Canvas::CopyMode::And);
    m_canvas.copy(picture, source, target, Canvas::CopyMode::Or);
}

void MachineView::drawLineLight(int line, bool lit)
{
    const QImage *picture = nullptr;
    switch (line) {
    case 1:
        picture = &m_pictures.redLine;
        break;
    case 2:
        picture = &m_pictures.blueLine;
        break;
    case 3:
        picture = &m_pictures.greenLine;
        break;
    default:
        return;
    }
    const QRect source = face(m_pictures.redLine, lit);
    drawMasked(*picture, m_pictures.lineMask, source, scaled(Layout::lineLight(line)));
}

void MachineView::drawBonusMeter()
{
    // A saved game may hold fewer than no points: the meter shows it empty.
    const int frame = MeterPoints - std::clamp(m_machine.state().bonusPts, 0, MeterPoints);
    QRect target = scaled(Layout::BonusMeterBox);
    if (m_config.layoutWidth >= 800)
        target = QRect(target.left() + (target.width() - 78) / 2,
                       target.top() + (target.height() - 59) / 2, 78, 59);
    // The built-in nudge light holds no meter frames; what a picture lacks
    // stays black, like the counter drawn over it.
    m_canvas.fillRect(target, Qt::black);
    if (m_pictures.nudgeLight.height() >= 59)
        m_canvas.copy(m_pictures.nudgeLight, QRect(0, 59 * frame, 78, 59), target);
}

QRect MachineView::logoArea() const
{
    const int left = s(Layout::Logo.left());
    return QRect(left, left, m_pictures.logo.width(), m_pictures.logo.height());
}

void MachineView::drawLogo()
{
    drawMasked(m_pictures.logo, m_pictures.logoMask, m_pictures.logo.rect(), logoArea());
}

void MachineView::drawBackdrop()
{
    m_canvas.clear();
    const QSize size = m_canvas.pixelSize();
    if (m_pictures.backdrop.isNull())
        return;
    if (m_backdropSize != size) {
        m_backdropSize = size;
        m_backdrop.clear();
        const QRect all(QPoint(0, 0), size);
        const QRect machine = QRect(m_canvas.origin(), QSize(s(Layout::Width), s(Layout::Height))) & all;
        const QRect bands[] = {
            QRect(QPoint(0, 0), QPoint(machine.left() - 1, all.bottom())),
            QRect(QPoint(machine.right() + 1, 0), all.bottomRight()),
            QRect(QPoint(machine.left(), machine.bottom() + 1), QPoint(machine.right(), all.bottom())),
        };
        QImage cover;
        for (const QRect &band : bands) {
            if (band.isEmpty())
                continue;
            // Scaled to cover the whole canvas, its middle kept.
            if (cover.isNull())
                cover = m_pictures.backdrop.scaled(size, Qt::KeepAspectRatioByExpanding,
                                                   Qt::SmoothTransformation);
            const QPoint middle((cover.width() - size.width()) / 2, (cover.height() - size.height()) / 2);
            m_backdrop.push_back({cover.copy(band.translated(middle)).convertToFormat(QImage::Format_RGB32), band});
        }
    }
    for (const Band &band : m_backdrop)
        m_canvas.copy(band.picture, band.picture.rect(), band.place.translated(-m_canvas.origin()));
}

void MachineView::drawLever(int frame)
{
    const QImage &frames = m_pictures.leverFrames;
    const QRect area = Layout::Lever;
    if (frames.isNull())
        return;
    m_canvas.copy(frames, QRect(frame * area.width(), 0, area.width(), area.height()), scaled(area));
}

void MachineView::showAutoplay(int spinsLeft)
{
    m_autoplayLeft = spinsLeft;
    const QRect sign = scaled(Layout::AutoplaySign);
    if (spinsLeft <= 0) {
        m_canvas.copy(m_pictures.machine, Layout::AutoplaySign, sign);
        return;
    }
    m_canvas.fillRect(sign, QColor(20, 8, 8));
    const QString text = QStringLiteral("AUTO %1").arg(spinsLeft);
    const QFont font = fitted(nudgeNumberFont(), text, sign.size() - QSize(s(8), s(8)));
    const QRect ink = m_canvas.textInk(text, font);
    m_canvas.drawText(sign.center().x() - ink.width() / 2 - ink.left(),
                      sign.center().y() - ink.height() / 2 - ink.top(), text, font,
                      QColor(255, 204, 51));
}

} // namespace zand
