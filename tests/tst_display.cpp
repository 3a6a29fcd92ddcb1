// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// The machine on the screen's own pixels, whatever the desktop's scaling:
// the layout, the symbol sheet and the digits follow the device pixels and
// their density, the canvas is shown pixel for pixel, a wide screen shows the
// machine in the middle, and clicks land on the pixel under the pointer.
#include "GameFixture.h"
#include "ScreenProbe.h"
#include "TestScreen.h"

#include "dialogs/BorrowDialog.h"
#include "game/Layout.h"
#include "game/Strips.h"
#include "platform/Canvas.h"
#include "screen/Lights.h"
#include "screen/MachineView.h"

#include <QTest>

using namespace zand;
using namespace ScreenProbe;

namespace {

// A theme's symbol sheets drawn for every screen width the game knows, each
// a flat colour of its own.
const struct
{
    int layoutWidth;
    int cell;
    QColor colour;
} Sheets[] = {{640, 61, QColor(200, 0, 0)},    {1024, 98, QColor(0, 200, 0)},
              {1152, 110, QColor(0, 0, 200)},  {1280, 122, QColor(200, 200, 0)},
              {1600, 152, QColor(0, 200, 200)}};

} // namespace

class DisplayTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void machineIsLaidOutOnTheDevicePixels();
    void symbolSheetSuitsTheDeviceWidth();
    void canvasIsShownPixelForPixel();
    void changedLightsReachTheWindowPixelForPixel();
    void wideScreenShowsTheMachineInTheMiddle();
    void clicksLandOnTheDevicePixelUnderThePointer();
    void aPressOnTheLeverSpins();
    void numbersReadTrue_data();
    void numbersReadTrue();
    void nudgesStayInTheirPanel_data();
    void nudgesStayInTheirPanel();

private:
    const Config &config() const { return probe(*m_game->window).config(); }
    Canvas &canvas() const { return probe(*m_game->window).canvas(); }
    const Pictures &pictures() const { return probe(*m_game->window).pictures(); }
    int s(int v) const { return config().scale(v); }

    TestScreen m_screen = TestScreen::current();
    std::unique_ptr<GameFixture> m_game;
};

void DisplayTest::init()
{
    m_game = std::make_unique<GameFixture>();
    for (const auto &sheet : Sheets) {
        QImage picture(4 * sheet.cell, 3 * sheet.cell, QImage::Format_RGB32);
        picture.fill(sheet.colour);
        QVERIFY(picture.save(m_game->appPath() + QStringLiteral("Zand%1.jpg").arg(sheet.cell), "JPG"));
    }
    m_game->start();
    probe(*m_game->window).lights().stopAll();
    canvas().repaintNow();
}

void DisplayTest::cleanup()
{
    m_game.reset();
}

void DisplayTest::machineIsLaidOutOnTheDevicePixels()
{
    const QSize pixels = m_screen.pixels;
    QCOMPARE(QSize(config().screenWidth, config().screenHeight), pixels);
    QCOMPARE(config().logicalDpi, m_screen.dpi);
    QCOMPARE(config().layoutWidth, std::min(pixels.width(), pixels.height() * 4 / 3));
    // The desktop really scales this run, and the canvas holds the window's
    // device pixels.
    QCOMPARE(canvas().devicePixelRatioF(), m_screen.ratio);
    const QSizeF expected = QSizeF(canvas().size()) * m_screen.ratio;
    QVERIFY(std::abs(canvas().pixelSize().width() - expected.width()) <= 1);
    QVERIFY(std::abs(canvas().pixelSize().height() - expected.height()) <= 1);

    // The digits take the cells of the device width: credits 1000 end at 620.
    const bool small = config().layoutWidth < 1000;
    const int w = small ? 16 : 32, h = small ? 21 : 42;
    const QImage &green = small ? pictures().greenSmall : pictures().greenLarge;
    // (On a small screen at a high density the caption's letters, sized in
    // points, reach down into the digits' top rows.)
    const int below = std::max(0, s(24) + canvas().textHeight(probe(*m_game->window).view().captionFont()) - s(38));
    QVERIFY(below < h);
    QVERIFY(same(canvas().grab(QRect(s(620) - 4 * w, s(38) + below, 4 * w, h - below)),
                 digits(green, "1000", w, h).copy(0, below, 4 * w, h - below)));
}

