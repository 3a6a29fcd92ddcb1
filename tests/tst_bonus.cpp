// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The bonus screen: choosing a safe by mouse or key, the opening frames, the
// prize written over the safe, the pay-out when the screen closes by itself,
// a replacement picture, and the bonus game reached from a line of Bonus.
#include "GameFixture.h"
#include "ModalAnswerer.h"
#include "ScreenProbe.h"
#include "doubles/FakeClock.h"
#include "doubles/RecordingSound.h"

#include "bonus/BonusScreen.h"
#include "game/Assets.h"
#include "game/Config.h"
#include "game/GameState.h"
#include "game/Prizes.h"
#include "game/Random.h"
#include "game/Scale.h"
#include "platform/Canvas.h"
#include "platform/DeviceScreen.h"
#include "audio/SoundBoard.h"
#include "reels/Payout.h"
#include "screen/BonusView.h"
#include "screen/Pictures.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <optional>

using namespace zand;

using namespace ScreenProbe;

namespace {

constexpr int SafeSide = 76;
const QString SafeSound = QStringLiteral("Zand5.wav");

// Where safe i lies on the bonus picture, independently of the screen.
QRect safeOnPicture(int safe)
{
    return QRect(443 + 101 * (safe % 2), 63 + 95 * (safe / 2), SafeSide, SafeSide);
}

// A frame of the safe as the screen shows it at `size`.
QImage safeFrame(int frame, QSize size = QSize(SafeSide, SafeSide))
{
    const QImage strip = Pictures::builtIn(Assets::Safes);
    const QRect source(0, SafeSide * frame, SafeSide, SafeSide);
    if (size == source.size())
        return strip.copy(source).convertToFormat(QImage::Format_RGB32);
    QImage scaled(size, QImage::Format_RGB32);
    QPainter painter(&scaled);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), strip, source);
    return scaled;
}

bool isGold(QRgb c)
{
    return qRed(c) >= 200 && qGreen(c) >= 150 && qGreen(c) <= 230 && qBlue(c) <= 110;
}

// The gold ink that appeared between two pictures of the canvas inside
// `area`: its bounding box and the number of separate glyphs (runs of
// columns holding ink).
struct Ink
{
    QRect box;
    int glyphs = 0;
};

Ink newGoldInk(const QImage &before, const QImage &after, const QRect &area)
{
    Ink ink;
    bool inRun = false;
    for (int x = area.left(); x <= area.right(); ++x) {
        bool column = false;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (!before.valid(x, y))
                continue;
            if (isGold(after.pixel(x, y)) && !isGold(before.pixel(x, y))) {
                column = true;
                ink.box |= QRect(x, y, 1, 1);
            }
        }
        if (column && !inRun)
            ++ink.glyphs;
        inRun = column;
    }
    return ink;
}

} // namespace

// One bonus screen on a test bench of its own: the game values, a seeded
// random source and a sound board that only records.
struct Bench
{
    QTemporaryDir dir;
    Config config;
    Machine machine;
    GameState &state = MachineTestDoor::values(machine);
    Session session;
    Random random;
    FakeClock clock;
    RecordingSound sound{&clock};
    std::unique_ptr<SoundBoard> board;
    std::unique_ptr<BonusScreen> form;

    // What the canvas showed right after every tick of the opening timer.
    struct Tick
    {
        qint64 ms;
        QImage canvas;
        bool revealed;
    };
    std::vector<Tick> ticks;
    QElapsedTimer elapsed;
    int closings = 0;
    qint64 closedAt = 0;

    explicit Bench(std::uint32_t seed = 1)
        : random(seed)
    {
        const DeviceScreen screen = DeviceScreen::of(QGuiApplication::primaryScreen());
        config.appPath = dir.path() + QLatin1Char('/');
        config.screenWidth = screen.size.width();
        config.screenHeight = screen.size.height();
        config.logicalDpi = screen.dpi;
        // The vault is scaled as the machine is, as in the game.
        config.layoutWidth = Scale::layoutWidth(config.screenWidth, config.screenHeight);
        state.spinWin = 7;
        state.bonusWon = 100;
        state.nudges = 3;
        MachineTestDoor::openVault(machine);
        board = std::make_unique<SoundBoard>(config, session, sound);
    }

