// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SoundOutput.h"

#include <QString>

#include <memory>

namespace zand {

class PulseAudio;
class SdlAudio;

// The game's sound, chosen at start-up: the desktop's sound server when one
// answers, else SDL's device (also when SDL_AUDIODRIVER names SDL's dummy or
// disk driver, as the tests and the benchmark's file capture do).
class AudioSystem
{
public:
    // `musicRenderer`: the program that synthesises the songs.
    explicit AudioSystem(const QString &musicRenderer);
    ~AudioSystem();
    AudioSystem(const AudioSystem &) = delete;
    AudioSystem &operator=(const AudioSystem &) = delete;

    SoundOutput &sound() { return *m_sound; }
    MusicOutput &music() { return *m_music; }

private:
    // The devices outlive the outputs that play on them.
    std::unique_ptr<PulseAudio> m_pulse;
    std::unique_ptr<SdlAudio> m_sdl;
    std::unique_ptr<SoundOutput> m_sound;
    std::unique_ptr<MusicOutput> m_music;
};

} // namespace zand
