// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaveDecode.h"

#include "audio/WaveFile.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <memory>

namespace zand {

DecodedWave decodeWave(const void *data, std::size_t size)
{
    DecodedWave wave;
    if (!isWaveFile(data, size) || size > std::size_t(INT_MAX))
        return wave;
    SDL_AudioSpec spec;
    Uint8 *read = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(data, int(size)), 1, &spec, &read, &length))
        return wave;
    const std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> owned(read, &SDL_FreeWAV);
    SDL_AudioCVT convert;
    if (SDL_BuildAudioCVT(&convert, spec.format, spec.channels, spec.freq, AUDIO_S16LSB, 2, 44100) < 0)
        return wave;
    // SDL converts in place, in a buffer len_mult times the input's length;
    // its lengths are ints.
    const std::size_t room = std::size_t(length) * std::size_t(std::max(1, convert.len_mult));
    if (room > std::size_t(INT_MAX))
        return wave;
    convert.len = int(length);
    std::vector<Uint8> buffer(room);
    std::copy(read, read + length, buffer.begin());
    convert.buf = buffer.data();
    if (SDL_ConvertAudio(&convert) != 0)
        return wave;
    // Whole stereo frames only.
    const std::size_t samples = std::size_t(std::max(0, convert.len_cvt)) / sizeof(std::int16_t) / 2 * 2;
    const auto *converted = reinterpret_cast<const std::int16_t *>(buffer.data());
    wave.samples.assign(converted, converted + samples);
    wave.peak = peakOf(wave.samples.data(), wave.samples.size());
    return wave;
}

} // namespace zand
