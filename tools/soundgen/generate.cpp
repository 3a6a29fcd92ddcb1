#include "generate.h"

#include "arranger.h"
#include "effects.h"
#include "songs.h"

#include <fstream>
#include <functional>
#include <stdexcept>
#include <utility>

namespace soundgen {

namespace {
using Bytes = std::vector<std::uint8_t>;

// File names follow the game's default sound theme prefix "Zand".
std::vector<std::pair<std::string, std::function<Bytes()>>> outputs()
{
    const auto wav = [](Sound (*make)()) { return [make] { return encodeWav(make()); }; };
    const auto mid = [](Song (*make)()) { return [make] { return arrange(make()).encode(); }; };
    return {
        {"Zand0.wav", wav(reelStopSound)}, {"Zand1.wav", wav(coinSound)},      {"Zand3.wav", wav(tallySound)},
        {"Zand5.wav", wav(safeSound)},     {"Zand7.wav", wav(welcomeSound)},   {"ZandWin.wav", wav(winSound)},
        {"Zand0.mid", mid(velvetLounge)},  {"Zand1.mid", mid(jackpotLights)},  {"Zand2.mid", mid(sunsetBossa)},
        {"Zand3.mid", mid(cherryFunk)},    {"Zand4.mid", mid(midnightPayout)},
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
