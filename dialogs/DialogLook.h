// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QIcon>
#include <QRect>

class QPushButton;
class QWidget;

namespace zand {

// What the side windows share: pixel positions laid out for a 96-dpi screen
// and grown with the font's resolution, the game's lettering, and button
// faces with the machine's glyphs.
namespace DialogLook {

enum class Glyph { Ok, Help, Cancel };

// A length of the 96-dpi layout on this widget's screen.
int scaled(const QWidget *widget, int pixels96);
QRect scaled(const QWidget *widget, const QRect &rect96);

// The game's lettering at a point size, bold or regular.
QFont font(int pointSize, bool bold = false);

QIcon glyph(Glyph glyph);

// The part of the widget's screen that windows may cover (without the
// desktop's panels).
QRect availableArea(const QWidget *widget);
// Places a window in the middle of that area.
void centreOnScreen(QWidget *window);

// The width a window needs for the desktop to show its whole title: title
// bars letter larger than the window and hold an icon and three buttons.
int titleRoom(const QWidget *window);

// A push button at a 96-dpi rectangle of `parent`, with a glyph and a caption.
QPushButton *button(QWidget *parent, const QRect &rect96, Glyph glyph, const QString &caption);

} // namespace DialogLook

} // namespace zand