    // Shows the screen; `fast` shortens its timers for the tests that do
    // not measure them.
    BonusScreen &open(bool fast = true, const Prizes::Table &prizes = Prizes::Unshuffled)
    {
        form = std::make_unique<BonusScreen>(config, machine, session, random, *board, prizes);
        // Connected after the screen's own handler, so this sees each frame.
        QObject::connect(&form->openTimer, &QTimer::timeout, [this] {
            ticks.push_back({elapsed.elapsed(), form->canvas().image().copy(),
                             form->closeTimer.isActive()});
        });
        QObject::connect(form.get(), &QDialog::finished, [this] {
            ++closings;
            closedAt = elapsed.elapsed();
        });
        if (fast) {
            form->openTimer.setInterval(15);
            form->closeTimer.setInterval(40);
        }
        form->open();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(form.get());
        elapsed.start();
        return *form;
    }

    QPoint onScreen(QPoint pictureXY) const { return form->onScreen(pictureXY); }
    // The safe's picture on the screen, without the click zone's far edges.
    QRect safeOnScreen(int safe) const
    {
        const QRect zone = form->safeRect(safe);
        return QRect(zone.topLeft(), zone.size() - QSize(1, 1));
    }

    void click(QPoint pictureXY, Qt::MouseButton button = Qt::LeftButton)
    {
        ScreenProbe::click(form->canvas(), onScreen(pictureXY), button);
    }
    void key(Qt::Key k = Qt::Key_A) { QTest::keyClick(&form->canvas(), k); }

    bool waitForReveal()
    {
        return QTest::qWaitFor([this] { return form->closeTimer.isActive(); }, 3000);
    }
    bool waitForClose() { return QTest::qWaitFor([this] { return !form->isVisible(); }, 6000); }

    QImage safeShown(const Tick &tick, int safe) const
    {
        return tick.canvas.copy(safeOnScreen(safe));
    }
};

class BonusTest : public QObject
{
    Q_OBJECT

private slots:
    void clickOnSafeTwoOpensItAndPaysFiftyWhenTheScreenCloses();
    void safeEdgesBelongToTheSafe_data();
    void safeEdgesBelongToTheSafe();
    void keyPicksASafeSilentlyWithTwoFrames();
    void numberKeyOpensThatSafe_data();
    void numberKeyOpensThatSafe();
    void safesAreButtonsForAssistiveTechnology();
    void choiceIsTakenOnlyOnceAndCannotBeCancelled();
    void sixNudgesAreAddedAtTheReveal();
    void replacementPictureKeepsTheSafesOnIt_data();
    void replacementPictureKeepsTheSafesOnIt();
    void settlePaysLikeAKeyPress();
    void theOtherSafesShowWhatTheyHeld();
    void lineOfBonusOpensTheScreenFromTheMachine();
};

