// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows beside the machine look alike at every desktop scaling: each is
// drawn on a screen of the same size in the window system's pixels at 100 %
// (the run that keeps the pictures) and at 125, 150 and 200 % (the runs that
// compare with them). The scaled picture, brought back down to the size of
// the 100 % one, may differ only as finer lettering does: an unpainted band,
// a display drawn at the wrong size or text pushed onto other text shows up
// as a region of another colour.
//
// The machine is laid out on the device pixels instead, as on a 100 % screen
// that wide, and is not compared here (tst_display checks it pixel for pixel
// at every scaling). The bonus screen's vault is scaled by the machine's
// rule, so it fills the same part of the screen at every scaling.
#include "GameFixture.h"
#include "TestScreen.h"

#include "audio/SoundBoard.h"
#include "bonus/BonusScreen.h"
#include "dialogs/DialogLook.h"
#include "game/Assets.h"
#include "platform/HelpWindow.h"
#include "screen/Pictures.h"

#include <QDir>
#include <QInputDialog>
#include <QTimer>
#include <QTest>

using namespace zand;

namespace {

// Pictures kept by the 100 % run, read by the others.
QString referencePath(const QString &window)
{
    return qEnvironmentVariable("ZAND_SCALING_PICTURES") + QLatin1Char('/') + window + QStringLiteral(".png");
}

// Regions of this many pixels of the 100 % picture are compared by their
// mean colour, which lettering drawn finer or a pixel aside barely moves.
constexpr int Region = 16;
constexpr int Tolerance = 24; // per colour channel, of 255

// The first region where the two pictures differ, or an empty string.
QString firstDifference(const QImage &reference, const QImage &shown)
{
    const QImage a = reference.convertToFormat(QImage::Format_RGB32);
    const QImage b = shown.convertToFormat(QImage::Format_RGB32);
    for (int top = 0; top < a.height(); top += Region)
        for (int left = 0; left < a.width(); left += Region) {
            const QRect region = QRect(left, top, Region, Region) & a.rect();
            qint64 sums[2][3] = {};
            for (int y = region.top(); y <= region.bottom(); ++y)
                for (int x = region.left(); x <= region.right(); ++x)
                    for (const auto &[image, sum] : {std::pair{&a, sums[0]}, std::pair{&b, sums[1]}}) {
                        const QRgb p = image->pixel(x, y);
                        sum[0] += qRed(p);
                        sum[1] += qGreen(p);
                        sum[2] += qBlue(p);
                    }
            const qint64 pixels = qint64(region.width()) * region.height();
            for (int channel = 0; channel < 3; ++channel)
                if (std::abs(sums[0][channel] - sums[1][channel]) > Tolerance * pixels)
                    return QStringLiteral("region at %1,%2").arg(left).arg(top);
        }
    return {};
}

// The title of the last window drawn that was too narrow for the desktop to
// show its whole title.
QString titleCut;

// A window as drawn on the screen's pixels.
QImage snapshot(QWidget *window)
{
    if (!(window->windowFlags() & Qt::FramelessWindowHint)
        && window->width() < DialogLook::titleRoom(window))
        titleCut = window->windowTitle();
    return window->grab().toImage();
}

QAction *menuCommand(MainWindow &window, const QString &text)
{
    for (QAction *action : window.findChildren<QAction *>())
        if (action->text() == text)
            return action;
    return nullptr;
}

// Hands every modal window (message boxes too) to `answer` while `open` runs.
void answerModals(const std::function<void(QWidget *)> &answer, const std::function<void()> &open)
{
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget())
            answer(modal);
    });
    poll.start();
    open();
}

// The window a menu command opens, as it is drawn on the screen's pixels.
QImage openedBy(MainWindow &window, const QString &command)
{
    QImage shown;
    answerModals(
        [&](QWidget *modal) {
            shown = snapshot(modal);
            modal->close();
        },
        [&] {
            if (QAction *action = menuCommand(window, command))
                action->trigger();
        });
    return shown;
}

