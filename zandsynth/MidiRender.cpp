// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MidiRender.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>

#include <unistd.h>

namespace zand {

namespace {

constexpr int SampleRate = 44100;
constexpr int BlockFrames = 1024;
// The loudness the music has always had: SDL_mixer drove FluidSynth at 1.2
// times the unit gain at full music volume.
constexpr float Gain = 1.2f;
// No song of a slot machine runs this long; a damaged file that never ends
// must not fill the disk.
constexpr long MaxFrames = 20L * 60 * SampleRate;
constexpr std::size_t MaxMidiBytes = 16u << 20;
// Louder than the synthesiser's dither: a song that never gets there holds
// no music (a damaged file often plays nothing at all).
constexpr int Audible = 16;

// FluidSynth speaks on standard error for every fault it meets; the game
// reports a broken track once, in its own words, with FluidSynth's reason.
std::string lastFluidError;

void keepFluidError(int level, const char *message, void *)
{
    if ((level == FLUID_PANIC || level == FLUID_ERR) && lastFluidError.empty())
        lastFluidError = message;
}

void silenceFluidSynth()
{
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, keepFluidError, nullptr);
}

struct SettingsDeleter {
    void operator()(fluid_settings_t *settings) const { delete_fluid_settings(settings); }
};
struct SynthDeleter {
    void operator()(fluid_synth_t *synth) const { delete_fluid_synth(synth); }
};
struct PlayerDeleter {
    void operator()(fluid_player_t *player) const { delete_fluid_player(player); }
};

void putLittleEndian(std::ofstream &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(char((value >> (8 * i)) & 0xFF));
}

void writeWaveHeader(std::ofstream &out, std::uint32_t dataBytes)
{
    out.write("RIFF", 4);
    putLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    putLittleEndian(out, 16, 4);
    putLittleEndian(out, 1, 2); // PCM
    putLittleEndian(out, 2, 2); // stereo
    putLittleEndian(out, SampleRate, 4);
    putLittleEndian(out, SampleRate * 4, 4);
    putLittleEndian(out, 4, 2); // bytes per frame
    putLittleEndian(out, 16, 2);
    out.write("data", 4);
    putLittleEndian(out, dataBytes, 4);
}

bool fail(std::string *error, const std::string &why)
{
    if (error)
        *error = why;
    return false;
}

} // namespace

bool renderMidi(const std::vector<std::string> &soundFonts, const std::string &midiPath,
                const std::string &wavePath, std::string *error)
{
    std::ifstream in(midiPath, std::ios::binary);
    if (!in)
        return fail(error, "cannot be read");
    std::vector<char> midi;
    midi.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (midi.size() < 14 || std::string(midi.data(), 4) != "MThd")
        return fail(error, "is not a MIDI file");
    if (midi.size() > MaxMidiBytes)
        return fail(error, "is too large for a MIDI song");

    silenceFluidSynth();
    lastFluidError.clear();
    const std::unique_ptr<fluid_settings_t, SettingsDeleter> settings(new_fluid_settings());
    if (!settings)
        return fail(error, "cannot start the synthesiser");
    fluid_settings_setnum(settings.get(), "synth.sample-rate", SampleRate);
    // Only the instruments the song selects are read into memory.
    fluid_settings_setint(settings.get(), "synth.dynamic-sample-loading", 1);
    const std::unique_ptr<fluid_synth_t, SynthDeleter> synth(new_fluid_synth(settings.get()));
    if (!synth)
        return fail(error, "cannot start the synthesiser");
    for (const std::string &font : soundFonts) {
        if (fluid_synth_sfload(synth.get(), font.c_str(), 1) == FLUID_FAILED)
            return fail(error, "cannot be played: the soundfont " + font + " does not load");
    }
    fluid_synth_set_gain(synth.get(), Gain);

    const std::unique_ptr<fluid_player_t, PlayerDeleter> player(new_fluid_player(synth.get()));
    if (!player || fluid_player_add_mem(player.get(), midi.data(), midi.size()) != FLUID_OK
        || fluid_player_play(player.get()) != FLUID_OK)
        return fail(error, "cannot be played");

    // Named for this process: two games may make the same song at once.
    const std::string partPath = wavePath + "." + std::to_string(getpid()) + ".part";
    std::ofstream out(partPath, std::ios::binary | std::ios::trunc);
    if (!out)
        return fail(error, "cannot be stored: " + partPath + " cannot be written");
    writeWaveHeader(out, 0);
    std::vector<std::int16_t> block(2 * BlockFrames);
    long frames = 0;
    int loudest = 0;
    // As the music player always did: a block at a time while the song runs.
    while (fluid_player_get_status(player.get()) == FLUID_PLAYER_PLAYING && frames < MaxFrames) {
        if (fluid_synth_write_s16(synth.get(), BlockFrames, block.data(), 0, 2, block.data(), 1, 2)
            != FLUID_OK)
            break;
        out.write(reinterpret_cast<const char *>(block.data()), std::streamsize(block.size() * 2));
        frames += BlockFrames;
        for (std::int16_t sample : block)
            loudest = std::max(loudest, std::abs(int(sample)));
    }
    if (loudest < Audible || !out) {
        out.close();
        std::remove(partPath.c_str());
        if (loudest >= Audible)
            return fail(error, "cannot be stored: " + partPath + " cannot be written");
        return fail(error, lastFluidError.empty() ? std::string("holds no music")
                                                  : "is damaged (" + lastFluidError + ")");
    }
    out.seekp(0);
    writeWaveHeader(out, std::uint32_t(frames * 4));
    out.close();
    if (!out || std::rename(partPath.c_str(), wavePath.c_str()) != 0) {
        std::remove(partPath.c_str());
        return fail(error, "cannot be stored in " + wavePath);
    }
    return true;
}

} // namespace zand
