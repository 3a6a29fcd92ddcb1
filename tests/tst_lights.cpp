// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The idle machine's lights: attract pattern, blinking Spin button, badge,
// glass panels, winning lines and the animated Wild.
#include "GameFixture.h"
#include "ScreenProbe.h"

#include "platform/Canvas.h"
#include "screen/Lights.h"
#include "screen/MachineView.h"

#include <QDialog>
#include <QEvent>
#include <QTest>

#include <functional>

using namespace zand;

using namespace ScreenProbe;

class LightsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void idleTimersRunFromStartUp();
    void attractPatternLightsOneButtonNeverTwiceInARow();
    void spinButtonBlinksOnceACoinIsPlaced();
    void wildAnimationCyclesAndCarriesOnAcrossStops();
    void glassPanelsAlternateAndBadgeBlinks();
    void winningLinesBlinkAndOthersStayUntouched();
    void timersTickWhileAModalWindowIsOpen();
    void lightsDueTogetherAreDrawnTogether();

private:
    QImage box(int left, int top, int right, int bottom) const
    {
        return probe(*m_game->window).canvas().grab(probe(*m_game->window).view().scaled(left, top, right, bottom));
    }
    bool betOneLit() const { return showsLitFace(box(577, 362, 655, 421), pictures().betOneButton); }
    bool spinLit() const { return showsLitFace(box(577, 293, 655, 352), pictures().spinButton); }
    bool betMaxLit() const { return showsLitFace(box(577, 432, 655, 491), pictures().betMaxButton); }
    const Pictures &pictures() const { return probe(*m_game->window).pictures(); }
    std::unique_ptr<Lights> freshLights()
    {
        return std::make_unique<Lights>(probe(*m_game->window).view(), probe(*m_game->window).machine(),
                                        probe(*m_game->window).random());
    }

    // The canvas's drawings while `during` runs.
    int paintsDuring(const std::function<void()> &during)
    {
        struct Counter : QObject {
            int paints = 0;
            bool eventFilter(QObject *, QEvent *event) override
            {
                paints += event->type() == QEvent::Paint;
                return false;
            }
        } counter;
        probe(*m_game->window).canvas().installEventFilter(&counter);
        during();
        probe(*m_game->window).canvas().removeEventFilter(&counter);
        return counter.paints;
    }

    std::unique_ptr<GameFixture> m_game;
};

void LightsTest::init()
{
    m_game = std::make_unique<GameFixture>();
    m_game->start();
    probe(*m_game->window).lights().stopAll();
}

void LightsTest::cleanup()
{
    m_game.reset();
}

void LightsTest::idleTimersRunFromStartUp()
{
    GameFixture game;
    game.start();
    Lights &lights = probe(*game.window).lights();
    QVERIFY(lights.buttons.isActive() && lights.badge.isActive() && lights.wild.isActive());
    QVERIFY(!lights.winGlass.isActive() && !lights.nudgeLights.isActive()
            && !lights.winLines.isActive());
    QCOMPARE(lights.buttons.interval(), 200);
    QCOMPARE(lights.winGlass.interval(), 200);
    QCOMPARE(lights.badge.interval(), 400);
    QCOMPARE(lights.wild.interval(), 300);
    QCOMPARE(game.state().wildRow, 1);
}

void LightsTest::attractPatternLightsOneButtonNeverTwiceInARow()
{
    // The first tick after start-up never lights Bet One.
    for (int run = 0; run < 20; ++run) {
        auto lights = freshLights();
        lights->buttonsTick();
        QVERIFY(lights->lastAttractButton() != 0);
        QVERIFY(!betOneLit());
        QCOMPARE(spinLit(), lights->lastAttractButton() == 1);
        QCOMPARE(betMaxLit(), lights->lastAttractButton() == 2);
    }
    auto lights = freshLights();
    int previous = lights->lastAttractButton();
    for (int tick = 0; tick < 200; ++tick) {
        lights->buttonsTick();
        QVERIFY(lights->lastAttractButton() != previous);
        previous = lights->lastAttractButton();
        QCOMPARE(int(betOneLit()) + int(spinLit()) + int(betMaxLit()), 1);
    }
}

void LightsTest::spinButtonBlinksOnceACoinIsPlaced()
{
    auto lights = freshLights();
    m_game->state().bet = 1;
    QList<bool> spin;
    for (int tick = 0; tick < 4; ++tick) {
        lights->buttonsTick();
        QVERIFY(betOneLit() && betMaxLit());
        spin << spinLit();
    }
    QCOMPARE(spin, (QList<bool>{true, false, true, false}));

    // After a win the Spin button blinks although no coin stands.
    m_game->state().bet = 0;
    lights->winGlass.start();
    lights->buttonsTick();
    QVERIFY(spinLit() && betOneLit() && betMaxLit());
}

