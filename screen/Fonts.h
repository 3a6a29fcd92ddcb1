// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/Assets.h"

#include <QFont>

namespace zand {

// The game's lettering, in points.
inline QFont gameFont(int pointSize)
{
    QFont font{QLatin1String(Assets::FontFamily)};
    font.setPointSize(pointSize);
    return font;
}

} // namespace zand
