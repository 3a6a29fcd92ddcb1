// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "generate.h"

#include "arranger.h"
#include "effects.h"
#include "songs.h"

#include "game/Assets.h"

#include <fstream>
#include <functional>
#include <stdexcept>
#include <utility>

namespace soundgen {

namespace {
using Bytes = std::vector<std::uint8_t>;

// File names follow the game's default sound theme prefix.
std::vector<std::pair<std::string, std::function<Bytes()>>> outputs()
{
    namespace Assets = zand::Assets;
    const auto wav = [](Sound (*make)()) { return [make] { return encodeWav(make()); }; };
    const auto mid = [](Song (*make)()) { return [make] { return arrange(make()).encode(); }; };
    const auto name = [](const std::string &ending) { return Assets::DefaultSoundRoot + ending; };
    const auto track = [&](int n) { return name(std::to_string(n) + Assets::TrackEnding); };
    return {
        {name(Assets::StopSound), wav(reelStopSound)},  {name(Assets::CoinSound), wav(coinSound)},
        {name(Assets::TallySound), wav(tallySound)},    {name(Assets::SafeSound), wav(safeSound)},
        {name(Assets::WelcomeSound), wav(welcomeSound)}, {name(Assets::WinSound), wav(winSound)},
        {track(0), mid(velvetLounge)},                  {track(1), mid(jackpotLights)},
        {track(2), mid(sunsetBossa)},                   {track(3), mid(cherryFunk)},
        {track(4), mid(midnightPayout)},
    };
}

void writeFile(const std::filesystem::path &path, const Bytes &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}
} // namespace

std::vector<std::string> outputNames()
{
    std::vector<std::string> names;
    for (const auto &output : outputs())
        names.push_back(output.first);
    return names;
}

void generateAll(const std::filesystem::path &outDir)
{
    std::filesystem::create_directories(outDir);
    for (const auto &[name, make] : outputs())
        writeFile(outDir / name, make());
}

} // namespace soundgen