void DisplayTest::symbolSheetSuitsTheDeviceWidth()
{
    int cell = 0;
    QColor colour;
    for (const auto &sheet : Sheets)
        if (sheet.layoutWidth == config().layoutWidth) {
            cell = sheet.cell;
            colour = sheet.colour;
        }
    if (cell == 0) {
        QCOMPARE(pictures().symbolSize, config().layoutWidth == 800 ? 76 : s(76));
        return;
    }
    QCOMPARE(pictures().symbolSize, cell);
    const QColor shown(canvas().pixel(pictures().reelLeft + cell / 2, pictures().reelTop + cell / 2));
    QVERIFY(std::abs(shown.red() - colour.red()) < 12 && std::abs(shown.green() - colour.green()) < 12
            && std::abs(shown.blue() - colour.blue()) < 12);
}

void DisplayTest::canvasIsShownPixelForPixel()
{
    // What the window system is given for the canvas: its paint, rendered at
    // the screen's ratio.
    const QImage shown = canvas().QWidget::grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.devicePixelRatio(), canvas().devicePixelRatioF());
    const QPoint origin = canvas().origin();
    // Every symbol on the reels, pixel for pixel as the prepared sheet has it.
    for (int reel = 0; reel < 3; ++reel)
        for (int row = 0; row < 3; ++row) {
            const QRect cell(pictures().reelLeft + reel * pictures().reelPitch,
                             pictures().reelTop + row * pictures().symbolSize,
                             pictures().symbolSize, pictures().symbolSize);
            const int symbol = Strips::visible(reel, m_game->state().reelStops[reel])[row];
            QVERIFY2(same(shown.copy(cell.translated(origin)), sheetCell(pictures(), symbol)),
                     qPrintable(QStringLiteral("reel %1 row %2").arg(reel).arg(row)));
        }
    // And the whole machine as the canvas holds it.
    const QRect machine = QRect(origin, QSize(config().layoutWidth, config().layoutWidth * 3 / 4))
                              & QRect(QPoint(), shown.size());
    QVERIFY(same(shown.copy(machine), canvas().image().copy(machine)));
}

void DisplayTest::changedLightsReachTheWindowPixelForPixel()
{
    // Lights far apart change in one go: the window shows each of them as
    // the canvas holds it, and nothing between them moves.
    MachineView &view = probe(*m_game->window).view();
    QWidget &window = *m_game->window;
    view.drawButton(MachineView::Button::BetOne, false);
    view.drawButton(MachineView::Button::Spin, true);
    view.drawBadge(false);
    view.drawCell(2, 1, Pictures::WildCells + 1);
    QCoreApplication::processEvents();
    const QImage shown = window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    if (shown.width() < canvas().pixelSize().width())
        QSKIP("this platform grabs a scaled window at its logical size");
    const double ratio = canvas().devicePixelRatioF();
    const QPoint corner = (QPointF(canvas().mapTo(&window, QPoint(0, 0))) * ratio).toPoint();
    const QRect all = QRect(corner, canvas().pixelSize()) & shown.rect();
    QVERIFY(same(shown.copy(all), canvas().image().copy(all.translated(-corner))));
}

void DisplayTest::wideScreenShowsTheMachineInTheMiddle()
{
    const int width = canvas().pixelSize().width();
    const int machine = config().layoutWidth;
    const int left = canvas().origin().x();
    QCOMPARE(left, std::max(0, (width - machine) / 2));
    QCOMPARE(canvas().origin().y(), 0);
    if (left == 0)
        return;
    // The backdrop in bands of the same width either side of the machine.
    const int right = width - left - machine;
    QVERIFY(std::abs(left - right) <= 1);
    const QImage &all = canvas().image();
    QVERIFY(!allBlack(all.copy(0, 0, left, all.height())));
    QVERIFY(!allBlack(all.copy(left + machine, 0, right, all.height())));
    QVERIFY(!allBlack(all.copy(left, 0, 4, all.height())));
}

