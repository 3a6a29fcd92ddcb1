// The main window's menu and the commands behind it.
#include "MainWindow.h"

#include "app/Autoplay.h"
#include "app/Controls.h"
#include "audio/MusicBox.h"
#include "dialogs/AutoplayDialog.h"
#include "dialogs/BorrowDialog.h"
#include "dialogs/DialogLook.h"
#include "dialogs/PayoffChart.h"
#include "dialogs/SlotDialog.h"
#include "dialogs/StatisticsDialog.h"
#include "dialogs/VolumeDialog.h"
#include "audio/SoundBoard.h"
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
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    m_gameChangingActions << file->addAction(QStringLiteral("&New Game"), this, &MainWindow::newGame);
    file->addSeparator();
    m_gameChangingActions << file->addAction(QStringLiteral("&Open Game"), this, &MainWindow::openGame);
    m_gameChangingActions << file->addAction(QStringLiteral("&Save Game"), this, &MainWindow::saveGame);
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), this, [this] {
        m_session.closing = true;
        close();
    });

    QMenu *options = menuBar()->addMenu(QStringLiteral("&Options"));
    m_soundAction = options->addAction(QStringLiteral("Sound"), this, [this] {
        m_session.soundOn = !m_session.soundOn;
        m_soundAction->setChecked(m_session.soundOn);
    });
    m_soundAction->setCheckable(true);
    m_soundAction->setChecked(true);
    m_musicAction = options->addAction(QStringLiteral("Music"), this, [this] {
        m_music->toggle();
        m_musicAction->setChecked(m_session.musicOn);
    });
    m_musicAction->setCheckable(true);
    m_musicAction->setChecked(true);
    options->addAction(QStringLiteral("&Volume..."), this, &MainWindow::chooseVolume);
    options->addAction(QStringLiteral("&Autoplay...\tA"), this, &MainWindow::chooseAutoplay);

    m_gameChangingActions << menuBar()->addAction(QStringLiteral("&Borrow"), this, &MainWindow::borrow);
    // The statistics and the chart change nothing: open during a spin too.
    menuBar()->addAction(QStringLiteral("&Stats"), this, &MainWindow::showStatistics);
    menuBar()->addAction(QStringLiteral("&Payoffs"), this, &MainWindow::showPayoffs);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    // Every menu command is the player's: an autoplay run gives way to it.
    // A menu stops the run as it opens, a command on the bar as it is taken.
    for (QAction *action : menuBar()->actions()) {
        if (QMenu *menu = action->menu())
            connect(menu, &QMenu::aboutToShow, m_autoplay.get(), &Autoplay::stop);
        else
            connect(action, &QAction::triggered, m_autoplay.get(), &Autoplay::stop);
    }
    help->addAction(QStringLiteral("Version"), this, &MainWindow::showVersion);
    help->addSeparator();
    help->addAction(m_config.manualCaption(), this, &MainWindow::showManual);
    help->addSeparator();
    help->addAction(QStringLiteral("&Zantek Games Page"), this, &MainWindow::openGamesPage);
    help->addSeparator();
    help->addAction(QStringLiteral("&Company Information"), this,
                    &MainWindow::showCompanyInformation);
}

void MainWindow::newGame()
{
    m_machine.newGame();
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
    if (dialog.game() != m_machine.record())
        m_machine.restore(dialog.game());
}

void MainWindow::borrow()
{
    BorrowDialog dialog(m_config, m_machine, m_pictures, this);
    dialog.exec();
}

void MainWindow::showStatistics()
{
    StatisticsDialog statistics(m_machine.record(), this);
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
    AutoplayDialog dialog(m_autoplayPlan, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_autoplayPlan = dialog.plan();
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
                    m_config.gameTitle + QStringLiteral("\n\nVersion:  ") + m_config.versionText,
                    QMessageBox::Ok, this);
    // A box as narrow as its text would leave its title no room.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(DialogLook::titleRoom(&box), 0, QSizePolicy::Expanding),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
}

void MainWindow::showManual()
{
    m_platform.help.showContents();
}

void MainWindow::openGamesPage()
{
    openWebPage(m_platform.browser, WebPages::address(WebPages::GamesPage, m_config.appPath), this);
}

void MainWindow::showCompanyInformation()
{
    m_platform.help.showTopic(HelpContext::Company);
}

} // namespace zand