void BonusTest::clickOnSafeTwoOpensItAndPaysFiftyWhenTheScreenCloses()
{
    // Real timers: frames every 300 ms, the prize after the third, and the
    // screen closes three seconds after the prize.
    Bench bench;
    BonusScreen &form = bench.open(false);
    QCOMPARE(form.canvas().image().size(),
             QSize(bench.config.screenWidth, bench.config.screenHeight));
    const QImage closed = form.canvas().grab(bench.safeOnScreen(2));

    bench.elapsed.restart();
    bench.click(safeOnPicture(2).center());
    QCOMPARE(form.chosenSafe(), 2);
    QCOMPARE(bench.sound.names(), QStringList{SafeSound});

    QVERIFY(bench.waitForReveal());
    QCOMPARE(bench.state.spinWin, 7);
    QCOMPARE(bench.state.bonusWon, 100);

    QVERIFY(bench.waitForClose());
    QCOMPARE(bench.closings, 1);
    QCOMPARE(bench.state.spinWin, 7 + 50);
    QCOMPARE(bench.state.bonusWon, 100 + 50);
    QCOMPARE(bench.state.nudges, 3);
    QCOMPARE(bench.sound.count(SafeSound), 1);

    const auto &ticks = bench.ticks;
    QCOMPARE(ticks.size(), size_t(4));
    for (int frame = 0; frame < 3; ++frame) {
        QVERIFY2(same(bench.safeShown(ticks[frame], 2), safeFrame(frame, bench.safeOnScreen(2).size())),
                 qPrintable(QString::number(frame)));
        QVERIFY(!ticks[frame].revealed);
    }
    QVERIFY(!same(closed, safeFrame(0, bench.safeOnScreen(2).size())));
    QVERIFY(ticks[3].revealed);
    // A repeating timer keeps its own schedule: a frame drawn late on a
    // loaded machine is followed by one on time, so the pace is counted
    // from the click and only the gaps' upper end is bounded.
    qint64 last = 0;
    for (size_t frame = 0; frame < ticks.size(); ++frame) {
        const qint64 ms = ticks[frame].ms;
        QVERIFY2(ms >= qint64(frame + 1) * 270 && ms - last <= 700,
                 qPrintable(QString::number(frame) + ": " + QString::number(ms)));
        last = ms;
    }
    // Window timers may fire up to 5 % early.
    const qint64 shown = bench.closedAt - ticks[3].ms;
    QVERIFY2(shown >= 2800 && shown <= 3700, qPrintable(QString::number(shown)));

    // "50" in gold, centred on the safe and inside it.
    const QRect safe = bench.safeOnScreen(2);
    const Ink ink = newGoldInk(ticks[2].canvas, ticks[3].canvas, safe.adjusted(-60, -30, 60, 30));
    QCOMPARE(ink.glyphs, 2);
    QVERIFY(safe.contains(ink.box));
    QVERIFY(std::abs(ink.box.center().x() - safe.center().x()) <= 4);
    QVERIFY(std::abs(ink.box.center().y() - safe.center().y()) <= 6);
}

void BonusTest::safeEdgesBelongToTheSafe_data()
{
    QTest::addColumn<QPoint>("point"); // on the picture
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("safe");

    const int left = Qt::LeftButton;
    QTest::newRow("safe 2, top left corner") << QPoint(443, 158) << left << 2;
    QTest::newRow("safe 2, bottom right corner") << QPoint(519, 234) << left << 2;
    QTest::newRow("safe 7, bottom right corner") << QPoint(620, 424) << left << 7;
    QTest::newRow("right button on safe 5") << QPoint(580, 290) << int(Qt::RightButton) << 5;
    QTest::newRow("just right of safe 2") << QPoint(520, 234) << left << -1;
    QTest::newRow("just below safe 2") << QPoint(519, 235) << left << -1;
    QTest::newRow("just left of safe 0") << QPoint(442, 63) << left << -1;
    QTest::newRow("just above safe 1") << QPoint(544, 62) << left << -1;
    QTest::newRow("just left of safe 3") << QPoint(543, 200) << left << -1;
    QTest::newRow("between safes 0 and 2") << QPoint(480, 148) << left << -1;
    QTest::newRow("just below safe 7") << QPoint(620, 425) << left << -1;
}

void BonusTest::safeEdgesBelongToTheSafe()
{
    QFETCH(QPoint, point);
    QFETCH(int, button);
    QFETCH(int, safe);

    Bench bench;
    BonusScreen &form = bench.open();
    const QImage before = form.canvas().image().copy();
    bench.click(point, Qt::MouseButton(button));

    QCOMPARE(form.chosenSafe(), safe);
    QCOMPARE(form.openTimer.isActive(), safe != -1);
    QCOMPARE(bench.sound.count(SafeSound), safe != -1 ? 1 : 0);
    if (safe == -1) {
        QTest::qWait(60);
        QVERIFY(bench.ticks.empty());
        QVERIFY(same(form.canvas().image(), before));
        QCOMPARE(bench.state.nudges, 3);
    }
}

