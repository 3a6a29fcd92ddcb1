#pragma once

// The names of the files the game is built with: the built-in pictures that
// the art generator draws and the program carries inside it, and the sounds
// and songs the sound generator writes beside the executable. The build reads
// this list too (each name a quoted string on a line of its own), so a new
// file is named here once.
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
inline constexpr const char *Bonus = "bonus.jpg";
inline constexpr const char *Safes = "safes.jpg";

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
