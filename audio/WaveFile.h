#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <cstddef>
#include <cstring>

namespace zand {

// Effects are wave files. The mixer would take a dozen other formats for one,
// some of whose readers leak or take memory beyond any effect, so nothing
// else is handed to it.
inline bool isWaveFile(const void *data, std::size_t size)
{
    const auto *bytes = static_cast<const char *>(data);
    return size >= 12 && std::memcmp(bytes, "RIFF", 4) == 0 && std::memcmp(bytes + 8, "WAVE", 4) == 0;
}

// A short two-note chime, played when an effect's file is missing or unreadable.
QByteArray defaultEffectImage();

// The loudest of these 16-bit samples, as a magnitude up to full scale.
int peakOf(const qint16 *samples, std::size_t count);

} // namespace zand