void BonusTest::keyPicksASafeSilentlyWithTwoFrames()
{
    const std::uint32_t seed = 11;
    Bench bench(seed);
    BonusScreen &form = bench.open();
    bench.key(Qt::Key_Space);

    const int chosen = Random(seed).below(Prizes::Safes);
    QCOMPARE(form.chosenSafe(), chosen);
    QVERIFY(bench.waitForClose());
    QVERIFY(bench.sound.played.empty());

    const auto &ticks = bench.ticks;
    QCOMPARE(ticks.size(), size_t(3));
    const QSize shown = bench.safeOnScreen(chosen).size();
    QVERIFY(same(bench.safeShown(ticks[0], chosen), safeFrame(1, shown)));
    QVERIFY(same(bench.safeShown(ticks[1], chosen), safeFrame(2, shown)));
    QVERIFY(!ticks[1].revealed);
    QVERIFY(ticks[2].revealed);
    for (const auto &tick : ticks)
        QVERIFY(!same(bench.safeShown(tick, chosen), safeFrame(0, shown)));

    const int prize = Prizes::Unshuffled[chosen];
    if (prize == Prizes::SixNudges) {
        QCOMPARE(bench.state.nudges, 3 + 6);
        QCOMPARE(bench.state.bonusWon, 100);
    } else {
        QCOMPARE(bench.state.nudges, 3);
        QCOMPARE(bench.state.bonusWon, 100 + prize);
        QCOMPARE(bench.state.spinWin, 7 + prize);
    }
}

void BonusTest::numberKeyOpensThatSafe_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("safe");
    QTest::newRow("1: top left") << int(Qt::Key_1) << 0;
    QTest::newRow("4: second row, right") << int(Qt::Key_4) << 3;
    QTest::newRow("8: bottom right") << int(Qt::Key_8) << 7;
}

void BonusTest::numberKeyOpensThatSafe()
{
    QFETCH(int, key);
    QFETCH(int, safe);
    Bench bench(11);
    BonusScreen &form = bench.open();
    bench.key(Qt::Key(key));
    QCOMPARE(form.chosenSafe(), safe);
    QVERIFY(bench.waitForClose());
    QCOMPARE(bench.state.bonusWon - 100 + (bench.state.nudges - 3) / 6 * Prizes::SixNudges,
             Prizes::Unshuffled[safe]);
}

void BonusTest::safesAreButtonsForAssistiveTechnology()
{
    Bench bench;
    BonusScreen &form = bench.open();
    QAccessibleInterface *vault = QAccessible::queryAccessibleInterface(&form.canvas());
    QCOMPARE(vault->childCount(), Prizes::Safes);
    for (int safe = 0; safe < Prizes::Safes; ++safe) {
        QCOMPARE(vault->child(safe)->role(), QAccessible::Button);
        QCOMPARE(vault->child(safe)->text(QAccessible::Name), QStringLiteral("Safe %1").arg(safe + 1));
    }
    vault->child(5)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(form.chosenSafe(), 5);
    QVERIFY(vault->child(0)->state().disabled);
    QVERIFY(bench.waitForClose());
}

void BonusTest::choiceIsTakenOnlyOnceAndCannotBeCancelled()
{
    Bench bench(5);
    BonusScreen &form = bench.open();
    const QImage safeFive = form.canvas().grab(bench.safeOnScreen(5));
    // Time to try the rest before the reveal, and after it.
    form.openTimer.setInterval(150);
    form.closeTimer.setInterval(300);

    bench.click(safeOnPicture(2).center());
    bench.click(safeOnPicture(5).center());
    bench.key();
    bench.key(Qt::Key_Escape);
    form.close();
    QCOMPARE(form.chosenSafe(), 2);
    QCOMPARE(bench.sound.count(SafeSound), 1);
    QVERIFY(form.isVisible());
    // No random safe was drawn for the keys, nor was safe 5 opened.
    QCOMPARE(bench.random.below(1000), Random(5).below(1000));
    QVERIFY(same(form.canvas().grab(bench.safeOnScreen(5)), safeFive));

    QVERIFY(bench.waitForReveal());
    bench.click(safeOnPicture(4).center());
    bench.key();
    // Nor is the prize cut short: Escape and the window manager's close
    // wait for the screen's own timer.
    bench.key(Qt::Key_Escape);
    form.close();
    QVERIFY(form.isVisible());
    QCOMPARE(form.chosenSafe(), 2);
    QCOMPARE(bench.sound.count(SafeSound), 1);
    QCOMPARE(bench.state.bonusWon, 100);

    QVERIFY(bench.waitForClose());
    QCOMPARE(bench.state.bonusWon, 100 + 50);
    QCOMPARE(bench.state.spinWin, 7 + 50);
    QCOMPARE(bench.ticks.size(), size_t(4));
}

