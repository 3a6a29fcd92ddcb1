// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

#include <functional>
#include <vector>

namespace zand {

// A part of a drawn surface that assistive technology sees as a control of
// its own: a button the player can press, a labelled number, or a text.
struct CanvasZone
{
    enum class Kind { Button, Value, Text };

    Kind kind = Kind::Text;
    QString name;
    QRect rect; // in drawing coordinates
    bool enabled = true;
    int value = 0;       // a Value's number
    int maximum = 0;     // a Value's highest number; 0: no limit
    QString text;        // a Value's number as shown, or a Text's words
    QString key;         // the key that does what a Button does
    std::function<void()> press;
};

// The zones of a surface, asked anew each time they are needed: names,
// values and what is enabled follow the game.
using CanvasZones = std::function<std::vector<CanvasZone>()>;

} // namespace zand
