// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// Borrowing credits and paying them back: the bank's rule, the dialog's
// clicks, messages and balances, and the way back to the machine.
#include "GameFixture.h"
#include "ModalAnswerer.h"
#include "ScreenProbe.h"

#include "dialogs/BorrowDialog.h"
#include "dialogs/DialogLook.h"
#include "game/Borrowing.h"
#include "game/Layout.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>

#include <limits>

using namespace zand;
using namespace ScreenProbe;

namespace {
constexpr std::int32_t Most = std::numeric_limits<std::int32_t>::max();
}

class BorrowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void payBackIsHeldAgainstCreditsThenDebt_data();
    void payBackIsHeldAgainstCreditsThenDebt();
    void amountsReadInThePlayersLocale();
    void everyChipClickRedrawsBothBalances();
    void helpButtonExplainsAndF1FollowsTheControl();
    void controlsFitTheirPlacesAtThisResolution();
    void borrowedCreditsReachTheMachineAndPlay();

private:
    GameState &state() { return m_game->state(); }
    void openDialog();
    void click(const char *name) { m_dialog->findChild<QAbstractButton *>(name)->click(); }
    int s(int v) const { return DialogLook::scaled(m_dialog.get(), v); }
    // Whether the dialog's canvas reads this balance.
    bool shows(std::int32_t value, bool credits) const;

    std::unique_ptr<GameFixture> m_game;
    std::unique_ptr<BorrowDialog> m_dialog;
};

void BorrowTest::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_game = std::make_unique<GameFixture>();
    m_game->start();
}

void BorrowTest::cleanup()
{
    m_dialog.reset();
    m_game.reset();
}

void BorrowTest::openDialog()
{
    MainWindowProbe p = probe(*m_game->window);
    m_dialog = std::make_unique<BorrowDialog>(p.config(), p.machine(), p.pictures(), m_game->window.get());
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
}

bool BorrowTest::shows(std::int32_t value, bool credits) const
{
    // Each balance has its own half of the window.
    const QImage balances = m_dialog->findChild<Canvas *>()->image();
    const int half = balances.width() / 2;
    return readDigits(balances.copy(credits ? half : 0, 0, half, balances.height()))
        == QString::number(value);
}

void BorrowTest::payBackIsHeldAgainstCreditsThenDebt_data()
{
    using M = Borrowing::Mode;
    QTest::addColumn<int>("credits");
    QTest::addColumn<int>("borrowed");
    QTest::addColumn<M>("mode");
    QTest::addColumn<int>("amount");
    QTest::addColumn<int>("creditsAfter");
    QTest::addColumn<int>("borrowedAfter");
    QTest::addColumn<QString>("message");

    const QString notOwed = QStringLiteral("You cannot pay back more credits than you have borrowed!");
    const QString atLimit = QStringLiteral("You cannot borrow any more credits!");
    QTest::newRow("paying back all") << 1000 << 1000 << M::PayBack << 1000 << 0 << 0 << QString();
    QTest::newRow("999 held") << 999 << 5000 << M::PayBack << 1000 << 999 << 5000
                              << QStringLiteral("You do not have 1000.00 credits!");
    QTest::newRow("more than borrowed") << 500 << 50 << M::PayBack << 100 << 500 << 50 << notOwed;
    QTest::newRow("credits judged first") << 5 << 0 << M::PayBack << 10 << 5 << 0
                                          << QStringLiteral("You do not have   10.00 credits!");
    QTest::newRow("borrowing at nothing") << 0 << 1000 << M::Borrow << 1000 << 1000 << 2000 << QString();
    QTest::newRow("up to the limit") << Most - 1000 << 7 << M::Borrow << 1000 << Most << 1007 << QString();
    QTest::newRow("credits past it") << Most - 999 << 7 << M::Borrow << 1000 << Most - 999 << 7 << atLimit;
    QTest::newRow("debt past it") << 3 << Most << M::Borrow << 1 << 3 << Most << atLimit;
}

void BorrowTest::payBackIsHeldAgainstCreditsThenDebt()
{
    QFETCH(int, credits);
    QFETCH(int, borrowed);
    QFETCH(Borrowing::Mode, mode);
    QFETCH(int, amount);
    QFETCH(int, creditsAfter);
    QFETCH(int, borrowedAfter);
    QFETCH(QString, message);

    GameRecord game;
    game.credits = credits;
    game.borrowed = borrowed;
    const Borrowing::Outcome out = Borrowing::settle(game, mode, amount);
    QCOMPARE(out.credits, creditsAfter);
    QCOMPARE(out.borrowed, borrowedAfter);
    QCOMPARE(Borrowing::refusalText(out.refusal, amount), message);
}

void BorrowTest::amountsReadInThePlayersLocale()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(Borrowing::amountText(1), QStringLiteral("   1.00"));
    QCOMPARE(Borrowing::amountText(1, german), QStringLiteral("   1,00"));
    QCOMPARE(Borrowing::refusalText(Borrowing::Refusal::NotEnoughCredits, 1000, german),
             QStringLiteral("You do not have 1000,00 credits!"));
}

