// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Random.h"

#include <QDateTime>
#include <QTime>

namespace zand {

std::uint32_t Random::timeOfDaySeed()
{
    const QTime now = QDateTime::currentDateTimeUtc().time();
    return static_cast<std::uint32_t>(((now.hour() * 60 + now.minute()) * 60 + now.second()) * 1000
                                      + now.msec());
}

} // namespace zand
