// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Help in the game: F1 in its windows and dialogs, the Help menu, the logo
// chip and a desktop without a browser.
#include "GameFixture.h"
#include "ScreenProbe.h"
#include "ModalAnswerer.h"

#include "app/Controls.h"
#include "platform/Canvas.h"
#include "platform/HelpViewer.h"
#include "screen/MachineView.h"

#include <QDialog>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace zand;

namespace {

QMenu *helpMenu(MainWindow &window)
{
    for (QAction *action : window.menuBar()->actions()) {
        if (action->text() == QStringLiteral("&Help"))
            return action->menu();
    }
    return nullptr;
}

QAction *item(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

class HelpTest : public QObject
{
    Q_OBJECT

private slots:
    void f1InTheMainWindowOpensItsTopic();
    void f1InADialogOpensTheTopicOfTheControlOrItsWindow_data();
    void f1InADialogOpensTheTopicOfTheControlOrItsWindow();
    void helpMenuItemsOpenTheirTopicsAndTheGamesPage();
    void renamedProgramLooksForItsOwnManual();
    void withoutABrowserThePlayerIsToldWhereThePageIs();
    void clickOnTheLogoOpensTheGamesPage();
};

void HelpTest::f1InTheMainWindowOpensItsTopic()
{
    GameFixture game;
    MainWindow &window = game.start();
    QTest::keyClick(window.windowHandle(), Qt::Key_F1);
    QCOMPARE(game.help.opened, {HelpContext::MainWindow});
    QCOMPARE(game.state().bet, 0);
}

// Small dialogs carrying the contexts of the game's own: F1 goes to the
// focused button's topic, else its window's, else nowhere, never to the
// main window that opened the dialog.
void HelpTest::f1InADialogOpensTheTopicOfTheControlOrItsWindow_data()
{
    QTest::addColumn<int>("windowContext");
    QTest::addColumn<int>("buttonContext");
    QTest::addColumn<QList<int>>("opened");
    QTest::newRow("borrow button") << HelpContext::MainWindow << HelpContext::BorrowButtons
                                   << QList<int>{HelpContext::BorrowButtons};
    QTest::newRow("slot dialog") << HelpContext::SlotDialog << 0
                                 << QList<int>{HelpContext::SlotDialog};
    QTest::newRow("statistics") << 0 << 0 << QList<int>{};
}

void HelpTest::f1InADialogOpensTheTopicOfTheControlOrItsWindow()
{
    QFETCH(int, windowContext);
    QFETCH(int, buttonContext);
    QFETCH(QList<int>, opened);
    GameFixture game;
    MainWindow &window = game.start();
    QDialog dialog(&window);
    setHelpContext(&dialog, windowContext);
    auto *button = new QPushButton(QStringLiteral("$100"), &dialog);
    setHelpContext(button, buttonContext);
    new QPushButton(QStringLiteral("OK"), &dialog);
    button->setFocus();
    ModalAnswerer answerer([&](QWidget *modal) {
        QTest::keyClick(modal->windowHandle(), Qt::Key_F1);
        dialog.accept();
    });
    dialog.exec();
    QCOMPARE(game.help.opened, opened);
}

void HelpTest::helpMenuItemsOpenTheirTopicsAndTheGamesPage()
{
    GameFixture game;
    game.writeFile("Testing.ini",
                   "[Settings]\r\nAboutName=The Grand Emerald Palace Casino Royale\r\n");
    MainWindow &window = game.start();
    QMenu *help = helpMenu(window);
    QVERIFY(help);
    QStringList items;
    for (const QAction *action : help->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    const QString manual = QStringLiteral("&The Grand Emerald Palace Casin Manual");
    QCOMPARE(items, QStringList({"Version", "-", manual, "-", "&Zantek Games Page", "-",
                                 "&Company Information"}));

    item(help, manual)->trigger();
    item(help, QStringLiteral("&Company Information"))->trigger();
    QCOMPARE(game.help.opened, QList<int>({0, HelpContext::Company}));

    // Twice asked for, twice opened; the game goes on in between.
    item(help, QStringLiteral("&Zantek Games Page"))->trigger();
    item(help, QStringLiteral("&Zantek Games Page"))->trigger();
    const QUrl page = QUrl::fromLocalFile(game.appPath() + "games/index.html");
    QCOMPARE(game.browser.opened, QList<QUrl>({page, page}));
    QCOMPARE(game.help.title, QStringLiteral("The Grand Emerald Palace Casin"));
}

void HelpTest::renamedProgramLooksForItsOwnManual()
{
    GameFixture game;
    game.exeFileName = QStringLiteral("pirates");
    game.start();
    QCOMPARE(game.help.file, game.appPath() + "pirates.html");
}

void HelpTest::withoutABrowserThePlayerIsToldWhereThePageIs()
{
    GameFixture game;
    MainWindow &window = game.start();
    game.browser.works = false;
    ModalAnswerer answerer;
    item(helpMenu(window), QStringLiteral("&Zantek Games Page"))->trigger();
    const QUrl page = QUrl::fromLocalFile(game.appPath() + "games/index.html");
    QCOMPARE(answerer.messages,
             QStringList({"Could not find a web browser on your system!",
                          "Please visit Zantek at:  https://zantek.github.io/zandslots/\nor open "
                              + page.toDisplayString()}));
    QCOMPARE(answerer.icons,
             QList<QMessageBox::Icon>({QMessageBox::Critical, QMessageBox::Information}));
    QCOMPARE(game.browser.opened, {page});
}

void HelpTest::clickOnTheLogoOpensTheGamesPage()
{
    GameFixture game;
    MainWindow &window = game.start();
    Canvas &canvas = probe(window).canvas();
    const QRect logo = probe(window).view().logoArea();
    const int corner = probe(window).config().scale(10);
    QCOMPARE(logo.topLeft(), QPoint(corner, corner));
    const QPoint edges[] = {logo.topLeft(), logo.topLeft() + QPoint(logo.width(), logo.height())};
    for (const QPoint at : edges)
        ScreenProbe::click(canvas, at);
    // Any button, and in the middle of a spin too.
    MachineTestDoor::setPhase(probe(*game.window).machine(), Machine::Phase::Spinning);
    ScreenProbe::click(canvas, logo.center(), Qt::RightButton);
    MachineTestDoor::setPhase(probe(*game.window).machine(), Machine::Phase::Idle);
    ScreenProbe::click(canvas, logo.bottomRight() + QPoint(2, 0));
    ScreenProbe::click(canvas, logo.bottomRight() + QPoint(0, 2));

    const QUrl page = QUrl::fromLocalFile(game.appPath() + "games/index.html");
    QCOMPARE(game.browser.opened, QList<QUrl>({page, page, page}));
    QCOMPARE(game.state().bet, 0);
}

ZAND_TEST_MAIN(HelpTest)
#include "tst_help.moc"
