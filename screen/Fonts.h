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
