// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Starting and ending the game: the settings file, the theme's pictures,
// the reel art for the screen, the window, and the game kept between runs.
#include "GameFixture.h"
#include "ModalAnswerer.h"
#include "TestScreen.h"

#include "app/Controls.h"
#include "platform/Canvas.h"
#include "screen/Lights.h"
#include "game/SavedGame.h"
#include "platform/Jpeg.h"
#include "screen/Pictures.h"

#include <QBuffer>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <cmath>

using namespace zand;

namespace {

QByteArray jpegOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    return bytes;
}

QImage filled(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void settingsFileNamesTitleAndTheme();
    void emptySoundRootLeavesBareSuffixes();
    void symbolSheetSuitsTheLayoutWidth_data();
    void symbolSheetSuitsTheLayoutWidth();
    void themePicturesReplaceBuiltInOnesOrLeaveThem();
    void playersThemeFolderComesAfterTheGamesOwn();
    void jpegDecoderRefusesBrokenFiles();
    void windowFrameFitsTheScreen();
    void fullScreenTakesTheScreenAndF11OrEscapeLeaveIt();
    void gameIsKeptBetweenRuns();
    void missingRequiredSoundIsReportedAndTheGameGoesOn();
    void unreadableSavedGameIsReportedAndKept();
};

void StartupTest::settingsFileNamesTitleAndTheme()
{
    {
        GameFixture game;
        MainWindow &window = game.start();
        QCOMPARE(window.windowTitle(), QStringLiteral("Zandor Slots"));
        QCOMPARE(probe(window).config().soundRoot, QStringLiteral("Zand"));
        QCOMPARE(probe(window).config().exeBaseName, QStringLiteral("zandslots"));
    }
    GameFixture game;
    game.writeFile("testing.INI", "[settings]\r\nAboutName=The Grand Emerald Palace Casino Royale\r\nsoundroot=Zand\r\n");
    MainWindow &window = game.start();
    QCOMPARE(window.windowTitle(), QStringLiteral("The Grand Emerald Palace Casin"));
    QCOMPARE(probe(window).config().manualCaption(), QStringLiteral("&The Grand Emerald Palace Casin Manual"));
    QCOMPARE(Config::applicationTitle(), QStringLiteral("Zandor Slots"));

    // An empty title leaves the caption blank, not the program's name.
    GameFixture untitled;
    untitled.writeFile("Testing.ini", "[Settings]\r\nAboutName=\r\n");
    MainWindow &blank = untitled.start();
    QCOMPARE(probe(blank).config().gameTitle, QString());
    QVERIFY(blank.windowHandle()->title().trimmed().isEmpty());
}

void StartupTest::emptySoundRootLeavesBareSuffixes()
{
    GameFixture game;
    QFile::rename(game.appPath() + "Zand0.wav", game.appPath() + "0.wav");
    QFile::rename(game.appPath() + "Zand3.wav", game.appPath() + "3.wav");
    game.writeFile("Testing.ini", "[Settings]\r\nSoundRoot=\r\n");
    ModalAnswerer answerer;
    MainWindow &window = game.start();
    QCOMPARE(probe(window).config().soundRoot, QString());
    QVERIFY(answerer.messages.isEmpty());
    game.sound.played.clear();
    probe(window).controls().betOne();
    QCOMPARE(game.sound.names(), QStringList{"1.wav"});
}

void StartupTest::symbolSheetSuitsTheLayoutWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("sheetFile");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("symbolSize");
    QTest::newRow("640 with its sheet") << 640 << "Zand61.jpg" << 61 << 61;
    QTest::newRow("640 without") << 640 << "" << 0 << 60;
    QTest::newRow("800 uses the sheet as it is") << 800 << "" << 0 << 76;
    QTest::newRow("1024 with its sheet") << 1024 << "zand98.JPG" << 98 << 98;
    QTest::newRow("1024 without") << 1024 << "" << 0 << 97;
    QTest::newRow("1365 (1366x1024) looks for none") << 1365 << "Zand152.jpg" << 152 << 129;
    QTest::newRow("1600 with its sheet") << 1600 << "Zand152.jpg" << 152 << 152;
    QTest::newRow("1600 without") << 1600 << "" << 0 << 152;
}

