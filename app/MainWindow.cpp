// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "app/Autoplay.h"
#include "app/Controls.h"
#include "app/MachineAccessibility.h"
#include "audio/MusicBox.h"
#include "app/WindowFit.h"
#include "bonus/BonusScreen.h"
#include "game/Prizes.h"
#include "game/History.h"
#include "game/SavedGame.h"
#include "game/Settings.h"
#include "game/Scale.h"
#include "platform/Canvas.h"
#include "platform/DeviceScreen.h"
#include "platform/HelpKey.h"
#include "platform/HelpViewer.h"
#include "audio/SoundBoard.h"
#include "reels/LeverPull.h"
#include "reels/Nudger.h"
#include "reels/Payout.h"
#include "reels/ReelSpinner.h"
#include "screen/Lights.h"
#include "screen/MachineView.h"
#include "screen/ReelAnimator.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QScreen>

#include <cstdio>
#include <utility>

namespace zand {

namespace {

// The game as the history keeps it after a turn, or at its start.
HistoryPoint historyPoint(const GameState &s, int won = 0, bool bonus = false)
{
    return {s.spins, s.credits, s.borrowed, won, bonus};
}

} // namespace

MainWindow::MainWindow(Platform platform, QWidget *parent)
    : QMainWindow(parent)
    , m_platform(std::move(platform))
    , m_canvas(new Canvas(this))
{
    m_random.seed(Random::timeOfDaySeed());
    m_config.appPath = m_platform.appPath;
    m_config.exeBaseName = Config::baseNameOf(m_platform.exeFileName);
    m_config.readTestingIni();
    // An empty title stays empty: the window system would show the
    // program's name for no caption at all.
    setWindowTitle(m_config.gameTitle.isEmpty() ? QStringLiteral(" ") : m_config.gameTitle);
    m_platform.help.setHelpFile(m_config.assetPath(m_config.exeBaseName + QStringLiteral(".html")),
                                m_config.gameTitle);
    setHelpContext(this, HelpContext::MainWindow);
    // F1 in this window and in every dialog it opens; it goes with the window.
    new HelpKey(m_platform.help, this);

    const QScreen *screen = QGuiApplication::primaryScreen();
    const DeviceScreen device = DeviceScreen::of(screen);
    m_config.screenWidth = device.size.width();
    m_config.screenHeight = device.size.height();
    m_config.layoutWidth = Scale::layoutWidth(m_config.screenWidth, m_config.screenHeight);
    m_config.logicalDpi = device.dpi;

    m_pictures.load(m_config);
    m_pictures.prepareReelArt(m_config);
    Pictures::report(m_pictures.warnings);

    setCentralWidget(m_canvas);
    m_view = std::make_unique<MachineView>(*m_canvas, m_config, m_machine, m_pictures);
    m_animator = std::make_unique<ReelAnimator>(*m_view, m_pictures);
    m_sound = std::make_unique<SoundBoard>(m_config, m_session, m_platform.sound);
    m_lights = std::make_unique<Lights>(*m_view, m_machine, m_random);
    m_music = std::make_unique<MusicBox>(m_config, m_session, m_platform.music);
    m_music->setErrorHandler([this](const QString &text) { showError(text); });
    m_spinner = std::make_unique<ReelSpinner>(*m_animator, m_machine, m_session, m_pictures,
                                              m_random, m_platform.clock, *m_sound);
    m_payout = std::make_unique<Payout>(*m_view, *m_lights, m_machine, m_session, *m_sound,
                                        m_platform.clock);
    m_payout->setBonusGame([this] { playBonusGame(); });
    m_nudger = std::make_unique<Nudger>(*m_animator, *m_view, *m_lights, m_machine, m_session,
                                        *m_payout, *m_sound, m_platform.clock);
    m_lever = std::make_unique<LeverPull>(*m_view, m_platform.clock);
    m_controls = std::make_unique<Controls>(
        m_config, m_machine,
        Controls::Parts{*m_view, *m_lights, *m_spinner, *m_payout, *m_nudger, *m_sound, *m_music,
                        *m_lever});
    m_controls->setNotifier([this](const QString &text) { showInformation(text); });
    connect(m_controls.get(), &Controls::busyChanged, this, &MainWindow::busyChanged);
    m_autoplay = std::make_unique<Autoplay>(m_machine, *m_controls, m_platform.clock);
    connect(m_autoplay.get(), &Autoplay::spinsLeftChanged, this,
            [this](int left) { m_view->showAutoplay(left); });
    connect(m_canvas, &Canvas::pressed, this, &MainWindow::pressed);
    connect(m_canvas, &Canvas::keyPressed, this, &MainWindow::keyPressed);
    connect(m_controls.get(), &Controls::logoClicked, this, &MainWindow::openGamesPage);
    m_accessibility = std::make_unique<MachineAccessibility>(*m_canvas, m_config, m_machine, *m_controls);
    m_canvas->setPaintHandler([this] { m_view->paint(); });
    createMenus();

    // Without its two most frequent sounds the game still plays.
    QString error;
    if (!m_sound->loadSoundBuffers(&error))
        showError(error);

    m_windowFit = std::make_unique<WindowFit>(*this, *screen);

    m_savedGames = std::make_unique<SavedGameFile>(
        m_platform.savedGamePath.isEmpty() ? SavedGameFile::defaultPath(m_config.exeBaseName)
                                           : m_platform.savedGamePath);
    const SavedGameFile::Loaded loaded = m_machine.load(*m_savedGames, SavedGameFile::CurrentGameSlot);
    // A saved game that exists but cannot be read is the player's: tell them,
    // play a fresh game, and never write over it.
    m_gameLoaded = !loaded.unreadable;
    if (loaded.unreadable)
        showError(m_savedGames->unreadableMessage());
    m_settings = std::make_unique<Settings>(
        Settings::pathBeside(m_savedGames->filePath(), m_config.exeBaseName));
    m_platform.sound.setVolume(m_settings->effectsVolume());
    m_music->setVolume(m_settings->musicVolume());
    m_history = std::make_unique<History>(
        History::pathBeside(m_savedGames->filePath(), m_config.exeBaseName));
    m_history->load(m_machine.state().spins);
    if (m_history->points().empty()) {
        m_history->begin(historyPoint(m_machine.state()));
    }
    keepHistory();
    // The desktop session may end without closing the window first.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &MainWindow::saveForSessionEnd);

    if (m_config.logicalDpi < 100)
        m_windowFit->maximise();

    m_lights->startIdle();
    m_startUpTimer.setInterval(250);
    m_startUpTimer.setSingleShot(true);
    connect(&m_startUpTimer, &QTimer::timeout, this, &MainWindow::startUpTick);
    m_startUpTimer.start();
}

MainWindow::~MainWindow() = default;

void MainWindow::startUpTick()
{
    m_startUpTimer.stop();
    m_music->start();
    m_sound->playWelcome();
    m_machine.open();
}

void MainWindow::busyChanged(bool busy)
{
    m_busy += busy ? 1 : -1;
    for (QAction *action : std::as_const(m_gameChangingActions))
        action->setEnabled(m_busy == 0);
    if (m_busy != 0)
        return;
    // A close that came in the middle of a spin or nudge waited for its
    // outcome to be settled; it saves the game itself.
    if (m_closeWaiting)
        close();
    else
        saveAfterPlay();
}

void MainWindow::playBonusGame()
{
    const Prizes::Table prizes = Prizes::shuffled(m_random);
    if (m_session.closing) {
        BonusScreen::settle(m_machine, m_random, prizes);
        return;
    }
    // The screen pays the machine when it closes, and the payout goes on.
    m_bonusScreen = std::make_unique<BonusScreen>(m_config, m_machine, m_session, m_random,
                                                  *m_sound, prizes, this);
    connect(m_bonusScreen.get(), &QDialog::finished, this,
            [this] { m_bonusScreen.release()->deleteLater(); });
    m_bonusScreen->open();
}

void MainWindow::pressed(QPoint position)
{
    // A press only stops an autoplay run: it was not aimed at the machine.
    if (m_autoplay->running())
        m_autoplay->stop();
    else
        m_controls->mousePressed(position);
}

void MainWindow::keyPressed(int key)
{
    if (m_autoplay->running())
        m_autoplay->stop();
    else if (key == Qt::Key_A)
        startAutoplay();
    else
        m_controls->keyPressed(key);
}

void MainWindow::startAutoplay()
{
    if (m_machine.busy())
        return;
    if (!m_autoplay->start(m_settings->autoplayPlan()))
        showInformation(tr("Autoplay spins the last bet again: place a bet first."));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_session.closing = true;
    m_autoplay->stop();
    if (m_busy > 0) {
        // Let the running spin or nudge settle first; it closes the window.
        m_closeWaiting = true;
        event->ignore();
        return;
    }
    m_closeWaiting = false;
    saveCurrentGame();
    m_lights->stopAll();
    m_music->timer.stop();
    m_platform.music.close();
    event->accept();
}

void MainWindow::closeUnattended()
{
    m_unattended = true;
    m_session.closing = true;
    dismissModalWindows();
    close();
}

void MainWindow::comeForward()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void MainWindow::dismissModalWindows()
{
    // Each closes as by its close box; the bonus screen pays a safe picked
    // at random.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != this && window->isVisible() && window->isModal())
            window->close();
    }
}

