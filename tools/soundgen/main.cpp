// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// zand_soundgen OUTDIR: writes the game's sound effects and background
// songs. The output depends on nothing but this source, so the build can
// regenerate it at will.
#include "generate.h"

#include <exception>
#include <iostream>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: zand_soundgen OUTDIR\n";
        return 2;
    }
    try {
        soundgen::generateAll(argv[1]);
    } catch (const std::exception &e) {
        std::cerr << "zand_soundgen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
