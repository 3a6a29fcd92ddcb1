// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QScreen;

namespace zand {

// The screen in its own pixels. A desktop may scale windows by 125, 150 or
// 200 %; the machine is laid out on the pixels the screen really has and on
// their real density, whatever the scaling.
struct DeviceScreen
{
    QSize size{800, 600}; // device pixels
    double dpi = 96;      // device pixels per inch
    double ratio = 1;     // device pixels per pixel of the window system

    static DeviceScreen of(const QScreen *screen);
};

} // namespace zand
