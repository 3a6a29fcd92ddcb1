// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace artgen {

constexpr int PayChartWidth = 640;
constexpr int PayChartHeight = 560;

// The payoff chart window's picture: every paying line, the Wild, the
// paylines bought by each coin, nudges and the bonus vault.
QImage payChart();

} // namespace artgen