void DisplayTest::aPressOnTheLeverSpins()
{
    probe(*m_game->window).skipBonusGames();
    GameState &state = m_game->state();
    state.lastBet = 2;
    const int spins = state.spins;
    const int bets = state.totalBets;
    const QRect lever = Layout::Lever;
    click(canvas(), QPoint(s(lever.left()) - 1, s(130)));
    QCOMPARE(state.spins, spins);

    // The lever moves while it is pulled: some frame of it is not the
    // machine at rest.
    const auto leverShown = [&] {
        const QRect area(s(lever.left()), s(lever.top()), s(lever.width()), s(lever.height()));
        return canvas().image().copy(area.translated(canvas().origin()));
    };
    const QImage atRest = leverShown();
    bool moved = false;
    m_game->clock.onPump = [&] { moved = moved || !same(atRest, leverShown()); };
    click(canvas(), QPoint(s(733), s(130)));
    m_game->clock.onPump = nullptr;
    QCOMPARE(state.spins, spins + 1);
    QCOMPARE(state.totalBets, bets + 2);
    QVERIFY(moved);
}

void DisplayTest::clicksLandOnTheDevicePixelUnderThePointer()
{
    GameState &state = m_game->state();
    // The Bet One zone takes in its left edge and ends on its right one.
    click(canvas(), QPoint(s(577) - 1, s(362)));
    QCOMPARE(state.bet, 0);
    click(canvas(), QPoint(s(577), s(362)));
    QCOMPARE(state.bet, 1);
    click(canvas(), QPoint(s(655), s(421)));
    QCOMPARE(state.bet, 2);
    click(canvas(), QPoint(s(655) + 1, s(421)));
    QCOMPARE(state.bet, 2);
}

// A saved game may hold any value: every display shows it whole, with its
// sign, however long it is.
void DisplayTest::numbersReadTrue_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("value");
    for (const char *display : {"credits", "winnings", "bank credits", "bank borrowed"})
        for (const int value : {-2147483647 - 1, -250, 1234567890, 2147483647})
            QTest::addRow("%s %d", display, value) << QString::fromLatin1(display) << value;
}

void DisplayTest::numbersReadTrue()
{
    QFETCH(QString, display);
    QFETCH(int, value);
    GameState &state = m_game->state();
    QImage area;
    if (!display.startsWith(QLatin1String("bank"))) {
        MachineView &view = probe(*m_game->window).view();
        const bool credits = display == QLatin1String("credits");
        if (credits) {
            state.credits = value;
            view.showCredits();
        } else {
            view.showWinnings(value);
        }
        // From the display's neighbour to its anchor, the panel's height.
        area = canvas().grab(QRect(QPoint(s(credits ? 450 : 300), s(Layout::DigitsTop)),
                                   QPoint(s(credits ? 620 : 440) - 1, s(84) - 1)));
    } else {
        const bool borrowed = display.endsWith(QLatin1String("borrowed"));
        (borrowed ? state.borrowed : state.credits) = value;
        BorrowDialog bank(config(), probe(*m_game->window).machine(), pictures());
        bank.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bank));
        const QImage balances = bank.findChild<Canvas *>()->image();
        // Each balance has its own half of the window.
        const int half = balances.width() / 2;
        area = balances.copy(borrowed ? 0 : half, 0, half, balances.height());
    }
    QCOMPARE(readDigits(area), QString::number(value));
}

void DisplayTest::nudgesStayInTheirPanel_data()
{
    QTest::addColumn<int>("nudges");
    QTest::newRow("most") << 2147483647;
    QTest::newRow("least") << -2147483647 - 1;
    QTest::newRow("two") << 2;
}

void DisplayTest::nudgesStayInTheirPanel()
{
    QFETCH(int, nudges);
    MachineView &view = probe(*m_game->window).view();
    // The machine around the counter as it is drawn without it.
    const QRect design = Layout::BonusMeterBox.adjusted(-12, -12, 12, 12);
    const QRect around = view.scaled(design);
    canvas().copy(pictures().machine, design, around);
    view.drawBonusMeter();
    const QImage before = canvas().grab(around);
    m_game->state().nudges = nudges;
    view.drawNudgeCounter();
    const QImage after = canvas().grab(around);
    // Caption and number keep inside the panel.
    const QRect panel = view.scaled(Layout::NudgeCounter).translated(-around.topLeft());
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (!panel.contains(x, y) && after.pixel(x, y) != before.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("spilt at %1,%2").arg(x).arg(y)));
}

ZAND_TEST_MAIN(DisplayTest)
#include "tst_display.moc"
