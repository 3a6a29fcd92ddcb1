// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AudioSystem.h"

#include "PulseAudio.h"
#include "SdlAudio.h"

#include <QByteArray>

namespace zand {

namespace {

bool sdlDriverAsked()
{
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    return driver == "dummy" || driver == "disk";
}

} // namespace

AudioSystem::AudioSystem(const QString &musicRenderer)
{
    if (!sdlDriverAsked())
        m_pulse = PulseAudio::connect(musicRenderer);
    if (m_pulse) {
        m_sound = std::make_unique<PulseSoundOutput>(*m_pulse);
        m_music = std::make_unique<PulseMusicOutput>(*m_pulse);
        return;
    }
    m_sdl = std::make_unique<SdlAudio>(musicRenderer);
    m_sound = std::make_unique<SdlSoundOutput>(*m_sdl);
    m_music = std::make_unique<SdlMusicOutput>(*m_sdl);
}

AudioSystem::~AudioSystem() = default;

} // namespace zand
