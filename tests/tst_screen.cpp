// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The machine on the canvas: displays, reels, masked lights, the bonus meter
// and the whole machine inside the window, read back pixel by pixel.
#include "GameFixture.h"
#include "game/Machine.h"
#include "ScreenProbe.h"

#include "game/Scale.h"
#include "platform/Canvas.h"
#include "screen/Lights.h"
#include "screen/MachineView.h"

#include <QTest>

using namespace zand;

using namespace ScreenProbe;

class ScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void creditsAndCoinsShowInGreenDigits();
    void winningsAreBlankAfterAPaint();
    void reelsShowTheStartStops();
    void paylineLightShowsTheReelThroughItsMask();
    void logoIsDrawnThroughItsMask();
    void bonusMeterCapsPointsAndStaysInsideItsPicture();
    void nudgeCounterFontsFollowTheLayoutWidth();
    void wholeMachineFitsInTheWindow();

private:
    std::unique_ptr<GameFixture> m_game;
    int s(int v) const { return probe(*m_game->window).config().scale(v); }
    const Pictures &pictures() const { return probe(*m_game->window).pictures(); }
    Canvas &canvas() const { return probe(*m_game->window).canvas(); }
};

void ScreenTest::init()
{
    m_game = std::make_unique<GameFixture>();
    m_game->start();
    // Keep the idle animations from drawing while the canvas is read.
    probe(*m_game->window).lights().stopAll();
    probe(*m_game->window).canvas().repaintNow();
}

void ScreenTest::cleanup()
{
    m_game.reset();
}

void ScreenTest::creditsAndCoinsShowInGreenDigits()
{
    const bool small = probe(*m_game->window).config().layoutWidth < 1000;
    const int w = small ? 16 : 32, h = small ? 21 : 42;
    const QImage &green = small ? pictures().greenSmall : pictures().greenLarge;

    QCOMPARE(m_game->state().credits, 1000);
    QVERIFY(same(canvas().grab(QRect(s(620) - 4 * w, s(38), 4 * w, h)), digits(green, "1000", w, h)));

    m_game->state().credits = 999;
    probe(*m_game->window).view().showCredits();
    QVERIFY(same(canvas().grab(QRect(s(620) - 3 * w, s(38), 3 * w, h)), digits(green, "999", w, h)));
    QVERIFY(allBlack(canvas().grab(QRect(s(620) - 4 * w, s(38), w, h))));

    // Bet 0: one green 0 at the Coins anchor, then a blank cell.
    QVERIFY(same(canvas().grab(QRect(s(250), s(38), w, h)), digits(green, "0", w, h)));
    QVERIFY(allBlack(canvas().grab(QRect(s(250) + w, s(38), w, h))));
}

void ScreenTest::winningsAreBlankAfterAPaint()
{
    // On a small screen the caption's descenders reach into the display.
    QRect display = probe(*m_game->window).view().scaled(320, 38, 450, 70);
    const int captionBottom = s(24) + canvas().textHeight(probe(*m_game->window).view().captionFont());
    display.setTop(std::max(display.top(), captionBottom));
    probe(*m_game->window).view().showWinnings(1234);
    QVERIFY(!allBlack(canvas().grab(display)));
    canvas().repaintNow();
    QVERIFY(allBlack(canvas().grab(display)));
}

void ScreenTest::reelsShowTheStartStops()
{
    const int expected[3][3] = {{7, 8, 4}, {0, 8, 7}, {2, 9, 1}};
    for (int reel = 0; reel < 3; ++reel)
        for (int row = 0; row < 3; ++row)
            QVERIFY2(same(reelCell(canvas(), pictures(), reel, row),
                          sheetCell(pictures(), expected[reel][row])),
                     qPrintable(QStringLiteral("reel %1 row %2").arg(reel).arg(row)));
}

void ScreenTest::paylineLightShowsTheReelThroughItsMask()
{
    if (probe(*m_game->window).config().layoutWidth != 800)
        QSKIP("pixel-exact at the design scale");
    MachineView &view = probe(*m_game->window).view();
    const QImage &mask = pictures().lineMask;
    for (const bool lit : {true, false}) {
        canvas().repaintNow();
        const QImage before = canvas().grab(QRect(241, 377, 318, 14));
        view.drawLineLight(1, lit);
        const QImage after = canvas().grab(QRect(241, 377, 318, 14));
        const QImage face = pictures().redLine.copy(0, lit ? 14 : 0, 318, 14);
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 318; ++x) {
                const bool through = (mask.pixel(x, y) & 0xffffff) == 0xffffff;
                QCOMPARE(after.pixel(x, y), through ? before.pixel(x, y) : face.pixel(x, y));
            }
    }
    // A line that does not exist draws nothing.
    const QImage whole = canvas().image();
    view.drawLineLight(4, true);
    QCOMPARE(canvas().image(), whole);
}

