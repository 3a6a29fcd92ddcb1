#pragma once

#include <QImage>

#include <array>

namespace artgen {

// The sizes a desktop asks for, from menus to large tiles.
inline constexpr std::array<int, 8> IconSizes{16, 22, 24, 32, 48, 64, 128, 256};

// The desktop icon at size x size pixels on a transparent ground: a red
// lacquered tile in gold trim with the Lucky Seven in a reel window. Each
// size is drawn for itself, with less detail where pixels are few.
QImage desktopIcon(int size);

} // namespace artgen