void BonusTest::sixNudgesAreAddedAtTheReveal()
{
    Bench bench;
    BonusScreen &form = bench.open();
    bench.click(safeOnPicture(3).center());
    QVERIFY(bench.waitForReveal());
    QCOMPARE(bench.state.nudges, 3 + 6);
    QCOMPARE(bench.state.spinWin, 7);
    QCOMPARE(bench.state.bonusWon, 100);

    QVERIFY(bench.waitForClose());
    QCOMPARE(bench.state.nudges, 3 + 6);
    QCOMPARE(bench.state.spinWin, 7);
    QCOMPARE(bench.state.bonusWon, 100);

    // "6 Nudges" is lettered smaller to fit inside the safe.
    const QRect safe = bench.safeOnScreen(3);
    const auto &ticks = bench.ticks;
    QCOMPARE(ticks.size(), size_t(4));
    const Ink ink = newGoldInk(ticks[2].canvas, ticks[3].canvas, safe.adjusted(-150, -30, 150, 30));
    QVERIFY(ink.glyphs >= 2);
    QVERIFY(safe.contains(ink.box));
    QVERIFY(std::abs(ink.box.center().x() - safe.center().x()) <= 4);
    QCOMPARE(form.chosenSafe(), 3);
}

void BonusTest::replacementPictureKeepsTheSafesOnIt_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("500 x 400") << QSize(500, 400);
    QTest::newRow("702 x 521") << QSize(702, 521);
}

void BonusTest::replacementPictureKeepsTheSafesOnIt()
{
    QFETCH(QSize, size);

    // Flat colour blocks survive the JPEG round trip nearly unchanged.
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(20, 40, 160));
    {
        QPainter painter(&picture);
        painter.fillRect(0, 0, 24, 24, QColor(250, 250, 250));
        painter.fillRect(size.width() - 24, size.height() - 24, 24, 24, QColor(240, 220, 0));
    }
    Bench bench;
    QVERIFY(picture.save(bench.config.appPath + QStringLiteral("Bonus1.JPG"), "JPG", 95));
    BonusScreen &form = bench.open();

    const QSize shown(bench.config.scale(size.width()), bench.config.scale(size.height()));
    const QPoint origin((bench.config.screenWidth - shown.width()) / 2,
                        (bench.config.screenHeight - shown.height()) / 2);
    QCOMPARE(form.pictureOrigin(), origin);
    const auto near = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) <= 30 && std::abs(qGreen(a) - qGreen(b)) <= 30
            && std::abs(qBlue(a) - qBlue(b)) <= 30;
    };
    const Canvas &canvas = form.canvas();
    for (const QPoint p : {QPoint(10, 10), QPoint(size.width() - 10, size.height() - 10),
                           QPoint(size.width() / 2, size.height() / 2)})
        QVERIFY(near(canvas.pixel(bench.onScreen(p).x(), bench.onScreen(p).y()), picture.pixel(p)));
    if (origin.x() > 0 && origin.y() > 0)
        QCOMPARE(canvas.pixel(origin.x() - 1, origin.y() - 1) & 0xffffff, 0u);

    // A click on the picture's safe 0 opens the safe at that place.
    bench.click(safeOnPicture(0).center());
    QCOMPARE(form.chosenSafe(), 0);
    QVERIFY(bench.waitForReveal());
    const QRect safe = bench.safeOnScreen(0);
    QVERIFY(same(bench.ticks[0].canvas.copy(safe), safeFrame(0, safe.size())));
}