void ScreenTest::logoIsDrawnThroughItsMask()
{
    const QImage &logo = pictures().logo;
    const QImage &mask = pictures().logoMask;
    const QRect area(s(10), s(10), logo.width(), logo.height());
    // The logo sits on the machine picture; what lies under it shows through.
    Canvas &c = canvas();
    c.clear();
    c.copy(pictures().machine, pictures().machine.rect(),
           QRect(0, 0, s(pictures().machine.width()), s(pictures().machine.height())));
    const QImage before = c.grab(area);
    probe(*m_game->window).view().drawLogo();
    const QImage after = c.grab(area);
    int chip = 0;
    for (int y = 0; y < logo.height(); ++y)
        for (int x = 0; x < logo.width(); ++x) {
            const bool through = (mask.pixel(x, y) & 0xffffff) == 0xffffff;
            chip += !through;
            QCOMPARE(after.pixel(x, y), through ? before.pixel(x, y) : logo.pixel(x, y));
        }
    QVERIFY(chip > logo.width() * logo.height() / 3);
}

void ScreenTest::bonusMeterCapsPointsAndStaysInsideItsPicture()
{
    // A theme's nudge light with meter frames: 78 wide, cut short after six
    // and a bit of its thirteen frames.
    QImage frames(78, 400, QImage::Format_RGB32);
    for (int y = 0; y < frames.height(); ++y)
        for (int x = 0; x < 78; ++x)
            frames.setPixel(x, y, qRgb(20 + y / 59 * 30, 200, 40));
    m_game = std::make_unique<GameFixture>();
    QVERIFY(frames.save(m_game->appPath() + "bonusx.jpg", "JPG", 100));
    m_game->start();
    probe(*m_game->window).lights().stopAll();

    const QRect box = probe(*m_game->window).view().scaled(578, 223, 656, 282);
    const QRect meter = probe(*m_game->window).config().layoutWidth >= 800
        ? QRect(box.left() + (box.width() - 78) / 2, box.top() + (box.height() - 59) / 2, 78, 59)
        : box;
    const auto meterColour = [&] {
        canvas().fillRect(meter, Qt::black);
        probe(*m_game->window).view().drawBonusMeter();
        return QColor(canvas().pixel(meter.left() + 2, meter.top() + 2));
    };
    m_game->state().bonusPts = 15;
    QCOMPARE(meterColour().red(), QColor(pictures().nudgeLight.pixel(2, 2)).red());

    // Frame 6 is cut off by the picture's end: the part beyond stays black.
    m_game->state().bonusPts = 6;
    meterColour();
    const int inside = 400 - 6 * 59; // rows of frame 6 that the picture holds
    if (meter.width() == 78) {
        QVERIFY(qGreen(canvas().pixel(meter.left() + 2, meter.top() + inside - 3)) > 150);
        QCOMPARE(canvas().pixel(meter.left() + 2, meter.top() + inside + 3) & 0xffffff, 0u);
    }
}

void ScreenTest::nudgeCounterFontsFollowTheLayoutWidth()
{
    struct Case { int width, caption, number; bool smallDisplays; };
    for (const Case c : {Case{799, 8, 14, true}, Case{900, 10, 18, false}, Case{901, 12, 24, false}}) {
        Config config;
        config.layoutWidth = c.width;
        Machine state;
        Pictures none;
        Canvas scratch;
        MachineView view(scratch, config, state, none);
        QCOMPARE(view.nudgeCaptionFont().pointSize(), c.caption);
        QCOMPARE(view.nudgeNumberFont().pointSize(), c.number);
        QVERIFY(view.nudgeCaptionFont().bold() && view.nudgeNumberFont().bold());
        QCOMPARE(view.captionFont().pointSize(), c.smallDisplays ? 8 : 10);
    }
    Config lowDpi;
    lowDpi.layoutWidth = 1024;
    lowDpi.logicalDpi = 96;
    Machine state;
    Pictures none;
    Canvas scratch;
    QVERIFY(MachineView(scratch, lowDpi, state, none).captionFont().bold());
    lowDpi.logicalDpi = 120;
    QVERIFY(!MachineView(scratch, lowDpi, state, none).captionFont().bold());
}

void ScreenTest::wholeMachineFitsInTheWindow()
{
    const QRect shown = canvas().shownArea();
    const MachineView &view = probe(*m_game->window).view();
    for (const QRect box : {view.scaled(577, 293, 655, 352), view.scaled(577, 362, 655, 421),
                            view.scaled(577, 432, 655, 491), view.scaled(578, 223, 656, 282)})
        QVERIFY2(shown.contains(box), qPrintable(QStringLiteral("box at %1,%2 outside %3x%4")
                                                     .arg(box.left()).arg(box.top())
                                                     .arg(shown.width()).arg(shown.height())));
    for (int reel = 0; reel < 3; ++reel)
        QVERIFY(shown.contains(view.reelWindow(reel)));
}

ZAND_TEST_MAIN(ScreenTest)
#include "tst_screen.moc"
