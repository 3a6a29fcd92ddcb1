#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Zantek Games
# SPDX-License-Identifier: GPL-3.0-or-later
# A screen-reader user's whole game, from the accessibility bus and the
# keyboard alone: the machine's named buttons and values, coins, spins, a
# nudge, a borrow, a save and a bonus game, each checked by what the bus
# reports. The vault needs luck: the script asks its host (tst_atspi) on
# standard output to load the reels for it.
import subprocess
import sys
import time

import pyatspi

TITLE = "Zandor Slots"


def find(node, test, depth=0):
    if node is None or depth > 12:
        return None
    try:
        if test(node):
            return node
        children = list(node)
    except Exception:  # a node that went away while we looked
        return None
    for child in children:
        found = find(child, test, depth + 1)
        if found is not None:
            return found
    return None


def wait_for(what, probe, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    sys.exit("never seen: " + what)


def game():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and find(app, lambda n: n.getRole() == pyatspi.ROLE_FRAME and n.name == TITLE, 9):
            return app
    return None


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "120", *keys], check=True)


def focus_game():
    # Without a window manager the focus stays where the last window left it.
    subprocess.run(["xdotool", "search", "--sync", "--name", TITLE, "windowfocus", "--sync"],
                   check=False, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def say(line):
    print(line, flush=True)


app = wait_for("the game on the bus", game)
machine = wait_for("the machine", lambda: find(app, lambda n: n.name == "Slot machine"))
focus_game()
zones = {child.name: child for child in machine}
for name in ["BET 1", "BET ONE badge", "BET MAX", "SPIN", "NUDGE 1", "NUDGE 2", "NUDGE 3"]:
    assert zones[name].getRole() == pyatspi.ROLE_PUSH_BUTTON, name
wait_for("SPIN open", lambda: zones["SPIN"].getState().contains(pyatspi.STATE_ENABLED))


def value(name):
    return zones[name].queryValue().currentValue


def enabled(name):
    return zones[name].getState().contains(pyatspi.STATE_ENABLED)


def outcome():
    return machine[machine.childCount - 1].name


def dialog(test):
    return find(app, lambda n: n.getRole() == pyatspi.ROLE_DIALOG and test(n))


def settled():
    return enabled("SPIN")


# A fresh game: six nudges to spend.
key("ctrl+n")
wait_for("the new game's nudges", lambda: value("Nudges") == 6)
assert value("Credits") == 1000, value("Credits")

# Coins, one at a time, then a spin.
key("b", "b")
wait_for("two coins", lambda: value("Coins") == 2)
assert value("Credits") == 998
before = outcome()
key("space")
wait_for("the spin to settle", lambda: outcome() != before and settled())
say("after a spin: credits %d - %s" % (value("Credits"), outcome()))

# Spins until a reel may be nudged, then a nudge by its number.
for _ in range(12):
    if enabled("NUDGE 1"):
        break
    before = value("Credits")
    key("space")
    wait_for("a spin to start", lambda: not settled(), 5)
    wait_for("the spin to settle", settled)
assert enabled("NUDGE 1"), "no nudge was offered in twelve spins"
nudges = value("Nudges")
say("nudge offered: " + outcome())
key("1")
wait_for("a nudge spent", lambda: value("Nudges") < nudges)
wait_for("the nudge to settle", settled)
say("after the nudge: nudges %d - %s" % (value("Nudges"), outcome()))

# A borrow: the chips are named for their amounts; Tab reaches them.
credits = value("Credits")
key("alt+b")
borrow = wait_for("the borrow window", lambda: dialog(lambda n: find(n, lambda c: c.name.startswith("Borrow "))))
chip = wait_for("a chip", lambda: find(borrow, lambda c: c.getRole() == pyatspi.ROLE_PUSH_BUTTON
                                        and c.name.startswith("Borrow ") and c.name.endswith(" credits")))
amount = int(chip.name.split()[1].replace(",", ""))
for _ in range(20):
    if chip.getState().contains(pyatspi.STATE_FOCUSED):
        break
    key("Tab")
assert chip.getState().contains(pyatspi.STATE_FOCUSED), "Tab never reached " + chip.name
key("space")
key("Escape")
wait_for("the borrowed credits", lambda: value("Credits") == credits + amount)
say("borrowed %d: credits %d" % (amount, value("Credits")))

# A save in the first slot: it holds the focus, Enter opens the name box.
focus_game()
key("alt+f", "s")
slots = wait_for("the save window", lambda: dialog(lambda n: find(n, lambda c: c.name.startswith("Save in slot 1,"))))
names = []
for number in range(1, 9):
    button = wait_for("slot %d" % number, lambda: find(
        slots, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name.startswith("Save in slot %d," % number)))
    names.append(button.name)
assert len(set(names)) == 8, names
key("Return")
wait_for("the name box", lambda: dialog(lambda n: n.name == "Name for this saved game?"))
key("Return")
wait_for("the save window closed", lambda: not dialog(lambda n: n.name.startswith("Save")), 10)
focus_game()
key("alt+f", "o")
opened = wait_for("the open window", lambda: dialog(lambda n: find(n, lambda c: c.name.startswith("Open slot 1,"))))
slot = find(opened, lambda c: c.name.startswith("Open slot 1,"))
assert "%d" % value("Credits") in slot.name.replace(",", ""), slot.name
say("saved: " + slot.name)
key("Escape")
wait_for("the open window closed", lambda: not dialog(lambda n: find(n, lambda c: c.name.startswith("Open slot"))), 10)

# A bonus game: the safes by their numbers.
focus_game()
for attempt in range(5):
    credits, nudges = value("Credits"), value("Nudges")
    say("load the reels for the vault")
    time.sleep(0.3)
    key("space")
    vault = wait_for("the spin to end or the vault to open",
                     lambda: dialog(lambda n: find(n, lambda c: c.name == "Safe 3")) or (settled() and "no vault"), 20)
    if vault != "no vault":
        break
    say("the lights took the reels' luck: again")
else:
    sys.exit("the vault never opened")
say("the vault is open")
key("3")
wait_for("the vault to close and pay", lambda: settled() and not dialog(lambda n: find(n, lambda c: c.name == "Safe 3")), 30)
won_credits = value("Credits") > credits - 3
won_nudges = value("Nudges") > nudges
assert won_credits or won_nudges, (credits, value("Credits"), nudges, value("Nudges"))
say("after the vault: credits %d, nudges %d - %s" % (value("Credits"), value("Nudges"), outcome()))
say("accessibility bus: a whole game played")
