// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scale.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zand {

namespace Scale {

int layoutWidth(int screenWidth, int screenHeight)
{
    return std::min(screenWidth, screenHeight * 4 / 3);
}

int x(int v, int width)
{
    const double ratio = static_cast<double>(width) / 800.0;
    if (v == 0 || ratio == 0.0)
        return 0;
    // ratio = mantissa * 2^(exponent - 53) exactly; multiply in integers so
    // the product is exact before it is truncated.
    int exponent = 0;
    const double fraction = std::frexp(ratio, &exponent);
    const auto mantissa = static_cast<std::int64_t>(std::ldexp(fraction, 53));
    const __int128 product = static_cast<__int128>(v < 0 ? -v : v) * mantissa;
    const int shift = 53 - exponent;
    const __int128 whole = shift >= 0 ? product >> shift : product << -shift;
    const int magnitude = static_cast<int>(whole);
    return v < 0 ? -magnitude : magnitude;
}

} // namespace Scale

} // namespace zand
