// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The names of the files the game is built with: the built-in pictures that
// the art generator draws and the program carries inside it, and the sounds
// and songs the sound generator writes beside the executable. The build reads
// this list too (each name a quoted string on a line of its own), so a new
// file is named here once.

#include <array>

namespace zand::Assets {

// Built-in pictures.
inline constexpr const char *Machine = "machine.jpg";
inline constexpr const char *BlurStrip = "motion.jpg";
inline constexpr const char *SymbolSheet = "symbols.jpg";
inline constexpr const char *BetOneButton = "bet1but.jpg";
inline constexpr const char *BetMaxButton = "bet5but.jpg";
inline constexpr const char *SpinButton = "spinbut.jpg";
inline constexpr const char *NudgeLight = "nudgelight.jpg";
inline constexpr const char *DimmedMarquee = "dimmed.jpg";
inline constexpr const char *DimmedTitle = "dimmed2.jpg";
inline constexpr const char *DimmedBadge = "bet1bdimmed.jpg";
inline constexpr const char *Logo = "logo.png";
inline constexpr const char *LogoMask = "logomask.png";
inline constexpr const char *RedLine = "red.png";
inline constexpr const char *BlueLine = "blue.png";
inline constexpr const char *GreenLine = "green.png";
inline constexpr const char *LineMask = "mask.png";
inline constexpr const char *DigitsSmall = "digitssmall.png";
inline constexpr const char *GreenSmall = "greensmall.png";
inline constexpr const char *DigitsLarge = "digitslarge.png";
inline constexpr const char *GreenLarge = "greenlarge.png";
// The lever from at rest to pulled down, frames side by side.
inline constexpr const char *Lever = "lever.jpg";
inline constexpr const char *Bonus = "bonus.jpg";
// The wall behind the machine, in the room a wide or tall screen leaves.
inline constexpr const char *Backdrop = "backdrop.jpg";
inline constexpr const char *Safes = "safes.jpg";
inline constexpr const char *PayChart = "paychart.jpg";
// The borrow dialog's amount buttons.
inline constexpr const char *Chip1000 = "chip1000.png";
inline constexpr const char *Chip100 = "chip100.png";
inline constexpr const char *Chip10 = "chip10.png";
inline constexpr const char *Chip1 = "chip1.png";
// The dialogs' button glyphs, and twice their size for dense screens.
inline constexpr const char *GlyphOk = "glyph_ok.png";
inline constexpr const char *GlyphOk2x = "glyph_ok@2x.png";
inline constexpr const char *GlyphHelp = "glyph_help.png";
inline constexpr const char *GlyphHelp2x = "glyph_help@2x.png";
inline constexpr const char *GlyphCancel = "glyph_cancel.png";
inline constexpr const char *GlyphCancel2x = "glyph_cancel@2x.png";
// The desktop icons, one drawn for each size.
inline constexpr const char *Icon16 = "icon16.png";
inline constexpr const char *Icon22 = "icon22.png";
inline constexpr const char *Icon24 = "icon24.png";
inline constexpr const char *Icon32 = "icon32.png";
inline constexpr const char *Icon48 = "icon48.png";
inline constexpr const char *Icon64 = "icon64.png";
inline constexpr const char *Icon128 = "icon128.png";
inline constexpr const char *Icon256 = "icon256.png";
inline constexpr std::array<int, 8> IconSizes = {16, 22, 24, 32, 48, 64, 128, 256};
inline constexpr std::array<const char *, 8> Icons = {Icon16, Icon22, Icon24, Icon32,
                                                      Icon48, Icon64, Icon128, Icon256};

// The lettering of the machine and its screens (Debian's fonts-dejavu-core).
inline constexpr const char *FontFamily = "DejaVu Sans";

// The theme's sounds and songs: the theme's prefix (its SoundRoot) followed
// by these endings.
inline constexpr const char *DefaultSoundRoot = "Zand";
inline constexpr const char *StopSound = "0.wav";
inline constexpr const char *CoinSound = "1.wav";
inline constexpr const char *TallySound = "3.wav";
inline constexpr const char *SafeSound = "5.wav";
inline constexpr const char *WelcomeSound = "7.wav";
inline constexpr const char *WinSound = "Win.wav";
inline constexpr int Tracks = 5;
inline constexpr const char *TrackEnding = ".mid"; // after the track's number 0 to 4

} // namespace zand::Assets
