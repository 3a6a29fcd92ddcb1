#pragma once

#include <QByteArray>

namespace zand {

// The sound heard when an effect's file is missing or unreadable: a short
// two-note chime, as a wave file image.
QByteArray defaultEffectImage();

} // namespace zand
