// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu and the commands behind it.
#include "MainWindow.h"

#include "app/Autoplay.h"
#include "app/Controls.h"
#include "app/Startup.h"
#include "app/WindowFit.h"
#include "audio/MusicBox.h"
#include "dialogs/AutoplayDialog.h"
#include "dialogs/BorrowDialog.h"
#include "dialogs/DialogLook.h"
#include "dialogs/PayoffChart.h"
#include "dialogs/SlotDialog.h"
#include "dialogs/StatisticsDialog.h"
#include "dialogs/VolumeDialog.h"
#include "audio/SoundBoard.h"
#include "game/History.h"
#include "game/Settings.h"
#include "game/WebPages.h"
#include "platform/Browser.h"
#include "platform/Canvas.h"
#include "platform/HelpViewer.h"

#include <QGridLayout>
#include <QMenuBar>
#include <QMessageBox>

namespace zand {

void MainWindow::createMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    // The desktop's usual keys; they rest with their items while the reels move.
    const auto withKey = [](QAction *action, const QKeySequence &key) {
        action->setShortcut(key);
        return action;
    };
    m_gameChangingActions << withKey(file->addAction(tr("&New Game"), this, &MainWindow::newGame),
                                     Qt::CTRL | Qt::Key_N);
    file->addSeparator();
    m_gameChangingActions << withKey(file->addAction(tr("&Open Game"), this, &MainWindow::openGame),
                                     Qt::CTRL | Qt::Key_O);
    m_gameChangingActions << withKey(file->addAction(tr("&Save Game"), this, &MainWindow::saveGame),
                                     Qt::CTRL | Qt::Key_S);
    file->addSeparator();
    withKey(file->addAction(tr("E&xit"), this, [this] {
        m_session.closing = true;
        close();
    }), Qt::CTRL | Qt::Key_Q);

    QMenu *options = menuBar()->addMenu(tr("&Options"));
    m_soundAction = options->addAction(tr("Sound"), this, [this] {
        m_session.soundOn = !m_session.soundOn;
        m_soundAction->setChecked(m_session.soundOn);
    });
    m_soundAction->setCheckable(true);
    m_soundAction->setChecked(true);
    m_musicAction = options->addAction(tr("Music"), this, [this] {
        m_music->toggle();
        m_musicAction->setChecked(m_session.musicOn);
    });
    m_musicAction->setCheckable(true);
    m_musicAction->setChecked(true);
    options->addAction(tr("&Volume..."), this, &MainWindow::chooseVolume);
    options->addAction(tr("&Autoplay...\tA"), this, &MainWindow::chooseAutoplay);
    options->addSeparator();
    options->addAction(tr("&Full Screen"), this, [this] { m_windowFit->toggleFullScreen(); })
        ->setShortcut(Qt::Key_F11);

    m_gameChangingActions << menuBar()->addAction(tr("&Borrow"), this, &MainWindow::borrow);
    // The statistics and the chart change nothing: open during a spin too.
    menuBar()->addAction(tr("&Stats"), this, &MainWindow::showStatistics);
    menuBar()->addAction(tr("&Payoffs"), this, &MainWindow::showPayoffs);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    // Every menu command is the player's: an autoplay run gives way to it.
    // A menu stops the run as it opens, a command on the bar as it is taken.
    for (QAction *action : menuBar()->actions()) {
        if (QMenu *menu = action->menu())
            connect(menu, &QMenu::aboutToShow, m_autoplay.get(), &Autoplay::stop);
        else
            connect(action, &QAction::triggered, m_autoplay.get(), &Autoplay::stop);
    }
    help->addAction(tr("Version"), this, &MainWindow::showVersion);
    help->addSeparator();
    help->addAction(m_config.manualCaption(), this, &MainWindow::showManual);
    help->addSeparator();
    help->addAction(tr("&Zantek Games Page"), this, &MainWindow::openGamesPage);
    help->addSeparator();
    help->addAction(tr("&Company Information"), this,
                    &MainWindow::showCompanyInformation);
}

void MainWindow::newGame()
{
    m_machine.newGame();
    restartHistory();
}

void MainWindow::openGame()
{
    runSlotDialog(SlotDialogMode::Open);
}

void MainWindow::saveGame()
{
    runSlotDialog(SlotDialogMode::Save);
}

void MainWindow::runSlotDialog(SlotDialogMode mode)
{
    SlotDialog dialog(mode, *m_savedGames, m_machine.record(), m_config.gameTitle, m_platform.help, this);
    connect(m_controls.get(), &Controls::busyChanged, &dialog, [&] { dialog.setSlotsEnabled(m_busy == 0); });
    dialog.exec();
    if (dialog.game() != m_machine.record()) {
        m_machine.restore(dialog.game());
        restartHistory();
    }
}

void MainWindow::borrow()
{
    BorrowDialog dialog(m_config, m_machine, m_pictures, this);
    dialog.exec();
}

void MainWindow::showStatistics()
{
    StatisticsDialog statistics(m_machine.statistics(), m_history->points(), this);
    statistics.exec();
}

void MainWindow::chooseVolume()
{
    VolumeDialog dialog(m_settings->effectsVolume(), m_settings->musicVolume(), this);
    connect(&dialog, &VolumeDialog::effectsChanged, this, [this](int percent) { m_sound->setVolume(percent); });
    connect(&dialog, &VolumeDialog::musicChanged, m_music.get(), &MusicBox::setVolume);
    dialog.exec();
    // Closed by its close box or by OK, the levels heard are the ones kept.
    QString error;
    if (!m_settings->setVolumes(dialog.effects(), dialog.music(), &error))
        showError(error);
}

void MainWindow::chooseAutoplay()
{
    AutoplayDialog dialog(m_settings->autoplayPlan(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The run starts even when its choices cannot be kept for the next.
    QString error;
    if (!m_settings->setAutoplayPlan(dialog.plan(), &error))
        showError(error);
    startAutoplay();
}

void MainWindow::showPayoffs()
{
    PayoffChart chart(m_config, this);
    chart.exec();
}

void MainWindow::showVersion()
{
    QMessageBox box(QMessageBox::Information, Config::applicationTitle(),
                    m_config.gameTitle + tr("\n\nVersion:  ") + m_config.versionText
                        + QStringLiteral("\n") + Startup::licenceLine(),
                    QMessageBox::Ok, this);
    // A box as narrow as its text would leave its title no room.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(DialogLook::titleRoom(&box), 0, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
}

void MainWindow::showManual()
{
    m_platform.help.showContents();
}

void MainWindow::openGamesPage()
{
    openWebPage(m_platform.browser, WebPages::address(WebPages::GamesPage, m_config), this);
}

void MainWindow::showCompanyInformation()
{
    m_platform.help.showTopic(HelpContext::Company);
}

} // namespace zand
