// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SdlAudio.h"

#include "Headroom.h"
#include "MusicCache.h"

#include <QCoreApplication>
#include <QDebug>

#include <atomic>

#include <SDL.h>
#include <SDL_mixer.h>

namespace zand {

namespace {

constexpr int SampleRate = 44100;
constexpr int Channels = 2;
// 512 frames are 12 ms at 44.1 kHz: an effect is mixed into the next buffer
// and heard one buffer later, well within the 30 ms a press may wait for its
// sound. The device rests whenever nothing sounds, so the short buffer costs
// only while music plays.
constexpr int BufferFrames = 512;

std::atomic<SdlAudio *> activeAudio{nullptr};

// SDL_mixer does not tell which device it opened; it is the one playing.
unsigned openedDevice()
{
    constexpr SDL_AudioDeviceID LastProbed = 16;
    for (SDL_AudioDeviceID id = 1; id <= LastProbed; ++id) {
        if (SDL_GetAudioDeviceStatus(id) == SDL_AUDIO_PLAYING)
            return id;
    }
    return 0;
}

// The player learns of a missing device or soundfont once, on standard error;
// a message box each time a sound or track starts would stop the game.
void reportSilence(const QString &why)
{
    qWarning().noquote() << why;
}

} // namespace

void MixChunkDeleter::operator()(Mix_Chunk *chunk) const
{
    Mix_FreeChunk(chunk);
}

void MixMusicDeleter::operator()(Mix_Music *music) const
{
    Mix_FreeMusic(music);
}

SdlAudio::SdlAudio(const QString &musicRenderer)
    : m_renderer(musicRenderer.isEmpty()
                     ? QCoreApplication::applicationDirPath() + QStringLiteral("/zandsynth")
                     : musicRenderer)
{
    // The game handles its own signals; SDL's handlers would only turn
    // Ctrl+C into an event that nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        reportSilence(QStringLiteral("Sound is off: no audio device (%1).").arg(QString::fromUtf8(SDL_GetError())));
        return;
    }
    // The device runs for the whole game: SDL_mixer cannot pause it, and
    // opening it again costs far more than an effect may wait.
    if (Mix_OpenAudio(SampleRate, AUDIO_S16SYS, Channels, BufferFrames) != 0) {
        reportSilence(QStringLiteral("Sound is off: the audio device cannot be opened (%1).")
                          .arg(QString::fromUtf8(Mix_GetError())));
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    m_available = true;
    Mix_AllocateChannels(1);
    m_device = openedDevice();
    [[maybe_unused]] SdlAudio *previous = activeAudio.exchange(this);
    Q_ASSERT(!previous);
    Mix_ChannelFinished(&SdlAudio::channelFinished);
    restIfSilent();

    m_soundFonts = MusicCache::usableSoundFonts(m_renderer);
}

SdlAudio::~SdlAudio()
{
    if (!m_available)
        return;
    // SDL waits for the device's thread when closing it: it must not be
    // resting on the lock this thread holds.
    wake();
    Mix_ChannelFinished(nullptr);
    activeAudio = nullptr;
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::available() const
{
    return m_available;
}

bool SdlAudio::midiAvailable() const
{
    return available() && !m_soundFonts.isEmpty();
}

void SdlAudio::wake()
{
    if (!m_resting)
        return;
    m_resting = false;
    SDL_UnlockAudioDevice(m_device);
}

// The device's thread takes the device's lock for every buffer it mixes:
// while this thread holds it, that thread sleeps.
void SdlAudio::restIfSilent()
{
    if (!m_available || m_device == 0 || m_resting || Mix_Playing(-1) != 0 || Mix_PlayingMusic() != 0)
        return;
    SDL_LockAudioDevice(m_device);
    m_resting = true;
}

void SdlAudio::duckMusic(int effectPeak)
{
    Mix_VolumeMusic(int(m_musicVolume * musicGainUnder(effectPeak, m_musicPeak)));
}

void SdlAudio::setMusicVolume(int percent)
{
    m_musicVolume = MIX_MAX_VOLUME * std::clamp(percent, 0, 100) / 100;
    if (m_available)
        Mix_VolumeMusic(m_musicVolume);
}

// Called on the device's thread when an effect has played out, or inside
// SDL_mixer on ours when one is cut off.
void SdlAudio::channelFinished(int)
{
    // The music alone is as loud as the player set it.
    SdlAudio *self = activeAudio.load();
    Mix_VolumeMusic(self ? self->m_musicVolume.load() : MIX_MAX_VOLUME);
    if (self)
        QMetaObject::invokeMethod(&self->m_mainThread, [self] { self->restIfSilent(); }, Qt::QueuedConnection);
}

} // namespace zand
