// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SdlAudio.h"

#include <QFile>

#include <SDL_mixer.h>

namespace zand {

namespace {

std::atomic<SdlMusicOutput *> activeOutput{nullptr};

} // namespace

SdlMusicOutput::SdlMusicOutput(SdlAudio &audio)
    : CachedMusicOutput(audio.midiAvailable(), audio.musicRenderer(), audio.soundFonts())
    , m_audio(audio)
{
    if (!audio.available())
        return;
    [[maybe_unused]] SdlMusicOutput *previous = activeOutput.exchange(this);
    Q_ASSERT(!previous);
    Mix_HookMusicFinished(&SdlMusicOutput::musicFinished);
}

SdlMusicOutput::~SdlMusicOutput()
{
    if (!m_audio.available())
        return;
    // Unhooking takes the mixer's lock, so no hook call is running afterwards.
    Mix_HookMusicFinished(nullptr);
    activeOutput = nullptr;
    Mix_HaltMusic();
}

bool SdlMusicOutput::sound(int serial, const MusicCache::Track &track, QString *why)
{
    // SDL_mixer reads the wave file as it plays: the song is never all in memory.
    MixMusicPtr music(Mix_LoadMUS(QFile::encodeName(track.wave).constData()));
    m_audio.wake();
    m_audio.setMusicPeak(track.peak);
    m_soundingSerial = serial;
    if (!music || Mix_PlayMusic(music.get(), 0) != 0) {
        m_soundingSerial = 0;
        *why = QStringLiteral("cannot be played back (%1)").arg(QString::fromUtf8(Mix_GetError()));
        return false;
    }
    m_music = std::move(music);
    return true;
}

int SdlMusicOutput::silence()
{
    const int serial = m_soundingSerial.exchange(0);
    if (serial != 0)
        Mix_HaltMusic();
    m_music.reset();
    return serial;
}

void SdlMusicOutput::setVolume(int percent)
{
    // SDL_mixer keeps the music's volume from one song to the next.
    m_audio.setMusicVolume(percent);
}

// Called on SDL's audio thread, or inside Mix_HaltMusic on ours.
void SdlMusicOutput::musicFinished()
{
    SdlMusicOutput *self = activeOutput.load();
    if (!self)
        return;
    if (const int serial = self->m_soundingSerial.exchange(0))
        self->post(serial, Ending::Successful);
}

void SdlMusicOutput::ended()
{
    // Unless the game started the next song, the music is silent now.
    m_audio.restIfSilent();
}

} // namespace zand