bool MainWindow::writeCurrentGame(QString *error)
{
    // A file that could not be read is kept as it is: nothing is written.
    if (!m_gameLoaded)
        return true;
    if (!m_machine.save(*m_savedGames, SavedGameFile::CurrentGameSlot,
                        QStringLiteral("CurrentGame"), error))
        return false;
    m_saveFailureShown = false;
    return true;
}

void MainWindow::saveCurrentGame()
{
    QString error;
    if (writeCurrentGame(&error))
        return;
    if (m_unattended)
        std::fprintf(stderr, "zandslots: %s\n", qPrintable(error));
    else
        showError(error);
}

void MainWindow::saveAfterPlay()
{
    // Every settled spin and nudge is kept at once, so a power cut or a kill
    // loses at most the one in flight.
    QString error;
    if (writeCurrentGame(&error) || m_saveFailureShown)
        return;
    // One message, not one after every spin: the next comes only after a
    // write has succeeded again.
    m_saveFailureShown = true;
    showError(error);
}

void MainWindow::saveForSessionEnd()
{
    // No box: the session manager may not allow one while the desktop ends.
    QString error;
    if (!writeCurrentGame(&error))
        std::fprintf(stderr, "zandslots: %s\n", qPrintable(error));
}

void MainWindow::showError(const QString &text)
{
    QMessageBox::critical(isVisible() ? this : nullptr, Config::applicationTitle(), text);
}

void MainWindow::showInformation(const QString &text)
{
    QMessageBox::information(this, Config::applicationTitle(), text);
}

void MainWindow::keepHistory()
{
    connect(&m_machine, &Machine::phaseChanged, this, [this](Machine::Phase phase) {
        if (phase == Machine::Phase::Bonus)
            m_bonusThisTurn = true;
    });
    // A spin's point, and a nudge's win added to it.
    connect(&m_machine, &Machine::turnEnded, this, [this](int won) {
        m_history->record(historyPoint(m_machine.state(), won, std::exchange(m_bonusThisTurn, false)));
    });
}

void MainWindow::restartHistory()
{
    m_history->restart(historyPoint(m_machine.state()));
}

} // namespace zand
