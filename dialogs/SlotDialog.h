// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/GameState.h"

#include <QDialog>

#include <array>
#include <optional>

namespace zand {

class HelpViewer;
class SavedGameFile;
class SlotPanel;

enum class SlotDialogMode { Open, Save };

// The eight saved-game slots side by side, behind File > Open Game and File >
// Save Game. Opening it stores the game in progress as the current game, so
// the file always holds it; a slot's button then saves the game in progress
// into that slot under a name the player confirms, or makes the slot's game
// the one in progress.
//
// The game in progress stays in memory the whole time: the slots are read
// into the panels only, and when a write of the file fails the player is told
// and the game goes on as it was.
class SlotDialog : public QDialog
{
    Q_OBJECT

public:
    SlotDialog(SlotDialogMode mode, const SavedGameFile &file, const GameRecord &gameInProgress,
               const QString &gameTitle, HelpViewer &help, QWidget *parent = nullptr);

    // The game to go on with once the dialog has closed: the one in progress,
    // or the slot's game that was opened.
    const GameRecord &game() const { return m_game; }

    // Shut while the reels or a nudge move.
    void setSlotsEnabled(bool enabled);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void slotPressed(int slot);
    std::optional<QString> askName(const QString &offered);
    void reportFailure(const QString &error);

    SlotDialogMode m_mode;
    const SavedGameFile &m_file;
    GameRecord m_game;
    std::array<SlotPanel *, 8> m_panels{}; // owned by the dialog as its children
};

} // namespace zand
