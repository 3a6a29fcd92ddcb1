// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>

// The mixer as the game opens it, on SDL's silent driver. Short buffers keep
// a harness that waits for the mixer quick.
inline void openMixer()
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    Mix_Init(MIX_INIT_MID);
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 256) != 0)
        std::abort();
    Mix_AllocateChannels(1);
}
