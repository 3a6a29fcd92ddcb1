// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MachineAccessibility.h"

#include "app/Controls.h"
#include "game/Config.h"
#include "game/Layout.h"
#include "game/Machine.h"
#include "game/PayTable.h"
#include "platform/AccessibleCanvas.h"
#include "platform/Canvas.h"

#include <QLocale>

namespace zand {

namespace {

// The three number displays share the panel across the top.
constexpr QRect CoinsDisplay(230, 18, 90, 66);
constexpr QRect WinningsDisplay(320, 18, 130, 66);
constexpr QRect CreditsDisplay(450, 18, 190, 66);

CanvasZone button(const QString &name, const QRect &rect, bool enabled, const QString &key,
                  std::function<void()> press)
{
    CanvasZone z;
    z.kind = CanvasZone::Kind::Button;
    z.name = name;
    z.rect = rect;
    z.enabled = enabled;
    z.key = key;
    z.press = std::move(press);
    return z;
}

CanvasZone value(const QString &name, const QRect &rect, int number, int maximum = 0)
{
    CanvasZone z;
    z.kind = CanvasZone::Kind::Value;
    z.name = name;
    z.rect = rect;
    z.value = number;
    z.maximum = maximum;
    z.text = QLocale().toString(number);
    return z;
}

QString payGlassText()
{
    QStringList pays;
    for (int pay : PayTable::Pays)
        pays << QLocale().toString(pay);
    return MachineAccessibility::tr("Three of a kind on a line pays, from the grandest symbol to the "
                                    "humblest: %1 credits. Three Bonus symbols open the vault. The "
                                    "Wild on the right reel stands for any symbol.")
        .arg(pays.join(QStringLiteral(", ")));
}

} // namespace

MachineAccessibility::MachineAccessibility(Canvas &canvas, const Config &config, Machine &machine,
                                           Controls &controls, QObject *parent)
    : QObject(parent)
    , m_canvas(canvas)
    , m_config(config)
    , m_machine(machine)
    , m_controls(controls)
{
    AccessibleCanvas::describe(&m_canvas, [this] { return zones(); });
    m_canvas.setAccessibleName(tr("Slot machine"));
    Canvas *c = &m_canvas;
    connect(&m_machine, &Machine::coinsChanged, this, [c] { AccessibleCanvas::valueChanged(c, Coins); });
    connect(&m_machine, &Machine::winningsChanged, this, [c] { AccessibleCanvas::valueChanged(c, Winnings); });
    connect(&m_machine, &Machine::creditsChanged, this, [c] { AccessibleCanvas::valueChanged(c, Credits); });
    connect(&m_machine, &Machine::bonusMeterChanged, this, [c] { AccessibleCanvas::valueChanged(c, BonusMeter); });
    connect(&m_machine, &Machine::nudgesChanged, this, [this] {
        AccessibleCanvas::valueChanged(&m_canvas, Nudges);
        controlsChanged();
    });
    connect(&m_machine, &Machine::phaseChanged, this, [this](Machine::Phase phase) {
        controlsChanged();
        if (phase == Machine::Phase::Bonus) {
            m_outcome = tr("Bonus! The vault opens: pick a safe, 1 to 8.");
            AccessibleCanvas::nameChanged(&m_canvas, Outcome);
        }
    });
    connect(&m_machine, &Machine::gameReplaced, this, [this] {
        for (int zone = Coins; zone <= BonusMeter; ++zone)
            AccessibleCanvas::valueChanged(&m_canvas, zone);
        controlsChanged();
    });
    connect(&m_machine, &Machine::turnEnded, this, &MachineAccessibility::turnEnded);
}

MachineAccessibility::~MachineAccessibility()
{
    // The canvas outlives this object inside the window.
    m_canvas.setZones({});
}

QRect MachineAccessibility::scaled(const QRect &design) const
{
    return QRect(QPoint(m_config.scale(design.left()), m_config.scale(design.top())),
                 QPoint(m_config.scale(design.right()), m_config.scale(design.bottom())));
}

std::vector<CanvasZone> MachineAccessibility::zones() const
{
    const bool open = m_machine.controlsOpen();
    const bool nudge = m_machine.nudgeOffered();
    const GameState &state = m_machine.state();
    Controls &controls = m_controls;
    std::vector<CanvasZone> result;
    result.reserve(ZoneCount);
    result.push_back(button(tr("BET 1"), scaled(Layout::BetOneButton), open, QStringLiteral("B"),
                            [&controls] { controls.betOne(); }));
    result.push_back(button(tr("BET ONE badge"), scaled(Layout::BadgeZone), open, QStringLiteral("B"),
                            [&controls] { controls.betOne(); }));
    result.push_back(button(tr("BET MAX"), scaled(Layout::BetMaxButton), open, QStringLiteral("M"),
                            [&controls] { controls.betMax(); }));
    result.push_back(button(tr("SPIN"), scaled(Layout::SpinButton), open, QStringLiteral("Space"),
                            [&controls] { controls.spin(); }));
    for (int reel = 0; reel < 3; ++reel)
        result.push_back(button(tr("NUDGE %1").arg(reel + 1), scaled(Layout::nudgeLight(reel)), nudge,
                                QString::number(reel + 1), [&controls, reel] { controls.nudge(reel); }));
    result.push_back(value(tr("Coins"), scaled(CoinsDisplay), state.bet, 3));
    result.push_back(value(tr("Winnings"), scaled(WinningsDisplay), state.spinWin));
    result.push_back(value(tr("Credits"), scaled(CreditsDisplay), state.credits));
    result.push_back(value(tr("Nudges"), scaled(Layout::NudgeCounter), state.nudges));
    result.push_back(value(tr("Bonus meter"), scaled(Layout::BonusMeterBox), state.bonusPts,
                           Machine::BonusMeterPoints));
    CanvasZone glass;
    glass.name = tr("Pay glass");
    glass.rect = scaled(Layout::Marquee);
    glass.text = payGlassText();
    result.push_back(glass);
    CanvasZone outcome;
    outcome.name = m_outcome.isEmpty() ? tr("Place a coin and spin.") : m_outcome;
    outcome.rect = scaled(Layout::TitleGlass);
    result.push_back(outcome);
    return result;
}

void MachineAccessibility::controlsChanged()
{
    for (int zone = BetOne; zone <= Nudge3; ++zone)
        AccessibleCanvas::stateChanged(&m_canvas, zone);
}

void MachineAccessibility::turnEnded(int won)
{
    if (won > 0)
        m_outcome = tr("You won %1 credits.").arg(QLocale().toString(won));
    else if (m_machine.nudgeOffered())
        m_outcome = tr("No win. Nudge a reel: 1, 2 or 3.");
    else
        m_outcome = tr("No win.");
    AccessibleCanvas::nameChanged(&m_canvas, Outcome);
}

} // namespace zand
