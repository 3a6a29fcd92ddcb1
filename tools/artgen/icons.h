// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include "game/Assets.h"

#include <array>

namespace artgen {

// The sizes a desktop asks for, from menus to large tiles.
using zand::Assets::IconSizes;

// The desktop icon at size x size pixels on a transparent ground: a red
// lacquered tile in gold trim with the Lucky Seven in a reel window. Each
// size is drawn for itself, with less detail where pixels are few.
QImage desktopIcon(int size);

} // namespace artgen