void BonusTest::theOtherSafesShowWhatTheyHeld()
{
    Bench bench;
    Random shuffler(5);
    BonusScreen &form = bench.open(true, Prizes::shuffled(shuffler));
    bench.click(safeOnPicture(4).center());
    form.closeTimer.setInterval(900);
    QVERIFY(bench.waitForReveal());
    QVERIFY(QTest::qWaitFor([&] { return !form.revealTimer.isActive(); }, 3000));
    QVERIFY(form.isVisible());
    // Each safe shows its own prize of the shuffled table, and none is closed.
    for (int safe = 0; safe < Prizes::Safes; ++safe) {
        QCOMPARE(form.prizesShown()[safe], BonusView::prizeText(form.prizes()[safe]));
        const QRect shown = bench.safeOnScreen(safe);
        QVERIFY(!same(form.canvas().image().copy(shown), safeFrame(0, shown.size())));
    }
}

void BonusTest::settlePaysLikeAKeyPress()
{
    // One seed whose random safe holds credits, one whose holds nudges.
    std::optional<std::uint32_t> creditSeed, nudgeSeed;
    for (std::uint32_t seed = 1; !creditSeed || !nudgeSeed; ++seed) {
        const int safe = Random(seed).below(Prizes::Safes);
        const bool nudges = Prizes::Unshuffled[safe] == Prizes::SixNudges;
        (nudges ? nudgeSeed : creditSeed).emplace(seed);
    }
    for (const std::uint32_t seed : {*creditSeed, *nudgeSeed}) {
        Bench shown(seed);
        shown.open();
        shown.key();
        QVERIFY(shown.waitForClose());

        Bench settled(seed);
        BonusScreen::settle(settled.machine, settled.random, Prizes::Unshuffled);

        QCOMPARE(settled.state.spinWin, shown.state.spinWin);
        QCOMPARE(settled.state.bonusWon, shown.state.bonusWon);
        QCOMPARE(settled.state.nudges, shown.state.nudges);
        QVERIFY(shown.state.bonusWon != 100 || shown.state.nudges != 3);
        // Both took one number from the game's random source.
        QCOMPARE(settled.random.below(1000), shown.random.below(1000));
    }
}

void BonusTest::lineOfBonusOpensTheScreenFromTheMachine()
{
    GameFixture game;
    MainWindow &window = game.start();
    GameState &s = game.state();
    s.reelStops = {8, 9, 3}; // Bonus, Bonus, Bonus on the middle line
    s.bet = 1;
    const GameState before = s;

    int screens = 0;
    bool modalOverTheMachine = false;
    ModalAnswerer answerer([&](QWidget *modal) {
        auto *form = qobject_cast<BonusScreen *>(modal);
        if (!form || form->chosenSafe() != -1)
            return;
        ++screens;
        modalOverTheMachine =
            form->isModal() && form->parentWidget() == &window && form->isVisible();
        form->openTimer.setInterval(15);
        form->closeTimer.setInterval(40);
        QTest::keyClick(&form->canvas(), Qt::Key_Space);
    });
    probe(window).payout().evaluateLines(s.bet);
    QTRY_VERIFY(probe(window).machine().controlsOpen());

    QCOMPARE(screens, 1);
    QVERIFY(modalOverTheMachine);
    QVERIFY(answerer.messages.isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
    const int credits = s.bonusWon - before.bonusWon;
    const int nudges = s.nudges - before.nudges;
    if (nudges == 0) {
        QVERIFY2(credits == 250 || credits == 100 || credits == 50 || credits == 25,
                 qPrintable(QString::number(credits)));
        QCOMPARE(s.credits - before.credits, credits);
    } else {
        QCOMPARE(nudges, 6);
        QCOMPARE(credits, 0);
        QCOMPARE(s.credits, before.credits);
    }
}

ZAND_TEST_MAIN(BonusTest)
#include "tst_bonus.moc"
