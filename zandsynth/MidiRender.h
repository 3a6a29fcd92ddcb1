// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace zand {

// Synthesises a MIDI file into a 44.1 kHz 16-bit stereo wave file with
// FluidSynth, exactly as the game's music has always sounded: the same
// soundfont, FluidSynth's own reverb and chorus, and the same loudness.
// Only the samples of the instruments the song selects are read from the
// soundfont. The wave file appears whole or not at all.
//
// Returns false and fills *error with one line for the player when the file
// holds no music that can be played.
bool renderMidi(const std::vector<std::string> &soundFonts, const std::string &midiPath,
                const std::string &wavePath, std::string *error);

} // namespace zand