void BorrowTest::everyChipClickRedrawsBothBalances()
{
    state().credits = 996;
    state().borrowed = 9996;
    openDialog();
    ModalAnswerer answerer;
    QVERIFY(shows(996, true) && shows(9996, false));
    for (int i = 1; i <= 4; ++i) {
        click("chip1");
        QCOMPARE(state().credits, 996 + i);
        QCOMPARE(state().borrowed, 9996 + i);
        QVERIFY2(shows(996 + i, true) && shows(9996 + i, false), qPrintable(QString::number(i)));
    }
    click("payBack");
    click("chip1000");
    // Both numbers lost a digit and no stale one is left beside them.
    QVERIFY(shows(0, true) && shows(9000, false));
    QVERIFY(answerer.messages.isEmpty());

    click("chip1000");
    QCOMPARE(answerer.messages, QStringList{QStringLiteral("You do not have 1000.00 credits!")});
    QCOMPARE(state().credits, 0);
    QCOMPARE(state().borrowed, 9000);
    QVERIFY(shows(0, true) && shows(9000, false));
}

void BorrowTest::helpButtonExplainsAndF1FollowsTheControl()
{
    openDialog();
    ModalAnswerer answerer;
    click("help");
    QCOMPARE(answerer.messages,
             QStringList{QStringLiteral(
                 "Use this screen to borrow credits or pay back credits that you borrowed "
                 "previously.  Click on the button representing the amount to borrow (or pay "
                 "back).\r\n\r\nTo switch between \"borrow\" and \"pay back\" select the mode.")});
    QVERIFY(m_game->help.opened.isEmpty());

    QCOMPARE(helpContextOf(m_dialog.get()), 41003);
    QCOMPARE(helpContextOf(m_dialog->findChild<Canvas *>()), 41003);
    for (const char *name : {"chip1000", "chip100", "chip10", "chip1", "borrow", "payBack", "help", "ok"})
        QCOMPARE(helpContextOf(m_dialog->findChild<QAbstractButton *>(name)), 41005);
}

void BorrowTest::controlsFitTheirPlacesAtThisResolution()
{
    state().credits = Most;
    openDialog();
    const QList<QWidget *> controls = m_dialog->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 10); // canvas, four chips, label, two modes, Help, OK
    for (const QWidget *c : controls) {
        const QString name = c->objectName();
        QVERIFY2(m_dialog->rect().contains(c->geometry()), qPrintable(name));
        QVERIFY2(c->width() >= c->sizeHint().width() && c->height() >= c->sizeHint().height(),
                 qPrintable(name));
        for (const QWidget *other : controls)
            QVERIFY2(c == other || !c->geometry().intersects(other->geometry()), qPrintable(name));
    }
    // The largest balance, ten digits, still fits on the dialog's canvas.
    QVERIFY(shows(Most, true));
}

void BorrowTest::borrowedCreditsReachTheMachineAndPlay()
{
    MainWindow &window = *m_game->window;
    state().credits = 0;
    state().borrowed = 1000;
    probe(window).canvas().repaintNow();
    QAction *borrow = nullptr;
    for (QAction *action : window.findChildren<QAction *>())
        if (action->text() == QStringLiteral("&Borrow"))
            borrow = action;
    QVERIFY(borrow);

    bool chipClicked = false;
    ModalAnswerer answerer([&](QWidget *modal) {
        auto *dialog = qobject_cast<BorrowDialog *>(modal);
        if (!dialog) { // a spin happened to open the bonus screen: pick a safe
            QTest::keyClick(modal, Qt::Key_Space);
            return;
        }
        dialog->findChild<QPushButton *>(chipClicked ? "ok" : "chip1000")->click();
        chipClicked = true;
    });
    borrow->trigger();
    QCOMPARE(state().credits, 1000);
    QCOMPARE(state().borrowed, 2000);
    MainWindowProbe p = probe(window);
    const bool small = p.config().layoutWidth < 1000;
    const int w = small ? 16 : 32, h = small ? 21 : 42;
    const QRect display(p.view().scale(Layout::CreditsRight) - 4 * w,
                        p.view().scale(Layout::DigitsTop), 4 * w, h);
    QVERIFY(same(p.canvas().grab(display),
                 digits(small ? p.pictures().greenSmall : p.pictures().greenLarge, "1000", w, h)));

    // The borrowed credits play, and no one borrows while the reels turn.
    bool enabledDuringSpin = true;
    m_game->clock.onPump = [&] { enabledDuringSpin = enabledDuringSpin && borrow->isEnabled(); };
    p.skipBonusGames(); // an open vault would keep the bank shut
    p.controls().betMax();
    QVERIFY(!enabledDuringSpin);
    QVERIFY(borrow->isEnabled());
    QCOMPARE(state().totalBets, 3);
    QVERIFY(answerer.messages.isEmpty());
}

ZAND_TEST_MAIN(BorrowTest)
#include "tst_borrow.moc"
