#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zand {

// Decodes JPEG pictures with libjpeg. A picture that cannot be decoded
// (truncated, not a JPEG, larger than 8192 pixels a side) gives a null image
// and a reason; it never aborts the game.
namespace Jpeg {

constexpr int MaxSide = 8192;

QImage decode(const QByteArray &data, QString *error = nullptr);
QImage load(const QString &path, QString *error = nullptr);

} // namespace Jpeg

} // namespace zand
