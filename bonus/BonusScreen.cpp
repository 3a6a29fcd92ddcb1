// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BonusScreen.h"

#include "game/Config.h"
#include "game/Machine.h"
#include "game/Prizes.h"
#include "game/Random.h"
#include "game/Session.h"
#include "platform/AccessibleCanvas.h"
#include "platform/Canvas.h"
#include "audio/SoundBoard.h"
#include "screen/BonusView.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace zand {

BonusScreen::BonusScreen(const Config &config, Machine &machine, const Session &session,
                         Random &random, SoundBoard &sound, const Prizes::Table &prizes,
                         QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint)
    , m_machine(machine)
    , m_session(session)
    , m_random(random)
    , m_sound(sound)
    , m_prizes(prizes)
    , m_canvas(new Canvas(this))
{
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_canvas);
    setStyleSheet(QStringLiteral("background: black;"));

    // The screen's size in device pixels; the window is sized in the window
    // system's pixels.
    const QSize size(config.screenWidth, config.screenHeight);
    resize((QSizeF(size) / devicePixelRatioF()).toSize());
    m_view = std::make_unique<BonusView>(*m_canvas, config, size);
    if (config.logicalDpi < 100)
        setWindowState(Qt::WindowMaximized);

    m_canvas->setPaintHandler([this] { m_view->paint(); });
    connect(m_canvas, &Canvas::pressed, this, &BonusScreen::pressed);
    AccessibleCanvas::describe(m_canvas, [this] { return safeZones(); });
    m_canvas->setAccessibleName(tr("The vault"));
    openTimer.setInterval(300);
    closeTimer.setInterval(3000);
    closeTimer.setSingleShot(true);
    connect(&openTimer, &QTimer::timeout, this, &BonusScreen::nextFrame);
    connect(&closeTimer, &QTimer::timeout, this, &QDialog::accept);
    revealTimer.setSingleShot(true);
    connect(&revealTimer, &QTimer::timeout, this,
            [this] { m_view->revealOthers(m_chosenSafe, m_prizes); });
}

BonusScreen::~BonusScreen()
{
    // The safes' places come from the view, which goes before the canvas.
    m_canvas->setZones({});
}

void BonusScreen::settle(Machine &machine, Random &random, const Prizes::Table &prizes)
{
    machine.payBonus(prizes[random.below(Prizes::Safes)]);
    machine.closeVault();
}

QRect BonusScreen::safeRect(int safe) const
{
    return m_view->safeRect(safe);
}

QPoint BonusScreen::pictureOrigin() const
{
    return m_view->pictureOrigin();
}

std::vector<CanvasZone> BonusScreen::safeZones()
{
    std::vector<CanvasZone> zones;
    for (int safe = 0; safe < Prizes::Safes; ++safe) {
        CanvasZone zone;
        zone.kind = CanvasZone::Kind::Button;
        zone.name = tr("Safe %1").arg(safe + 1);
        if (safe == m_chosenSafe && m_prizeShown)
            zone.name = prizeText(m_prizes[safe]);
        zone.rect = safeRect(safe);
        zone.enabled = m_chosenSafe == -1;
        zone.key = QString::number(safe + 1);
        zone.press = [this, safe] { pressed(safeRect(safe).center()); };
        zones.push_back(zone);
    }
    return zones;
}

QString BonusScreen::prizeText(int prize)
{
    return prize == Prizes::SixNudges ? tr("%1 Nudges").arg(Prizes::NudgesWon) : QString::number(prize);
}

QPoint BonusScreen::onScreen(QPoint onPicture) const
{
    return m_view->onScreen(onPicture);
}

const std::array<QString, Prizes::Safes> &BonusScreen::prizesShown() const
{
    return m_view->written();
}

void BonusScreen::pressed(QPoint position)
{
    if (m_chosenSafe != -1)
        return;
    for (int safe = 0; safe < Prizes::Safes; ++safe) {
        // Both edges of a safe belong to it.
        if (safeRect(safe).contains(position)) {
            m_openFrame = -1;
            choose(safe);
            m_sound.playSafe();
            return;
        }
    }
}

void BonusScreen::keyPressEvent(QKeyEvent *event)
{
    // The keys 1 to 8 open the safe of that number (row by row, as a reader
    // of the screen counts them); any other key picks one at random. A key
    // opens its safe silently, one frame later than a click.
    if (m_chosenSafe != -1)
        return;
    const int number = event->key() - Qt::Key_0;
    choose(number >= 1 && number <= Prizes::Safes ? number - 1 : m_random.below(Prizes::Safes));
}

void BonusScreen::choose(int safe)
{
    m_chosenSafe = safe;
    openTimer.start();
}

void BonusScreen::nextFrame()
{
    m_openFrame += 1;
    if (m_openFrame < BonusView::OpeningFrames) {
        m_view->drawSafe(m_chosenSafe, m_openFrame);
        return;
    }
    openTimer.stop();
    revealPrize();
}

void BonusScreen::revealPrize()
{
    const int prize = m_prizes[m_chosenSafe];
    // Nudges count at once; credits when the screen closes.
    if (prize == Prizes::SixNudges)
        m_machine.payBonus(prize);
    m_view->drawPrize(m_chosenSafe, prize);
    m_prizeShown = true;
    AccessibleCanvas::nameChanged(m_canvas, m_chosenSafe);
    closeTimer.start();
    // The other safes open a moment later, while the prize still shows.
    revealTimer.start(closeTimer.interval() / 3);
}

void BonusScreen::closeEvent(QCloseEvent *event)
{
    // The player cannot cancel the screen nor cut its prize short: it closes
    // by its own timer, three seconds after the prize shows. A game that is
    // closing does not wait for the player: a safe is picked as a key press
    // would, and its prize is shown and paid at once.
    event->ignore();
    if (!m_session.closing)
        return;
    if (!m_prizeShown) {
        if (m_chosenSafe == -1)
            m_chosenSafe = m_random.below(Prizes::Safes);
        openTimer.stop();
        revealPrize();
    }
    done(Accepted);
}

void BonusScreen::reject()
{
    // Escape is just another key here.
    if (m_chosenSafe == -1)
        choose(m_random.below(Prizes::Safes));
}

void BonusScreen::done(int result)
{
    if (!m_prizeShown)
        return;
    closeTimer.stop();
    revealTimer.stop();
    QDialog::done(result);
    // Paid once the screen is down: the payout goes on from here.
    if (!m_paid) {
        m_paid = true;
        if (m_prizes[m_chosenSafe] != Prizes::SixNudges)
            m_machine.payBonus(m_prizes[m_chosenSafe]);
        m_machine.closeVault();
    }
}

} // namespace zand
