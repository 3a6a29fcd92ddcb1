// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace artgen {

// Writes a baseline JPEG with full-resolution colour (no chroma
// subsampling, so thin red and gold lines stay crisp). Returns false and
// fills error when the file cannot be written.
bool writeJpeg(const QImage &image, const QString &path, int quality, QString *error);

} // namespace artgen
