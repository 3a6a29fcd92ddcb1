// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>

// Where everything sits on the machine, in design coordinates of the 800 by
// 600 machine picture. The art generator draws its pictures to these places
// and the game draws and takes clicks at them, so they are written once, here.
namespace zand::Layout {

inline constexpr int Width = 800;
inline constexpr int Height = 600;

// The number displays across the top: the picture leaves the panel black.
inline constexpr QRect DisplayPanel(230, 18, 410, 66);
inline constexpr int DigitsTop = 38;
inline constexpr int CaptionTop = 24;
inline constexpr int CreditsRight = 620; // credits end here
inline constexpr int CoinsLeft = 250;    // the coins bet start here
inline constexpr int WinningsRight = 440;
// Cleared before the coins are shown: the winnings display.
inline constexpr QRect WinningsArea(320, 38, 130, 32);

// The column of buttons at the right, top to bottom; the bonus meter box
// also holds the Nudges counter.
inline constexpr QRect BonusMeterBox(578, 223, 78, 59);
inline constexpr QRect SpinButton(577, 293, 78, 59);
inline constexpr QRect BetOneButton(577, 362, 78, 59);
inline constexpr QRect BetMaxButton(577, 432, 78, 59);
inline constexpr QRect NudgeCounter(580, 230, 74, 46);
inline constexpr int NudgeCounterCentre = 617;
inline constexpr int NudgeCaptionTop = 232;
inline constexpr int NudgeNumberTop = 250;

// The reels: three windows one symbol wide and three high.
inline constexpr int ReelLeft = 258;
inline constexpr int ReelTop = 272;
inline constexpr int ReelPitch = 104;
inline constexpr int SymbolSize = 76;
constexpr QRect reelWindow(int reel)
{
    return QRect(ReelLeft + ReelPitch * reel, ReelTop, SymbolSize, 3 * SymbolSize);
}

// The NUDGE light over each reel; a click on it nudges that reel.
constexpr QRect nudgeLight(int reel)
{
    return QRect(260 + ReelPitch * reel, 246, 72, 17);
}

// The payline lights of lines 1 (middle), 2 (top) and 3 (bottom).
inline constexpr int LineLightWidth = 318;
inline constexpr int LineLightHeight = 14;
constexpr QRect lineLight(int line)
{
    const int top = line == 1 ? 377 : line == 2 ? 301 : 453;
    return QRect(241, top, LineLightWidth, LineLightHeight);
}

// The panels that light up and go dark.
inline constexpr QRect Marquee(247, 98, 302, 143);
inline constexpr QRect TitleGlass(221, 551, 436, 49);
inline constexpr QRect Badge(560, 99, 84, 85);
// A click on the badge bets one coin; its zone is a little smaller than
// the badge. Click zones take in both edges: x from left to left + width.
inline constexpr QRect BadgeZone(560, 99, 83, 82);

// The sign that counts down an autoplay run, over the speaker grille.
inline constexpr QRect AutoplaySign(664, 24, 112, 50);

// The lever at the cabinet's side, its ball, rod and mount; a press on it
// spins. Its picture has this many frames from at rest to pulled down.
inline constexpr QRect Lever(694, 100, 84, 286);
inline constexpr int LeverFrames = 4;

// The logo chip in the top left corner; a click on it opens the games page.
inline constexpr QRect Logo(10, 10, 125, 70);

// The bonus screen: a 640 by 480 vault with eight safes in two columns.
namespace Bonus {
inline constexpr int Width = 640;
inline constexpr int Height = 480;
inline constexpr int SafeSize = 76;
// The top left corner of safe 0 to 7, numbered row by row.
constexpr QPoint safeCorner(int safe)
{
    return QPoint(443 + 101 * (safe % 2), 63 + 95 * (safe / 2));
}
} // namespace Bonus

} // namespace zand::Layout