void LightsTest::wildAnimationCyclesAndCarriesOnAcrossStops()
{
    auto lights = freshLights();
    const auto shownCell = [this] {
        const QImage shown = reelCell(probe(*m_game->window).canvas(), pictures(), 2, 1);
        for (int cell = 9; cell <= 11; ++cell)
            if (same(shown, sheetCell(pictures(), cell)))
                return cell;
        return -1;
    };
    QList<int> cells;
    for (int tick = 0; tick < 6; ++tick) {
        lights->wildTick();
        cells << shownCell();
    }
    QCOMPARE(cells, (QList<int>{10, 11, 10, 9, 10, 11}));
    // Stopped just after 11 was shown, it shows 10 at its next tick, and on
    // the row the evaluation chose.
    lights->wild.start();
    lights->wild.stop();
    m_game->state().wildRow = 0;
    lights->wildTick();
    QVERIFY(same(reelCell(probe(*m_game->window).canvas(), pictures(), 2, 0), sheetCell(pictures(), 10)));
}

void LightsTest::glassPanelsAlternateAndBadgeBlinks()
{
    const Pictures &p = pictures();
    const auto lit = [this, &p](int l, int t, int r, int b, const QImage &dark) {
        const QImage shown = box(l, t, r, b);
        const QImage litPart = p.machine.copy(QRect(l, t, r - l, b - t))
                                   .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage darkPart = dark.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return distance(shown, litPart) < distance(shown, darkPart);
    };
    auto lights = freshLights();
    QList<bool> marquee, title, badge;
    for (int tick = 0; tick < 4; ++tick) {
        lights->winGlassTick();
        lights->badgeTick();
        marquee << lit(247, 98, 549, 241, p.dimmedMarquee);
        title << lit(221, 551, 657, 600, p.dimmedTitle);
        badge << lit(560, 99, 644, 184, p.dimmedBadge);
    }
    QCOMPARE(marquee, (QList<bool>{true, false, true, false}));
    QCOMPARE(title, (QList<bool>{false, true, false, true}));
    QCOMPARE(badge, (QList<bool>{true, false, true, false}));
}

void LightsTest::winningLinesBlinkAndOthersStayUntouched()
{
    auto lights = freshLights();
    const QImage before = probe(*m_game->window).canvas().image();
    lights->winLinesTick();
    QCOMPARE(probe(*m_game->window).canvas().image(), before);

    m_game->state().lineWon = {false, true, false};
    lights->winLinesTick();
    const QImage dark = probe(*m_game->window).canvas().image();
    lights->winLinesTick();
    const QImage lit = probe(*m_game->window).canvas().image();
    const QRect top = probe(*m_game->window).view().scaled(241, 301, 559, 315);
    const QRect middle = probe(*m_game->window).view().scaled(241, 377, 559, 391);
    QVERIFY(lit.copy(top) != dark.copy(top));
    QCOMPARE(lit.copy(middle), dark.copy(middle));
}

void LightsTest::timersTickWhileAModalWindowIsOpen()
{
    probe(*m_game->window).lights().buttons.start();
    const int paints = paintsDuring([this] {
        QDialog dialog(m_game->window.get());
        QTimer::singleShot(700, &dialog, &QDialog::accept);
        dialog.exec();
    });
    QVERIFY2(paints >= 2, qPrintable(QString::number(paints)));
}

// The idle machine's three lights tick thirteen times in 1.2 s. Started at
// odd moments, as a turn's end starts them, they still draw in eight passes;
// on a loaded machine one late pass may be drawn apart (10 seen in a full
// run), still short of the dozen that lights on clocks of their own make.
void LightsTest::lightsDueTogetherAreDrawnTogether()
{
    Lights &lights = probe(*m_game->window).lights();
    lights.buttons.start();
    QTest::qWait(40);
    lights.badge.start();
    QTest::qWait(70);
    lights.wild.start();
    const int paints = paintsDuring([] { QTest::qWait(1250); });
    lights.stopAll();
    QVERIFY2(paints >= 4 && paints <= 10, qPrintable(QString::number(paints)));
}

ZAND_TEST_MAIN(LightsTest)
#include "tst_lights.moc"
