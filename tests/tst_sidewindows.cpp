// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows beside the machine that only show the game: the statistics,
// the payoff chart and the version box, each opened from the menu bar.
#include "GameFixture.h"
#include "ModalAnswerer.h"
#include "ScreenProbe.h"

#include "app/Controls.h"
#include "app/Startup.h"
#include "game/Assets.h"
#include "platform/HelpViewer.h"
#include "screen/Pictures.h"

#include <QBuffer>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace zand;

namespace {

QAction *menuCommand(MainWindow &window, const QString &text)
{
    for (QAction *action : window.findChildren<QAction *>())
        if (action->text() == text)
            return action;
    return nullptr;
}

// Opens a window from the menu; `look` sees it before it is closed.
void openFromMenu(MainWindow &window, const QString &command, const std::function<void(QDialog *)> &look)
{
    bool seen = false;
    ModalAnswerer answerer([&](QWidget *modal) {
        seen = true;
        auto *dialog = qobject_cast<QDialog *>(modal);
        QVERIFY(dialog);
        look(dialog);
        dialog->accept();
    });
    QAction *action = menuCommand(window, command);
    QVERIFY(action && action->isEnabled());
    action->trigger();
    QVERIFY(seen);
}

QByteArray jpegOf(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    return bytes;
}

using Figures = QMap<QString, QString>;

// The value labels of the statistics window, by name.
Figures figuresShown(const QDialog *dialog)
{
    Figures shown;
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        if (!label->objectName().isEmpty())
            shown[label->objectName()] = label->text();
    return shown;
}

} // namespace

class SideWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void statisticsShowTheGameInFullView_data();
    void statisticsShowTheGameInFullView();
    void statisticsOpenDuringASpin();
    void payoffChartFitsItsPicture_data();
    void payoffChartFitsItsPicture();
    void versionBoxNamesTheGameAndItsVersion();
};

void SideWindowsTest::statisticsShowTheGameInFullView_data()
{
    QTest::addColumn<GameRecord>("game");
    QTest::addColumn<Figures>("figures");

    QTest::newRow("new game") << GameRecord{}
        << Figures{{"spins", "         0"}, {"credits", "     1,000"},
                                  {"borrowed", "     1,000"}, {"totalBets", "         0"},
                                  {"payoffs", "         0"}, {"normal", "         0"},
                                  {"bonus", "         0"}, {"percentage", "0.00%"}};
    // Figures as long as a game can make them.
    GameRecord longGame;
    longGame.spins = 2147483647;
    longGame.credits = 2147483647;
    longGame.borrowed = 1000;
    longGame.totalBets = 1;
    longGame.bonusWon = -2147483647;
    QTest::newRow("long figures") << longGame
        << Figures{{"spins", "2,147,483,647"}, {"credits", "2,147,483,647"},
                                  {"borrowed", "     1,000"}, {"totalBets", "         1"},
                                  {"payoffs", "2,147,482,648"}, {"normal", "4,294,966,295"},
                                  {"bonus", "-2,147,483,647"}, {"percentage", "214748264800.00%"}};
    // A hand-edited file: the machine owes more than it ever paid.
    GameRecord inDebt;
    inDebt.credits = -2147483647 - 1;
    inDebt.borrowed = 2147483647;
    inDebt.totalBets = 5;
    QTest::newRow("negative payoffs") << inDebt
        << Figures{{"spins", "         0"}, {"credits", "-2,147,483,648"},
                   {"borrowed", "2,147,483,647"}, {"totalBets", "         5"},
                   {"payoffs", "-4,294,967,290"}, {"normal", "-4,294,967,290"},
                   {"bonus", "         0"}, {"percentage", "-85899345800.00%"}};
}

void SideWindowsTest::statisticsShowTheGameInFullView()
{
    QFETCH(GameRecord, game);
    QFETCH(Figures, figures);
    GameFixture fixture;
    MainWindow &window = fixture.start();
    fixture.state().record() = game;
    openFromMenu(window, QStringLiteral("&Stats"), [&](QDialog *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Your Game Statistics"));
        QCOMPARE(figuresShown(dialog), figures);
        // Every text whole, inside the window and clear of the others.
        const QList<QWidget *> parts = dialog->findChildren<QWidget *>();
        for (const QWidget *part : parts) {
            QVERIFY2(dialog->rect().contains(part->geometry()), qPrintable(part->objectName()));
            if (const auto *label = qobject_cast<const QLabel *>(part)) {
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
                QVERIFY2(label->height() >= label->sizeHint().height(), qPrintable(label->text()));
            }
            for (const QWidget *other : parts)
                QVERIFY2(part == other || !part->geometry().intersects(other->geometry()),
                         qPrintable(part->objectName() + " / " + other->objectName()));
        }
        // F1 finds no topic here, not even the main window's.
        QCOMPARE(helpContextOf(dialog->findChild<QPushButton *>()), 0);
    });
    QCOMPARE(fixture.state().record(), game);
}

