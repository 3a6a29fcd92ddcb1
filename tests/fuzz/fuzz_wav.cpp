// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a theme's sound effect, read both ways the game reads one:
// through SDL's device, a wave file goes to the mixer, which decodes it and
// converts it to the device's format, or refuses it; through the desktop's
// sound server, the game converts it to the stream's format itself.
#include "SdlMixerSetup.h"

#include "audio/WaveDecode.h"
#include "audio/WaveFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    openMixer();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const zand::DecodedWave wave = zand::decodeWave(data, size);
    if (wave.samples.size() % 2 != 0 || wave.peak != zand::peakOf(wave.samples.data(), wave.samples.size()))
        std::abort();
    if (!zand::isWaveFile(data, size)) {
        if (!wave.samples.empty())
            std::abort();
        return 0;
    }
    // The source is closed here rather than by the mixer: SDL_mixer 2.6
    // leaves it open when a file is too short to hold a format's magic.
    SDL_RWops *source = SDL_RWFromConstMem(data, int(size));
    if (!source) // an empty file
        return 0;
    Mix_FreeChunk(Mix_LoadWAV_RW(source, 0));
    SDL_RWclose(source);
    return 0;
}
