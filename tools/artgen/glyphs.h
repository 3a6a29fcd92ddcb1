// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace artgen {

enum class Glyph { Ok, Help, Cancel };

// The glyph that sits left of a dialog button's caption: a gold-rimmed
// jewel, green with a tick, blue with a question mark or red with a cross,
// size x size pixels on a transparent ground.
QImage dialogGlyph(Glyph glyph, int size);

constexpr int GlyphSize = 24;

} // namespace artgen
