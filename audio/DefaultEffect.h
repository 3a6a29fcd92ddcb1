// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace zand {

// The sound heard when an effect's file is missing or unreadable: a short
// two-note chime, as a wave file image.
QByteArray defaultEffectImage();

} // namespace zand
