// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology finds on the machine: its buttons and displays
// in the accessibility tree, their state and values following the game. The
// platform here has no reader to tell changes to; the desktop test hears them.
#include "GameFixture.h"
#include "ModalAnswerer.h"

#include "app/MachineAccessibility.h"
#include "platform/Canvas.h"

#include <QAccessible>
#include <QTest>

using namespace zand;

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_game = std::make_unique<GameFixture>();
        m_game->start();
    }
    void cleanup() { m_game.reset(); }
    void machineNamesItsControlsAndValues();
    void keyboardSpinIsToldThroughTheTree();
    void buttonsPressThroughTheTree();

private:
    QAccessibleInterface *zone(int index)
    {
        QAccessibleInterface *machine = QAccessible::queryAccessibleInterface(&probe(*m_game->window).canvas());
        return machine ? machine->child(index) : nullptr;
    }
    int valueOf(int index) { return zone(index)->valueInterface()->currentValue().toInt(); }

    std::unique_ptr<GameFixture> m_game;
};

void AccessibilityTest::machineNamesItsControlsAndValues()
{
    QAccessibleInterface *machine = QAccessible::queryAccessibleInterface(&probe(*m_game->window).canvas());
    QVERIFY(machine);
    QCOMPARE(machine->text(QAccessible::Name), QStringLiteral("Slot machine"));
    QCOMPARE(machine->childCount(), int(MachineAccessibility::ZoneCount));
    QStringList names;
    for (int i = 0; i < machine->childCount(); ++i) {
        QCOMPARE(machine->indexOfChild(machine->child(i)), i);
        QCOMPARE(machine->child(i)->parent(), machine);
        names << machine->child(i)->text(QAccessible::Name);
    }
    names.removeLast(); // the outcome, in words
    QCOMPARE(names, QStringList({"BET 1", "BET ONE badge", "BET MAX", "SPIN", "NUDGE 1", "NUDGE 2",
                                 "NUDGE 3", "Coins", "Winnings", "Credits", "Nudges", "Bonus meter",
                                 "Pay glass"}));
    QCOMPARE(zone(MachineAccessibility::Spin)->role(), QAccessible::Button);
    QVERIFY(!zone(MachineAccessibility::Spin)->state().disabled);
    QVERIFY(zone(MachineAccessibility::Nudge1)->state().disabled);
    QCOMPARE(valueOf(MachineAccessibility::Credits), m_game->state().credits);
    QCOMPARE(zone(MachineAccessibility::BonusMeter)->valueInterface()->maximumValue().toInt(), 12);
    // A zone lies where the button is drawn.
    const QRect spin = zone(MachineAccessibility::Spin)->rect();
    QCOMPARE(machine->childAt(spin.center().x(), spin.center().y()), zone(MachineAccessibility::Spin));
}

void AccessibilityTest::keyboardSpinIsToldThroughTheTree()
{
    ModalAnswerer answerer; // a bonus line's vault, should the reels open it
    m_game->state().credits = 100;
    m_game->state().nudges = 0;
    bool shutWhileTurning = false;
    m_game->clock.onPump = [&] {
        shutWhileTurning |= zone(MachineAccessibility::Spin)->state().disabled;
    };
    QTest::keyClick(&probe(*m_game->window).canvas(), Qt::Key_M);
    m_game->clock.onPump = nullptr;
    QVERIFY(shutWhileTurning);
    QVERIFY(!zone(MachineAccessibility::Spin)->state().disabled);
    QCOMPARE(valueOf(MachineAccessibility::Credits), m_game->state().credits);
    // The turn's outcome is said in words.
    const QString outcome = zone(MachineAccessibility::Outcome)->text(QAccessible::Name);
    QVERIFY2(outcome.startsWith("You won") || outcome.startsWith("No win") || outcome.startsWith("Bonus"),
             qPrintable(outcome));
}

void AccessibilityTest::buttonsPressThroughTheTree()
{
    QAccessibleInterface *betOne = zone(MachineAccessibility::BetOne);
    QCOMPARE(betOne->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    QCOMPARE(betOne->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
             QStringList{"B"});
    betOne->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_game->state().bet, 1);
    QCOMPARE(valueOf(MachineAccessibility::Coins), 1);
    zone(MachineAccessibility::Spin)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_game->state().spins, 1);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
