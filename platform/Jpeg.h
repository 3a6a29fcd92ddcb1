// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zand {

// Decodes JPEG pictures with libjpeg. A picture that cannot be decoded whole
// (not a JPEG, truncated, corrupt anywhere, larger than MaxSide pixels a side,
// or beyond the memory budget) gives a null image and a reason; it never
// aborts the game and never yields a half-grey picture.
namespace Jpeg {

constexpr int MaxSide = 8192;

// The decoded pictures held at one time share this many bytes, whatever their
// sides, so a theme cannot make the game take gigabytes with a few small
// files that claim huge pictures. libjpeg's own working memory for a picture
// (progressive files keep all their coefficients) comes from what is left.
constexpr qsizetype MemoryBudget = qsizetype(128) << 20;

QImage decode(const QByteArray &data, QString *error = nullptr);
QImage load(const QString &path, QString *error = nullptr);

// The bytes of decoded pictures that are still held somewhere.
qsizetype memoryInUse();

} // namespace Jpeg

} // namespace zand