void SideWindowsTest::statisticsOpenDuringASpin()
{
    GameFixture fixture;
    MainWindow &window = fixture.start();
    QString spinsSeen;
    fixture.clock.onPump = [&] {
        if (!spinsSeen.isEmpty() || probe(window).machine().phase() != Machine::Phase::Spinning)
            return;
        openFromMenu(window, QStringLiteral("&Stats"),
                     [&](QDialog *dialog) { spinsSeen = figuresShown(dialog).value("spins"); });
    };
    probe(window).controls().betMax();
    QCOMPARE(spinsSeen.trimmed(), QStringLiteral("1"));
    QCOMPARE(fixture.state().spins, 1);
}

void SideWindowsTest::payoffChartFitsItsPicture_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QSize>("size"); // empty: as large as the screen allows

    QTest::newRow("built in") << QString() << QByteArray() << QSize(640, 560);
    QTest::newRow("theme's own") << "PAYCHART.jpg" << jpegOf(800, 600, Qt::red) << QSize(800, 600);
    QTest::newRow("broken") << "Paychart.jpg" << jpegOf(800, 600, Qt::red).left(500)
                            << QSize(640, 560);
    QTest::newRow("larger than the screen") << "paychart.JPG" << jpegOf(4000, 3000, Qt::red)
                                            << QSize(4000, 3000);
}

void SideWindowsTest::payoffChartFitsItsPicture()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QSize, size);
    GameFixture fixture;
    if (!file.isEmpty())
        fixture.writeFile(file, content);
    MainWindow &window = fixture.start();
    openFromMenu(window, QStringLiteral("&Payoffs"), [&](QDialog *chart) {
        QCOMPARE(chart->windowTitle(), QStringLiteral("Payoff Chart"));
        QCOMPARE(helpContextOf(chart), HelpContext::PayoffChart);
        const QImage shown = chart->grab().toImage();
        const QRect screen = chart->screen()->availableGeometry();
        // Sizes are the desktop's own (scaled) pixels, as Qt shows side windows.
        if (size.height() + 24 > screen.height() || size.width() > screen.width()) {
            // Shrunk to leave room for a title bar, in the picture's shape.
            QVERIFY(chart->height() + 24 <= screen.height());
            QVERIFY(chart->height() > screen.height() * 9 / 10);
            QVERIFY(qAbs(chart->width() * size.height() - chart->height() * size.width())
                    <= size.width());
        } else {
            QCOMPARE(chart->size(), size);
        }
        if (size == QSize(640, 560)) {
            // On a scaled desktop Qt shows it scaled: alike, not equal.
            const QImage chartPicture = Pictures::builtIn(Assets::PayChart).scaled(
                shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const qint64 pixels = qint64(shown.width()) * shown.height();
            QVERIFY(ScreenProbe::distance(shown, chartPicture) <= 12 * 3 * pixels);
        } else
            QVERIFY(qRed(shown.pixel(shown.width() / 2, shown.height() / 2)) > 240);
    });
}

void SideWindowsTest::versionBoxNamesTheGameAndItsVersion()
{
    GameFixture fixture;
    fixture.writeFile("Testing.ini", "[Settings]\r\nAboutName=Emerald Nights\r\n");
    MainWindow &window = fixture.start();
    ModalAnswerer answerer;
    menuCommand(window, QStringLiteral("Version"))->trigger();
    QCOMPARE(answerer.messages, QStringList{QStringLiteral("Emerald Nights\n\nVersion:  2.2\n")
                                            + Startup::licenceLine()});
    QVERIFY(Startup::licenceLine().contains(QStringLiteral("GPL-3.0-or-later")));
}

ZAND_TEST_MAIN(SideWindowsTest)
#include "tst_sidewindows.moc"
