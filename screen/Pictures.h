// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace zand {

struct Config;

// The machine's pictures: the built-in artwork, the theme's replacement files
// beside the executable, and the reel art scaled once for the screen.
struct Pictures
{
    // Pictures that a file beside the executable may replace.
    QImage machine;      // the machine at rest, 800 x 600
    QImage blurStrip;    // a spinning reel, 77 x 456
    QImage symbolSheet;  // 4 x 3 cells: symbols 0-7, Bonus, three Wild frames
    static constexpr int WildCells = 9; // the first of the Wild's three frames
    QImage betOneButton; // two faces each: dark above, lit below
    QImage betMaxButton;
    QImage spinButton;
    QImage nudgeLight;
    QImage dimmedMarquee;
    QImage dimmedTitle;
    QImage dimmedBadge;
    QImage backdrop;     // the wall around the machine, any size
    QImage leverFrames;  // Layout::LeverFrames side by side; none for a theme's own machine

    // Pictures that are always the built-in ones.
    QImage logo;
    QImage logoMask;
    QImage redLine;
    QImage blueLine;
    QImage greenLine;
    QImage lineMask;
    QImage digitsSmall; // red
    QImage greenSmall;
    QImage digitsLarge;
    QImage greenLarge;

    // Made for the screen by prepareReelArt.
    QImage scaledBlurStrip;
    QImage scaledSymbolSheet;
    int symbolSize = 76;
    int reelLeft = 258;
    int reelTop = 272;
    int reelPitch = 104;
    int blurHeight = 456;

    // Problems met on the way (a theme file that would not decode); the game
    // goes on with the built-in picture.
    QStringList warnings;

    // Loads the built-in artwork, then every replacement file that exists.
    void load(const Config &config);

    // Scales the blurred strip and the symbol sheet for the screen, choosing a
    // sheet drawn for this screen width where the theme has one.
    void prepareReelArt(const Config &config);

    // A built-in picture by its name in the game's list of assets.
    static QImage builtIn(const char *name);

    // A theme's picture file; when it will not decode, a null picture and a
    // line in `warnings` naming the file and the fault.
    static QImage loadThemePicture(const QString &path, QStringList &warnings);
    // Tells the player on standard error which pictures stayed built in.
    static void report(const QStringList &warnings);

private:
    void replaceFrom(const Config &config, const QString &fileName, QImage &picture);
};

} // namespace zand
