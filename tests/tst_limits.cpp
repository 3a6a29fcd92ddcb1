// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// A saved game may bring any 32-bit values: played through a spin, a win, a
// bonus game and a nudge, the books hold at their limits and the bonus meter
// shows only what it can. Built with the undefined-behaviour sanitizer, none
// of it may raise a report.
#include "GameFixture.h"
#include "ModalAnswerer.h"
#include "SpinSeeds.h"

#include "bonus/BonusScreen.h"
#include "game/Prizes.h"
#include "game/Random.h"
#include "game/SavedGame.h"
#include "game/SpinResult.h"
#include "screen/Lights.h"

#include <QTest>

#include <limits>

using namespace zand;

Q_DECLARE_METATYPE(zand::GameRecord)

namespace {

constexpr std::int32_t Top = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Bottom = std::numeric_limits<std::int32_t>::min();

std::int32_t held(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, Bottom, Top));
}

GameRecord recordOf(std::int32_t credits, std::int32_t others, std::int32_t bonusPts)
{
    return GameRecord{credits, others, others, others, others, bonusPts, others};
}

// A theme's nudge light whose thirteen meter frames each have a red of their own.
QImage meterFrames()
{
    QImage frames(78, 13 * 59, QImage::Format_RGB32);
    for (int y = 0; y < frames.height(); ++y)
        for (int x = 0; x < 78; ++x)
            frames.setPixel(x, y, qRgb(10 + y / 59 * 18, 40, 40));
    return frames;
}

} // namespace

class LimitsTest : public QObject
{
    Q_OBJECT

private slots:
    void extremeSavedValuesPlayWithinTheLimits_data();
    void extremeSavedValuesPlayWithinTheLimits();
};

void LimitsTest::extremeSavedValuesPlayWithinTheLimits_data()
{
    QTest::addColumn<GameRecord>("saved");
    QTest::addColumn<int>("meterPoints");

    QTest::newRow("everything at the top") << recordOf(Top, Top, Top) << 12;
    QTest::newRow("credits at the top, the rest at the bottom") << recordOf(Top, Bottom, Bottom) << 0;
    QTest::newRow("credits at the bottom, the rest at the top") << recordOf(Bottom, Top, -1) << 0;
    QTest::newRow("everything at the bottom") << recordOf(Bottom, Bottom, Bottom) << 0;
}

void LimitsTest::extremeSavedValuesPlayWithinTheLimits()
{
    QFETCH(GameRecord, saved);
    QFETCH(int, meterPoints);

    GameFixture game;
    QVERIFY(meterFrames().save(game.appPath() + "bonusx.jpg", "JPG", 100));
    QVERIFY(SavedGameFile(game.savedGamePath()).save(8, "CurrentGame", saved, nullptr));
    MainWindow &window = game.start();
    MainWindowProbe p = probe(window);
    GameState &s = game.state();
    // Loaded as saved; the meter, drawn at start, lowers the points above its top.
    GameRecord loaded = saved;
    loaded.bonusPts = std::min(saved.bonusPts, 12);
    QCOMPARE(s.record(), loaded);

    // What the meter shows: no more than full, no less than empty.
    const QImage &light = p.pictures().nudgeLight;
    const QRect box = p.view().scaled(578, 223, 656, 282);
    const QPoint spot = p.config().layoutWidth >= 800
        ? QPoint(box.left() + (box.width() - 78) / 2 + 2, box.top() + (box.height() - 59) / 2 + 2)
        : box.topLeft() + QPoint(2, 2);
    p.view().drawBonusMeter();
    QCOMPARE(qRed(p.canvas().pixel(spot.x(), spot.y())), qRed(light.pixel(2, 59 * (12 - meterPoints) + 2)));

    ModalAnswerer answerer;
    p.lights().stopAll();
    // A spin of three coins that wins more than they cost, through the Wild.
    const int blur = p.pictures().blurHeight;
    const std::uint32_t seed = seedWhoseSpin(blur, 3, [](const SpinResult &r) {
        return r.total > 3 && r.nudgesEarned > 0 && !r.opensBonus;
    });
    const SpinResult spin = spinOf(seed, blur, 3);
    p.random().seed(seed);
    GameRecord before = s.record();
    p.controls().betMax();
    if (before.credits >= 3) {
        QCOMPARE(s.spins, held(std::int64_t{before.spins} + 1));
        QCOMPARE(s.totalBets, held(std::int64_t{before.totalBets} + 3));
        QCOMPARE(s.credits, held(std::int64_t{before.credits} - 3 + spin.total));
        QCOMPARE(s.nudges, held(std::int64_t{before.nudges} + spin.nudgesEarned));
    } else {
        QCOMPARE(answerer.messages, QStringList{});
        p.controls().betOne();
        QCOMPARE(answerer.messages, QStringList{"You are out of credits...better borrow some!"});
        QCOMPARE(s.record(), before);
    }

    // Two bonus games from a line of Bonus symbols: a safe of credits and a
    // safe of nudges, chosen from the shuffled prizes.
    for (const bool credits : {true, false}) {
        p.random().seed(seed);
        Random shuffle(seed);
        const Prizes::Table prizes = Prizes::shuffled(shuffle);
        int safe = 0;
        while ((prizes[safe] == Prizes::SixNudges) == credits)
            ++safe;
        ModalAnswerer picker([&](QWidget *modal) {
            auto *screen = qobject_cast<BonusScreen *>(modal);
            if (!screen || screen->chosenSafe() != -1)
                return;
            screen->openTimer.setInterval(5);
            screen->closeTimer.setInterval(5);
            QTest::mouseClick(&screen->canvas(), Qt::LeftButton, {}, screen->safeRect(safe).center());
        });
        before = s.record();
        s.reelStops = {8, 9, 3};
        p.payout().evaluateLines(1);
        QTRY_VERIFY(p.machine().controlsOpen());
        const int prize = credits ? prizes[safe] : 0;
        QCOMPARE(s.bonusWon, held(std::int64_t{before.bonusWon} + prize));
        QCOMPARE(s.credits, held(std::int64_t{before.credits} + prize));
        QCOMPARE(s.nudges, held(std::int64_t{before.nudges} + (credits ? 0 : Prizes::NudgesWon)));
    }

    // A nudge that wins 250 through the Wild: one nudge spent, two earned.
    s.reelStops = {2, 9, 8};
    s.lastBet = 2;
    p.payout().evaluateLines(0);
    before = s.record();
    QTest::mouseClick(&p.canvas(), Qt::LeftButton, {}, QPoint(p.config().scale(290), p.config().scale(250)));
    if (before.nudges > 0) {
        QCOMPARE(s.nudges, held(std::int64_t{before.nudges} - 1 + 2));
        QCOMPARE(s.credits, held(std::int64_t{before.credits} + 250));
    } else {
        QCOMPARE(s.record(), before);
    }

    // What the books hold is what the next run starts from.
    const GameRecord played = s.record();
    window.close();
    QCOMPARE(SavedGameFile(game.savedGamePath()).load(8).values, played);
}

ZAND_TEST_MAIN(LimitsTest)
#include "tst_limits.moc"
