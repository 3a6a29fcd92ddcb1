// Any bytes as a theme's music track, opened and started the way the game
// does it. The synthesiser reads the file when the mixer first asks it for
// sound, so each run waits for the mixer to have done so twice.
#include "SdlMixerSetup.h"

#include <atomic>
#include <cstddef>
#include <cstdint>

namespace {

std::atomic<int> mixes{0};

void countMix(void *, Uint8 *, int)
{
    ++mixes;
}

// As in the game: one synthesiser kept with the soundfont loaded, so each
// new track shares its samples instead of loading them again.
const unsigned char SilentMidi[] = {
    'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,
    'M', 'T', 'r', 'k', 0, 0, 0, 4, 0x00, 0xFF, 0x2F, 0x00,
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    openMixer();
    if (!getenv("SDL_SOUNDFONTS"))
        Mix_SetSoundFonts("/usr/share/sounds/sf2/FluidR3_GM.sf2");
    static Mix_Music *const holder = Mix_LoadMUS_RW(SDL_RWFromConstMem(SilentMidi, sizeof SilentMidi), 1);
    if (!holder)
        std::abort();
    Mix_SetPostMix(countMix, nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Mix_Music *music = Mix_LoadMUS_RW(SDL_RWFromConstMem(data, int(size)), 1);
    if (!music)
        return 0;
    if (Mix_PlayMusic(music, 0) == 0) {
        const int start = mixes;
        for (int waited = 0; mixes < start + 2 && waited < 2000; ++waited)
            SDL_Delay(1);
        Mix_HaltMusic();
    }
    Mix_FreeMusic(music);
    return 0;
}
