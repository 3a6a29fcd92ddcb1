// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BorrowDialog.h"

#include "dialogs/DialogLook.h"
#include "game/Assets.h"
#include "game/Borrowing.h"
#include "game/Config.h"
#include "game/Machine.h"
#include "platform/AccessibleCanvas.h"
#include "platform/Canvas.h"
#include "platform/HelpViewer.h"
#include "screen/NumberDisplay.h"
#include "screen/Pictures.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <array>
#include <cmath>

namespace zand {

namespace {

constexpr int Width = 582;
constexpr int Height = 300;
// The balances: captions on one line, the digits below them, each in its
// half of the window.
constexpr int CaptionTop = 20;
constexpr int DigitsTop = 40;
constexpr int BorrowedLeft = 20;
constexpr int CreditsRight = Width - 30;
constexpr int BalanceRoom = (CreditsRight - BorrowedLeft) / 2 - 15;
constexpr int BalancesHeight = 100;

// A chip on the button face: the ground it was drawn on (the colour of its
// bottom-left pixel) is see-through.
QIcon chipIcon(const char *name)
{
    QPixmap chip = QPixmap::fromImage(Pictures::builtIn(name));
    if (chip.isNull())
        return {};
    const QColor ground = chip.toImage().pixelColor(0, chip.height() - 1);
    chip.setMask(chip.createMaskFromColor(ground, Qt::MaskInColor));
    return QIcon(chip);
}

} // namespace

BorrowDialog::BorrowDialog(const Config &config, Machine &machine, const Pictures &pictures,
                           QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
    , m_config(config)
    , m_machine(machine)
    , m_pictures(pictures)
    , m_balances(new Canvas(this))
{
    setWindowTitle(tr("Use this form to borrow or pay back credits"));
    setFont(DialogLook::font(10));
    setFixedSize(DialogLook::scaled(this, Width), DialogLook::scaled(this, Height));
    setHelpContext(this, HelpContext::MainWindow);

    m_balances->setGeometry(DialogLook::scaled(this, QRect(0, 0, Width, BalancesHeight)));
    m_balances->setFocusPolicy(Qt::NoFocus);
    m_balances->setPaintHandler([this] { paintBalances(); });
    AccessibleCanvas::describe(m_balances, [this] { return balanceZones(); });
    m_balances->setAccessibleName(tr("Balances"));

    createChipButtons();
    createModeButtons();

    QPushButton *help = DialogLook::button(this, QRect(10, 246, 127, 46),
                                           DialogLook::Glyph::Help, tr("&Help"));
    help->setObjectName(QStringLiteral("help"));
    setHelpContext(help, HelpContext::BorrowButtons);
    connect(help, &QPushButton::clicked, this, [this] { inform(Borrowing::instructions()); });

    QPushButton *ok = DialogLook::button(this, QRect(442, 246, 127, 46), DialogLook::Glyph::Ok,
                                         tr("&OK"));
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    setHelpContext(ok, HelpContext::BorrowButtons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void BorrowDialog::createChipButtons()
{
    const std::array<const char *, 4> chips = {Assets::Chip1000, Assets::Chip100, Assets::Chip10,
                                               Assets::Chip1};
    for (std::size_t i = 0; i < chips.size(); ++i) {
        const int amount = Borrowing::Amounts[i];
        auto *button = new QPushButton(chipIcon(chips[i]), QString(), this);
        button->setObjectName(QStringLiteral("chip%1").arg(amount));
        m_chips.push_back(button);
        // The chips keep their drawn size; the buttons grow around them.
        button->setIconSize(QSize(66, 42));
        button->setAutoDefault(false);
        place(button, QRect(89 + 112 * static_cast<int>(i), 104, 80, 57));
        setHelpContext(button, HelpContext::BorrowButtons);
        connect(button, &QPushButton::clicked, this, [this, amount] { chipClicked(amount); });
    }
}

void BorrowDialog::createModeButtons()
{
    auto *mode = new QLabel(tr("Mode:"), this);
    mode->setFont(DialogLook::font(14));
    QPalette red = mode->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    mode->setPalette(red);
    place(mode, QRect(56, 192, 54, 24));

    auto *borrow = new QRadioButton(tr("Borrow Credits"), this);
    borrow->setObjectName(QStringLiteral("borrow"));
    borrow->setFont(DialogLook::font(12));
    borrow->setChecked(true);
    place(borrow, QRect(147, 192, 190, 33));
    setHelpContext(borrow, HelpContext::BorrowButtons);

    m_payBack = new QRadioButton(tr("Pay Back Credits"), this);
    m_payBack->setObjectName(QStringLiteral("payBack"));
    m_payBack->setFont(DialogLook::font(12));
    place(m_payBack, QRect(355, 192, 190, 33));
    setHelpContext(m_payBack, HelpContext::BorrowButtons);
    connect(m_payBack, &QRadioButton::toggled, this, &BorrowDialog::nameChips);
    nameChips();
}

void BorrowDialog::nameChips()
{
    // A reader hears what a chip will do in the mode chosen.
    for (std::size_t i = 0; i < m_chips.size(); ++i) {
        const QString amount = QLocale().toString(Borrowing::Amounts[i]);
        m_chips[i]->setAccessibleName(m_payBack->isChecked() ? tr("Pay back %1 credits").arg(amount)
                                                             : tr("Borrow %1 credits").arg(amount));
    }
}

std::vector<CanvasZone> BorrowDialog::balanceZones() const
{
    const QRect all(QPoint(0, 0), m_balances->pixelSize());
    CanvasZone credits;
    credits.kind = CanvasZone::Kind::Value;
    credits.name = tr("Credits");
    // Borrowed on the left, the credits on the right.
    credits.rect = QRect(QPoint(all.width() / 2, 0), QSize(all.width() - all.width() / 2, all.height()));
    credits.value = m_machine.state().credits;
    credits.text = QLocale().toString(credits.value);
    CanvasZone borrowed = credits;
    borrowed.name = tr("Borrowed");
    borrowed.rect = QRect(all.topLeft(), QSize(all.width() / 2, all.height()));
    borrowed.value = m_machine.state().borrowed;
    borrowed.text = QLocale().toString(borrowed.value);
    return {credits, borrowed};
}

void BorrowDialog::place(QWidget *control, const QRect &rect96)
{
    QRect r = DialogLook::scaled(this, rect96);
    r.setSize(r.size().expandedTo(control->sizeHint()));
    control->setGeometry(r);
}

void BorrowDialog::paintBalances()
{
    Canvas &c = *m_balances;
    // The canvas holds the screen's own pixels: the 96-dpi layout grown
    // with the dpi and the desktop's scaling alike.
    const double grow = logicalDpiY() / 96.0 * c.devicePixelRatioF();
    const auto s = [grow](int v) { return static_cast<int>(std::lround(v * grow)); };
    c.fillRect(QRect(QPoint(0, 0), c.pixelSize()), palette().color(QPalette::Window));
    const QFont caption = DialogLook::font(10, true);
    const QColor ink = palette().color(QPalette::WindowText);
    const QString credits = tr("Credits:");
    // The caption ends where the digits below it end.
    c.drawText(s(CreditsRight) - c.textWidth(credits, caption), s(CaptionTop), credits, caption,
               ink);
    c.drawText(s(BorrowedLeft), s(CaptionTop), tr("Borrowed:"), caption, ink);
    // The digits of the machine's screen, as the window system counts it.
    NumberDisplay display = NumberDisplay::sizedFor(
        static_cast<int>(m_config.layoutWidth * 96 / m_config.logicalDpi), grow);
    display.room = s(BalanceRoom);
    display.green = false;
    display.rightAligned = true;
    display.draw(c, m_pictures, m_machine.state().credits, QPoint(s(CreditsRight), s(DigitsTop)));
    display.green = true;
    display.rightAligned = false;
    display.draw(c, m_pictures, m_machine.state().borrowed, QPoint(s(BorrowedLeft), s(DigitsTop)));
}

void BorrowDialog::chipClicked(int amount)
{
    const Borrowing::Mode mode =
        m_payBack->isChecked() ? Borrowing::Mode::PayBack : Borrowing::Mode::Borrow;
    const Borrowing::Outcome outcome = m_machine.borrow(mode, amount);
    if (outcome.refusal != Borrowing::Refusal::None) {
        inform(Borrowing::refusalText(outcome.refusal, amount));
        return;
    }
    m_balances->repaintNow();
    AccessibleCanvas::valueChanged(m_balances, 0);
    AccessibleCanvas::valueChanged(m_balances, 1);
}

void BorrowDialog::inform(const QString &text)
{
    QMessageBox::information(this, Config::applicationTitle(), text);
}

} // namespace zand
