// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace artgen {

constexpr int LogoWidth = 125;
constexpr int LogoHeight = 70;

// The maker's chip, pure black outside the chip.
QImage logoPicture();
// One bit per pixel: black exactly where logoPicture() has its chip.
QImage logoMask();

} // namespace artgen