void StartupTest::symbolSheetSuitsTheLayoutWidth()
{
    QFETCH(int, width);
    QFETCH(QString, sheetFile);
    QFETCH(int, cell);
    QFETCH(int, symbolSize);
    QTemporaryDir dir;
    Config config;
    config.appPath = dir.path() + "/";
    config.layoutWidth = width;
    if (!sheetFile.isEmpty())
        QVERIFY(filled(4 * cell, 3 * cell, Qt::darkCyan).save(config.appPath + sheetFile, "JPG"));
    Pictures pictures;
    pictures.load(config);
    pictures.prepareReelArt(config);
    QCOMPARE(pictures.symbolSize, symbolSize);
    if (cell == symbolSize) // a sheet for this width is used as it is
        QCOMPARE(pictures.scaledSymbolSheet.size(), QSize(4 * cell, 3 * cell));
    else
        QCOMPARE(pictures.scaledSymbolSheet.size(), QSize(config.scale(304), config.scale(228)));
    QCOMPARE(pictures.reelLeft, config.scale(258));
    QCOMPARE(pictures.blurHeight, config.scale(456));
}

void StartupTest::themePicturesReplaceBuiltInOnesOrLeaveThem()
{
    QTemporaryDir dir;
    Config config;
    config.appPath = dir.path() + "/";
    const auto put = [&](const QString &name, const QByteArray &bytes) {
        QFile file(config.appPath + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    put("TESTER.JPG", jpegOf(filled(640, 480, Qt::darkGreen)));        // a good one, any case
    put("SpinBut.jpg", jpegOf(filled(78, 118, Qt::red)).left(300));    // truncated
    put("Bet5But.jpg", "not a picture at all");
    put("BET1B.jpg", jpegOf(filled(9000, 8, Qt::blue)));               // too wide
    Pictures pictures;
    pictures.load(config);
    QCOMPARE(pictures.machine.size(), QSize(640, 480));
    QCOMPARE(pictures.spinButton, Pictures::builtIn("spinbut.jpg"));
    QCOMPARE(pictures.betMaxButton, Pictures::builtIn("bet5but.jpg"));
    QCOMPARE(pictures.dimmedBadge, Pictures::builtIn("bet1bdimmed.jpg"));
    QCOMPARE(pictures.warnings.size(), 3);
}

void StartupTest::playersThemeFolderComesAfterTheGamesOwn()
{
    const QByteArray testData = qgetenv("XDG_DATA_HOME");
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    QVERIFY(QDir(data.path()).mkpath("zandslots"));
    QVERIFY(filled(800, 600, QColor(0, 120, 0)).save(data.path() + "/zandslots/Tester.JPG", "JPG"));
    const auto machineColour = [](GameFixture &game) {
        MainWindow &window = game.start();
        probe(window).lights().stopAll();
        probe(window).canvas().repaintNow();
        // Below the logo, left of the pay glass: nothing is drawn over it.
        return QColor(probe(window).canvas().pixel(probe(window).config().scale(4),
                                                   probe(window).config().scale(300)));
    };
    GameFixture themed;
    const QColor fromPlayer = machineColour(themed);
    QVERIFY(fromPlayer.green() > 100 && fromPlayer.red() < 20 && fromPlayer.blue() < 20);
    // A picture beside the executable wins.
    GameFixture own;
    own.writeFile("tester.jpg", jpegOf(filled(800, 600, QColor(120, 0, 0))));
    const QColor fromGame = machineColour(own);
    QVERIFY(fromGame.red() > 100 && fromGame.green() < 20);
    qputenv("XDG_DATA_HOME", testData);
}

void StartupTest::jpegDecoderRefusesBrokenFiles()
{
    const QByteArray good = jpegOf(filled(33, 17, QColor(200, 100, 50)));
    QString error;
    const QImage image = Jpeg::decode(good, &error);
    QCOMPARE(image.size(), QSize(33, 17));
    QVERIFY(qAbs(qRed(image.pixel(5, 5)) - 200) < 6);
    for (const QByteArray &bad : {QByteArray(), QByteArray("GIF89a...."), good.left(good.size() / 2),
                                  good.left(2)}) {
        error.clear();
        QVERIFY(Jpeg::decode(bad, &error).isNull());
        QVERIFY(!error.isEmpty());
    }
    QVERIFY(Jpeg::load("/nonexistent/picture.jpg", &error).isNull());
}

void StartupTest::windowFrameFitsTheScreen()
{
    const TestScreen expected = TestScreen::current();
    GameFixture game;
    MainWindow &window = game.start();
    QCOMPARE(probe(window).config().screenWidth, expected.pixels.width());
    QCOMPARE(probe(window).config().logicalDpi, expected.dpi);
    if (expected.dpi < 100) {
        QVERIFY(window.windowState() & Qt::WindowMaximized);
        return;
    }
    QVERIFY(!(window.windowState() & Qt::WindowMaximized));
    // The frame, not the inside, is ten device pixels smaller than the
    // screen each way, and it lies inside the screen's free area.
    const QRect frame = window.frameGeometry();
    QVERIFY(frame.size() != window.size());
    const QSizeF framePixels = QSizeF(frame.size()) * expected.ratio;
    QVERIFY2(std::abs(framePixels.width() - (expected.pixels.width() - 10)) <= expected.ratio
                 && std::abs(framePixels.height() - (expected.pixels.height() - 10)) <= expected.ratio,
             qPrintable(QStringLiteral("frame %1 x %2").arg(framePixels.width()).arg(framePixels.height())));
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(frame));
    // Not resizable.
    QCOMPARE(window.minimumSize(), window.size());
    QCOMPARE(window.maximumSize(), window.size());
}

void StartupTest::fullScreenTakesTheScreenAndF11OrEscapeLeaveIt()
{
    GameFixture game;
    MainWindow &window = game.start();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QSize normal = window.size();
    const QRect screen = window.screen()->geometry();
    for (const Qt::Key leave : {Qt::Key_F11, Qt::Key_Escape}) {
        QTest::keyClick(&window, Qt::Key_F11);
        QTRY_VERIFY(window.isFullScreen());
        QTRY_COMPARE(window.geometry(), screen);
        QTest::keyClick(&window, leave);
        QTRY_VERIFY(!window.isFullScreen());
        QTRY_COMPARE(window.size(), normal);
    }
}

void StartupTest::gameIsKeptBetweenRuns()
{
    GameFixture game;
    {
        MainWindow &window = game.start();
        QCOMPARE(game.state().credits, 1000);
        QCOMPARE(game.state().borrowed, 1000);
        QCOMPARE(game.state().nudges, 0);
        probe(window).newGame();
        QCOMPARE(game.state().nudges, 6);
        game.state().credits = 1234;
        game.state().spins = 17;
        window.close();
    }
    QFile file(game.savedGamePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    QVERIFY(saved.startsWith("[CurrentGame]\r\nGameName=CurrentGame\r\nGameDate="));
    QVERIFY(saved.contains("\r\nCredits=1234\r\n"));
    game.window.reset();

    game.start();
    QCOMPARE(game.state().credits, 1234);
    QCOMPARE(game.state().spins, 17);
    QCOMPARE(game.state().nudges, 6);
    QCOMPARE(game.state().bet, 0);
}

void StartupTest::missingRequiredSoundIsReportedAndTheGameGoesOn()
{
    GameFixture game;
    QFile::remove(game.appPath() + "Zand0.wav");
    ModalAnswerer answerer;
    game.start();
    QCOMPARE(answerer.messages.size(), 1);
    QVERIFY(answerer.messages.first().contains("Zand0.wav"));
    // The game was loaded and plays, without its reel-stop sound.
    QCOMPARE(game.state().credits, 1000);
    game.sound.played.clear();
    // A spin that opens the vault would hold the closing until a safe is picked.
    probe(*game.window).skipBonusGames();
    probe(*game.window).controls().betMax();
    QCOMPARE(game.state().spins, 1);
    QVERIFY(!game.sound.names().contains("Zand0.wav"));
    game.window->close();
    QVERIFY(QFile::exists(game.savedGamePath()));
}

void StartupTest::unreadableSavedGameIsReportedAndKept()
{
    // A folder where the saved game should be: it exists, and cannot be read.
    GameFixture game;
    QVERIFY(QDir().mkpath(game.savedGamePath()));
    ModalAnswerer answerer;
    game.start();
    QCOMPARE(answerer.messages,
             QStringList("Unable to read " + game.savedGamePath()
                         + "; this game will not be saved over it."));
    QCOMPARE(game.state().credits, 1000);
    probe(*game.window).skipBonusGames();
    probe(*game.window).controls().betMax();
    QCOMPARE(game.state().spins, 1);
    game.window->close();
    QCOMPARE(answerer.messages.size(), 1);
    QVERIFY(QFileInfo(game.savedGamePath()).isDir());
}

ZAND_TEST_MAIN(StartupTest)
#include "tst_startup.moc"
