// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReelAnimator.h"

#include "game/Strips.h"
#include "platform/Canvas.h"
#include "screen/MachineView.h"
#include "screen/Pictures.h"

#include <QPainter>

namespace zand {

namespace {

// The landing bounce, in plain pixels below (+) or above (-) the rest
// position; the bottom rows of the reel stay out of the moving picture.
constexpr std::array<int, ReelAnimator::BounceTicks> LandingBounce = {1, 2, 1, 0, -1, -2, -1};
constexpr int LandingRowsKept = 8;
// A nudged reel bounces twice as far; its kept rows are design pixels.
constexpr std::array<int, ReelAnimator::NudgeBounceFrames> NudgeBounce = {2, 4, 2, 0, -2, -4, -2};
constexpr int NudgeRowsKept = 8;

} // namespace

ReelAnimator::ReelAnimator(MachineView &view, const Pictures &pictures)
    : m_view(view)
    , m_pictures(pictures)
{
}

void ReelAnimator::startSpin(const std::array<int, 3> &blurOffsets)
{
    m_blurOffset = blurOffsets;
}

void ReelAnimator::spinFrame(int reel, int reelTicks)
{
    switch (phaseOf(reelTicks)) {
    case Phase::Blurring:
        m_view.drawBlurredReel(reel, m_blurOffset[reel]);
        m_blurOffset[reel] -= m_view.scale(61);
        if (m_blurOffset[reel] < 0)
            m_blurOffset[reel] += m_pictures.blurHeight;
        break;
    case Phase::Landing:
        m_view.drawReel(reel);
        break;
    case Phase::Bouncing: {
        const int frame = reelTicks - LandingTick - 1;
        if (frame == 0) {
            const QRect window = m_view.reelWindow(reel);
            m_landed[reel] = m_view.canvas().grab(QRect(window.left(), window.top(), window.width(),
                                                        window.height() - LandingRowsKept));
        }
        bounceFrame(reel, m_landed[reel], LandingBounce[frame]);
        break;
    }
    case Phase::Settling:
        m_view.drawReel(reel);
        break;
    case Phase::AtRest:
        break;
    }
}

void ReelAnimator::bounceFrame(int reel, const QImage &grabbed, int offset)
{
    const QRect window = m_view.reelWindow(reel);
    m_view.canvas().copy(grabbed, grabbed.rect(),
                         grabbed.rect().translated(window.left(), window.top() + offset));
}

void ReelAnimator::startSlide(int reel, int newStop)
{
    m_reel = reel;
    const int size = m_pictures.symbolSize;
    // Four symbols from the new stop: rows 1 to 3 are what the reel shows now.
    m_slide = QImage(size, 4 * size, QImage::Format_RGB32);
    QPainter painter(&m_slide);
    for (int row = 0; row < 4; ++row) {
        const int cell = Strips::symbolAt(reel, newStop + row);
        painter.drawImage(QRect(0, row * size, size, size), m_pictures.scaledSymbolSheet,
                          QRect((cell % 4) * size, (cell / 4) * size, size, size));
    }
    m_slideTop = size;
}

void ReelAnimator::slideFrame(int move)
{
    const int size = m_pictures.symbolSize;
    m_slideTop -= m_view.scale(move < SlideMoves - 1 ? 10 : 6);
    m_view.canvas().copy(m_slide, QRect(0, m_slideTop, size, 3 * size), m_view.reelWindow(m_reel));
}

void ReelAnimator::startNudgeBounce(int reel)
{
    m_reel = reel;
    const QRect window = m_view.reelWindow(reel);
    m_landed[reel] = m_view.canvas().grab(QRect(window.left(), window.top(), window.width(),
                                                window.height() - m_view.scale(NudgeRowsKept)));
}

void ReelAnimator::nudgeBounceFrame(int frame)
{
    bounceFrame(m_reel, m_landed[m_reel], NudgeBounce[frame]);
}

void ReelAnimator::endNudgeBounce()
{
    m_view.drawReel(m_reel);
}

} // namespace zand
