// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegularExpression>
#include <QSize>
#include <QString>

namespace zand {

// The screen a test run was given, read from its name (ZAND_SCREEN, as in
// 1920x1080_144 or 1280x800_96x2) rather than from Qt, so a test can tell
// whether the game saw the screen's real pixels.
struct TestScreen
{
    QSize pixels; // device pixels
    double dpi = 96;
    double ratio = 1; // device pixels per pixel of the window system

    static TestScreen current()
    {
        static const QRegularExpression name(QStringLiteral("^(\\d+)x(\\d+)_(\\d+)(x2)?$"));
        const QRegularExpressionMatch m = name.match(qEnvironmentVariable("ZAND_SCREEN"));
        TestScreen screen;
        if (!m.hasMatch())
            return screen;
        const bool platformScaled = m.hasCaptured(4);
        const int factor = platformScaled ? 2 : 1;
        screen.pixels = QSize(m.captured(1).toInt(), m.captured(2).toInt()) * factor;
        screen.dpi = m.captured(3).toInt() * factor;
        screen.ratio = screen.dpi / 96;
        return screen;
    }
};

} // namespace zand
