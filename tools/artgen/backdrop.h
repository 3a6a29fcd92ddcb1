// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace artgen {

// Drawn small: the wall is soft and dark, and the game scales it up once.
constexpr int BackdropWidth = 960;
constexpr int BackdropHeight = 600;

// The casino wall the machine stands against on a screen wider or taller
// than the machine: lacquered panels in the cabinet's reds between gold
// mouldings, wall lamps, and the carpet at the foot.
QImage backdropPicture();

} // namespace artgen
