// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Autoplay.h"
#include "app/Controls.h"
#include "app/MainWindow.h"
#include "audio/MusicBox.h"
#include "game/History.h"
#include "game/SavedGame.h"
#include "platform/Canvas.h"
#include "audio/SoundBoard.h"
#include "reels/Nudger.h"
#include "reels/Payout.h"
#include "reels/ReelSpinner.h"
#include "screen/Lights.h"
#include "screen/MachineView.h"

namespace zand {

// Tests and the benchmark set up a position by writing the machine's values
// directly; the game itself only asks the machine to act.
struct MachineTestDoor
{
    static GameState &values(Machine &machine) { return machine.m_state; }
    static void setPhase(Machine &machine, Machine::Phase phase) { machine.m_phase = phase; }
    // The vault opened on the first line, awaiting its prize.
    static void openVault(Machine &machine)
    {
        machine.m_phase = Machine::Phase::Bonus;
        machine.m_line = 0;
        machine.m_lineStartWin = machine.m_state.spinWin;
    }
};

// The parts inside the main window, for tests and the benchmark to drive and
// read back; the game itself reaches them only through the window's wiring.
class MainWindowProbe
{
public:
    explicit MainWindowProbe(MainWindow &window) : w(window) {}

    GameState &state() { return MachineTestDoor::values(w.m_machine); }
    Machine &machine() { return w.m_machine; }
    Session &session() { return w.m_session; }
    // Spins that open the vault go on as if its prize were nothing.
    void skipBonusGames()
    {
        Machine &m = w.m_machine;
        w.m_payout->setBonusGame([&m] { m.closeVault(); });
    }
    const Config &config() const { return w.m_config; }
    Canvas &canvas() { return *w.m_canvas; }
    MachineView &view() { return *w.m_view; }
    Lights &lights() { return *w.m_lights; }
    Controls &controls() { return *w.m_controls; }
    Autoplay &autoplay() { return *w.m_autoplay; }
    const History &history() const { return *w.m_history; }
    MusicBox &music() { return *w.m_music; }
    Nudger &nudger() { return *w.m_nudger; }
    Payout &payout() { return *w.m_payout; }
    ReelSpinner &spinner() { return *w.m_spinner; }
    Random &random() { return w.m_random; }
    const Pictures &pictures() const { return w.m_pictures; }
    const SavedGameFile &savedGames() const { return *w.m_savedGames; }
    QTimer &startUpTimer() { return w.m_startUpTimer; }
    void startUpTick() { w.startUpTick(); }
    void newGame() { w.newGame(); }
    void endOfSession() { w.saveForSessionEnd(); }

private:
    MainWindow &w;
};

inline MainWindowProbe probe(MainWindow &window)
{
    return MainWindowProbe(window);
}

} // namespace zand
