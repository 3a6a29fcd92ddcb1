// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SdlAudio.h"
#include "DefaultEffect.h"
#include "WaveFile.h"

#include "game/RegularFile.h"


#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

namespace zand {

namespace {

constexpr int EffectChannel = 0;
// The game plays two sounds from memory; a few more entries only guard
// against a caller that hands over a fresh buffer each time.
constexpr std::size_t MemoryCacheSize = 8;

// No effect of a slot machine comes near this.
constexpr qint64 MaxEffectBytes = 32 << 20;

Mix_Chunk *decode(const QByteArray &image)
{
    if (!isWaveFile(image.constData(), std::size_t(image.size())))
        return nullptr;
    return Mix_LoadWAV_RW(SDL_RWFromConstMem(image.constData(), int(image.size())), 1);
}

} // namespace

SdlSoundOutput::SdlSoundOutput(SdlAudio &audio)
    : m_audio(audio)
    , m_available(audio.available())
{
    if (m_available)
        m_defaultSound.reset(decode(defaultEffectImage()));
}

SdlSoundOutput::~SdlSoundOutput()
{
    if (m_available)
        Mix_HaltChannel(EffectChannel);
}

void SdlSoundOutput::playMemory(const QByteArray &waveFile)
{
    if (!m_available)
        return;
    Mix_Chunk *chunk = decodedMemorySound(waveFile);
    start(chunk ? chunk : m_defaultSound.get());
}

void SdlSoundOutput::playFile(const QString &path)
{
    if (!m_available)
        return;
    // Read as the game reads theme files: a pipe or a device in its place
    // is refused, not waited for.
    const FileContents file = readRegularFile(path, MaxEffectBytes);
    MixChunkPtr sound(file.state == FileContents::State::Read ? decode(file.bytes) : nullptr);
    start(sound ? sound.get() : m_defaultSound.get());
    // Only now is the previous file's sound off the channel and safe to free.
    m_fileSound = std::move(sound);
}

bool SdlSoundOutput::isPlaying() const
{
    return m_available && Mix_Playing(EffectChannel) != 0;
}

void SdlSoundOutput::setVolume(int percent)
{
    if (m_available)
        Mix_Volume(EffectChannel, MIX_MAX_VOLUME * std::clamp(percent, 0, 100) / 100);
}

Mix_Chunk *SdlSoundOutput::decodedMemorySound(const QByteArray &waveFile)
{
    const auto cached = std::find_if(m_memorySounds.begin(), m_memorySounds.end(), [&](const CachedSound &sound) {
        return sound.image.constData() == waveFile.constData() && sound.image.size() == waveFile.size();
    });
    if (cached != m_memorySounds.end()) {
        std::rotate(cached, cached + 1, m_memorySounds.end());
        return m_memorySounds.back().chunk.get();
    }

    if (m_memorySounds.size() >= MemoryCacheSize) {
        // Evict the oldest sound that is not sounding now; at most one is.
        Mix_Chunk *sounding = Mix_Playing(EffectChannel) ? Mix_GetChunk(EffectChannel) : nullptr;
        const auto unused = std::find_if(m_memorySounds.begin(), m_memorySounds.end(), [&](const CachedSound &sound) {
            return !sound.chunk || sound.chunk.get() != sounding;
        });
        m_memorySounds.erase(unused);
    }
    // An image that does not decode is remembered too, so it is not decoded
    // again on every play; it sounds as the default sound.
    m_memorySounds.push_back({waveFile, MixChunkPtr(decode(waveFile))});
    return m_memorySounds.back().chunk.get();
}

void SdlSoundOutput::start(Mix_Chunk *chunk)
{
    if (!chunk)
        return;
    m_audio.wake();
    // The music softens in the same mix that starts the effect: the device
    // mixes nothing in between.
    SDL_LockAudioDevice(m_audio.device());
    Mix_PlayChannel(EffectChannel, chunk, 0);
    m_audio.duckMusic(peakOf(reinterpret_cast<const qint16 *>(chunk->abuf), chunk->alen / sizeof(qint16)));
    SDL_UnlockAudioDevice(m_audio.device());
}

} // namespace zand
