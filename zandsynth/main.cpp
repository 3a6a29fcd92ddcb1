// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's music renderer: synthesises one MIDI song into a wave file in a
// process of its own, so the soundfont's samples never burden the game.
//
//   zandsynth MIDI WAVE SOUNDFONT...
//
// Exit status 0: the wave file is written. 1: the song cannot be played, and
// the one line on standard error says why. 2: wrong arguments.

#include "MidiRender.h"

#include <cstdio>

#include <sys/resource.h>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: zandsynth MIDI WAVE SOUNDFONT...\n");
        return 2;
    }
    // The songs are made ahead of their turn: the game comes first.
    setpriority(PRIO_PROCESS, 0, 19);
    const std::vector<std::string> soundFonts(argv + 3, argv + argc);
    std::string error;
    if (!zand::renderMidi(soundFonts, argv[1], argv[2], &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}
