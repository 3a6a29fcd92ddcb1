#pragma once

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

} // namespace zand
