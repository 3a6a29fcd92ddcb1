// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Any file as the saved game: every slot loads within its bounds, and saving
// the game in progress brings it back while the eight named games stay.
#include "FuzzDir.h"

#include "game/SavedGame.h"

#include <QFile>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace zand;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

using Slots = std::array<SavedGameFile::Loaded, SavedGameFile::SlotCount>;

Slots loadAll(const SavedGameFile &file)
{
    Slots loaded;
    for (int slot = 0; slot < SavedGameFile::SlotCount; ++slot) {
        loaded[slot] = file.load(slot);
        check(!loaded[slot].unreadable);
        check(loaded[slot].name.size() <= SavedGameFile::MaxNameLength);
        check(loaded[slot].date.size() <= SavedGameFile::MaxDateLength);
    }
    return loaded;
}

bool sameGame(const SavedGameFile::Loaded &a, const SavedGameFile::Loaded &b)
{
    return a.values == b.values && a.name == b.name && a.date == b.date;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = fuzzDirectory() + QStringLiteral("/zandslots.ini");
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        check(file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size));
    }
    const SavedGameFile file(path);
    const Slots before = loadAll(file);

    const GameRecord current = before[SavedGameFile::CurrentGameSlot].values;
    const QString date = QStringLiteral("12/07/26");
    check(file.save(SavedGameFile::CurrentGameSlot, QStringLiteral("CurrentGame"), current, date, nullptr));
    const Slots after = loadAll(file);
    for (int slot = 0; slot < SavedGameFile::CurrentGameSlot; ++slot)
        check(sameGame(after[slot], before[slot]));
    const SavedGameFile::Loaded &saved = after[SavedGameFile::CurrentGameSlot];
    check(saved.values == current && saved.name == QStringLiteral("CurrentGame") && saved.date == date);
    return 0;
}