// The name box, asked for by the first slot of the Save dialog (Enter
// presses it: it holds the focus as the dialog opens).
QImage nameBox(MainWindow &window)
{
    QImage shown;
    bool pressed = false;
    answerModals([&](QWidget *modal) {
        if (qobject_cast<QInputDialog *>(modal)) {
            shown = snapshot(modal);
            modal->close();
        } else if (!pressed) {
            // Pressed from the event loop: the name box waits in a loop of
            // its own, in which this answerer must answer again.
            pressed = true;
            QTimer::singleShot(0, [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); });
        }
    }, [&] { menuCommand(window, QStringLiteral("&Save Game"))->trigger(); });
    return shown;
}

QImage bonusScreen(GameFixture &game)
{
    MainWindowProbe p = probe(*game.window);
    SoundBoard sound(p.config(), p.session(), game.sound);
    MachineTestDoor::openVault(p.machine());
    BonusScreen screen(p.config(), p.machine(), p.session(), p.random(), sound, Prizes::Unshuffled);
    screen.show();
    if (!QTest::qWaitForWindowExposed(&screen))
        return {};
    return snapshot(&screen);
}

QImage helpWindow(GameFixture &game)
{
    HelpWindow help(game.browser, QUrl::fromLocalFile(GameFixture::gameDir() + "/games/index.html"));
    help.setHelpFile(GameFixture::gameDir() + "/zandslots.html", QStringLiteral("Zandor Slots"));
    help.showContents();
    if (!QTest::qWaitForWindowExposed(&help))
        return {};
    return snapshot(&help);
}

} // namespace

class ScalingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void windowsLookAlikeAtEveryScaling_data();
    void windowsLookAlikeAtEveryScaling();
};

void ScalingTest::windowsLookAlikeAtEveryScaling_data()
{
    QTest::addColumn<QString>("window");
    for (const char *window : {"slot dialog", "name box", "borrow", "statistics", "payoff chart",
                               "version", "bonus screen", "help window"})
        QTest::newRow(window) << QString::fromLatin1(window);
}

void ScalingTest::windowsLookAlikeAtEveryScaling()
{
    QFETCH(QString, window);
    GameFixture game;
    MainWindow &main = game.start();
    // Balances as long as a game can make them, a negative one among them.
    GameState &state = game.state();
    state.credits = 2147483647;
    state.borrowed = -1234567890;
    state.spins = 1234567890;

    titleCut.clear();
    QImage shown;
    if (window == "slot dialog")
        shown = openedBy(main, QStringLiteral("&Open Game"));
    else if (window == "name box")
        shown = nameBox(main);
    else if (window == "borrow")
        shown = openedBy(main, QStringLiteral("&Borrow"));
    else if (window == "statistics")
        shown = openedBy(main, QStringLiteral("&Stats"));
    else if (window == "payoff chart")
        shown = openedBy(main, QStringLiteral("&Payoffs"));
    else if (window == "version")
        shown = openedBy(main, QStringLiteral("Version"));
    else if (window == "bonus screen")
        shown = bonusScreen(game);
    else
        shown = helpWindow(game);
    QVERIFY2(!shown.isNull(), "the window did not open");
    QVERIFY2(titleCut.isEmpty(), qPrintable("no room for the title " + titleCut));

    const double ratio = TestScreen::current().ratio;
    QCOMPARE(shown.devicePixelRatio(), ratio);
    const QString path = referencePath(window);
    if (ratio == 1) {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(shown.save(path));
        return;
    }
    QImage reference(path);
    QVERIFY2(!reference.isNull(), qPrintable("no picture at 100 %: " + path));
    // The same size in the window system's pixels, give or take the rounding.
    const QSizeF logical = QSizeF(shown.size()) / ratio;
    QVERIFY2(std::abs(logical.width() - reference.width()) <= 1
                 && std::abs(logical.height() - reference.height()) <= 1,
             qPrintable(QStringLiteral("%1x%2").arg(logical.width()).arg(logical.height())));
    QImage down = shown.scaled(reference.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QString difference = firstDifference(reference, down);
    if (!difference.isEmpty())
        down.save(QFileInfo(path).path() + QStringLiteral("/%1-at-%2.png").arg(window).arg(ratio));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

ZAND_TEST_MAIN(ScalingTest)
#include "tst_scaling.moc"
