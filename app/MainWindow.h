// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Platform.h"
#include "game/Config.h"
#include "game/Machine.h"
#include "game/Session.h"
#include "game/Random.h"
#include "screen/Pictures.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

class QAction;

namespace zand {

class Autoplay;
class BonusScreen;
class Canvas;
class Controls;
class History;
class LeverPull;
class Lights;
class MachineAccessibility;
class MachineView;
class MusicBox;
class Nudger;
class Payout;
class ReelAnimator;
class ReelSpinner;
class SavedGameFile;
class Settings;
class SoundBoard;
enum class SlotDialogMode;
class WindowFit;

// The main window: it creates the machine's parts and wires them together,
// and owns the menu, the start-up and the close.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(Platform platform, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The system or the desktop session ends the game (a stop signal): it
    // closes as from the close box, a spin in flight settled and the game
    // saved, but nobody is there to answer a box or pick a safe.
    void closeUnattended();
    // The game was started again for the same saved game: this window is
    // the one that plays it.
    void comeForward();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Tests and the benchmark look inside through this one door.
    friend class MainWindowProbe;

    // The menu and its commands (MainWindowMenus.cpp).
    void createMenus();
    void newGame();
    void openGame();
    void saveGame();
    void runSlotDialog(SlotDialogMode mode);
    void borrow();
    void showStatistics();
    void chooseVolume();
    void chooseAutoplay();
    void startAutoplay();
    void pressed(QPoint position);
    void keyPressed(int key);
    void showPayoffs();
    void showVersion();
    void showManual();
    void openGamesPage();
    void showCompanyInformation();

    // The first tick of the start-up timer: music, welcome, controls open.
    void startUpTick();
    void busyChanged(bool busy);
    void playBonusGame();
    void saveCurrentGame();
    void saveAfterPlay();
    void saveForSessionEnd();
    bool writeCurrentGame(QString *error);
    void dismissModalWindows();
    void showError(const QString &text);
    void showInformation(const QString &text);
    void keepHistory();
    void restartHistory();

    Platform m_platform;
    Config m_config;
    Machine m_machine;
    Session m_session;
    Random m_random;
    Pictures m_pictures;
    Canvas *m_canvas; // owned by the window as its central widget
    std::unique_ptr<MachineView> m_view;
    std::unique_ptr<ReelAnimator> m_animator;
    std::unique_ptr<SoundBoard> m_sound;
    std::unique_ptr<Lights> m_lights;
    std::unique_ptr<MusicBox> m_music;
    std::unique_ptr<ReelSpinner> m_spinner;
    std::unique_ptr<Payout> m_payout;
    std::unique_ptr<Nudger> m_nudger;
    std::unique_ptr<LeverPull> m_lever;
    std::unique_ptr<Controls> m_controls;
    std::unique_ptr<MachineAccessibility> m_accessibility;
    std::unique_ptr<Autoplay> m_autoplay;
    std::unique_ptr<SavedGameFile> m_savedGames;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<History> m_history;
    std::unique_ptr<WindowFit> m_windowFit;
    std::unique_ptr<BonusScreen> m_bonusScreen;
    QTimer m_startUpTimer; // fires once, 250 ms after the window opens
    QList<QAction *> m_gameChangingActions;
    QAction *m_soundAction = nullptr;
    QAction *m_musicAction = nullptr;
    bool m_gameLoaded = false;
    bool m_closeWaiting = false;
    bool m_unattended = false;
    bool m_saveFailureShown = false;
    bool m_bonusThisTurn = false; // for the history's point of the turn
    int m_busy = 0;
};

} // namespace zand
