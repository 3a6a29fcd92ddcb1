// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LeverPull.h"

#include "game/Layout.h"
#include "platform/Clock.h"
#include "screen/MachineView.h"

namespace zand {

namespace {

// Down through every frame, a moment at the bottom, and back up.
constexpr int Frames[] = {1, 2, 3, 3, 2, 1, 0};
static_assert(Layout::LeverFrames == 4);

} // namespace

LeverPull::LeverPull(MachineView &view, Clock &clock, QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_clock(clock)
{
}

void LeverPull::pull()
{
    if (pulling())
        return;
    m_step = 1;
    m_view.drawLever(Frames[0]);
    m_clock.after(FrameMs, this, [this] { step(); });
}

void LeverPull::step()
{
    m_view.drawLever(Frames[m_step]);
    if (++m_step == int(std::size(Frames))) {
        m_step = 0;
        return;
    }
    m_clock.after(FrameMs, this, [this] { step(); });
}

} // namespace zand
