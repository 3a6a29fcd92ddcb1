// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Loaded into the game by the machine benchmark (LD_PRELOAD): SDL's disk
// audio driver writes its file through stdio, whose buffer would hold one
// device buffer back and release two at once. Unbuffered, each device buffer
// reaches the file the moment it is mixed, so the benchmark can time the
// sound from the file's growth.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using Open = FILE *(*)(const char *, const char *);

FILE *openUnbuffered(const char *symbol, const char *path, const char *mode)
{
    static const Open real64 = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "fopen64"));
    static const Open real = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "fopen"));
    FILE *file = (std::strcmp(symbol, "fopen64") == 0 ? real64 : real)(path, mode);
    const char *capture = std::getenv("SDL_DISKAUDIOFILE");
    if (file && capture && path && std::strcmp(path, capture) == 0)
        std::setvbuf(file, nullptr, _IONBF, 0);
    return file;
}

} // namespace

extern "C" FILE *fopen(const char *path, const char *mode)
{
    return openUnbuffered("fopen", path, mode);
}

extern "C" FILE *fopen64(const char *path, const char *mode)
{
    return openUnbuffered("fopen64", path, mode);
}
