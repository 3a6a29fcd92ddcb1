// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>

#include <array>

namespace zand {

class MachineView;
struct Pictures;

// How the reels move on the screen: the blur of a spinning reel, its landing
// with a small bounce, and a nudge's slide down one symbol with its bounce.
// The animator only draws; the sequencers in reels/ pace its frames and
// play the sounds.
class ReelAnimator
{
public:
    // A reel's part in a spin, by the ticks since it started turning.
    enum class Phase {
        Blurring, // a window onto the blurred strip
        Landing,  // the symbols where it stops
        Bouncing, // the landed reel, shifted a little down and up
        Settling, // drawn whole once, at rest
        AtRest,   // nothing more to draw
    };
    static constexpr int LandingTick = 21;
    static constexpr int BounceTicks = 7;
    // Each reel lands this many ticks after the one to its left.
    static constexpr int ReelDelay = 9;

    static constexpr int ticksOf(int tick, int reel) { return tick - ReelDelay * reel; }
    static constexpr Phase phaseOf(int reelTicks)
    {
        if (reelTicks < LandingTick)
            return Phase::Blurring;
        if (reelTicks == LandingTick)
            return Phase::Landing;
        if (reelTicks <= LandingTick + BounceTicks)
            return Phase::Bouncing;
        return reelTicks == LandingTick + BounceTicks + 1 ? Phase::Settling : Phase::AtRest;
    }

    // A nudge slides the reel in this many moves and bounces in as many frames.
    static constexpr int SlideMoves = 8;
    static constexpr int NudgeBounceFrames = 7;

    ReelAnimator(MachineView &view, const Pictures &pictures);

    // A spin: where each reel's blurred strip starts.
    void startSpin(const std::array<int, 3> &blurOffsets);
    // Draws what the reel shows `reelTicks` ticks into the spin.
    void spinFrame(int reel, int reelTicks);

    // A nudge of `reel` to `newStop`, one symbol down.
    void startSlide(int reel, int newStop);
    void slideFrame(int move);
    void startNudgeBounce(int reel);
    void nudgeBounceFrame(int frame);
    // The reel at rest, whole: the lowered frames covered some rows below it.
    void endNudgeBounce();

private:
    void bounceFrame(int reel, const QImage &grabbed, int offset);

    MachineView &m_view;
    const Pictures &m_pictures;
    std::array<int, 3> m_blurOffset{};
    std::array<QImage, 3> m_landed; // each reel as it landed, for its bounce
    int m_reel = 0;                 // the reel a nudge moves
    QImage m_slide;                 // four symbols from the nudge's new stop
    int m_slideTop = 0;
};

} // namespace zand
