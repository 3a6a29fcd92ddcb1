// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceScreen.h"

#include <QScreen>

namespace zand {

DeviceScreen DeviceScreen::of(const QScreen *screen)
{
    DeviceScreen device;
    if (!screen)
        return device;
    device.ratio = screen->devicePixelRatio();
    device.size = (QSizeF(screen->geometry().size()) * device.ratio).toSize();
    device.dpi = screen->logicalDotsPerInch() * device.ratio;
    return device;
}

} // namespace zand
