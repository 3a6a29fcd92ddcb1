#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Zantek Games
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the machine from the accessibility bus and the keyboard alone: the
# tree holds the machine's named buttons and values, a spin from the keyboard
# changes the Credits the tree reports and tells the outcome, and the slot
# window's buttons say which slot they are.
import subprocess
import sys
import time

import pyatspi


def find(node, test, depth=0):
    if node is None or depth > 12:
        return None
    if test(node):
        return node
    for child in node:
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
        if app is not None and app.name == "Zandor Slots":
            return app
    return None


def key(*keys):
    subprocess.run(["xdotool", "search", "--sync", "--name", "Zandor Slots", "windowfocus", "--sync"],
                   check=False, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["xdotool", "key", "--delay", "100", *keys], check=True)


app = wait_for("the game on the bus", game)
machine = wait_for("the machine", lambda: find(app, lambda n: n.name == "Slot machine"))
zones = {child.name: child for child in machine}
for name in ["BET 1", "BET ONE badge", "BET MAX", "SPIN", "NUDGE 1", "NUDGE 2", "NUDGE 3"]:
    assert zones[name].getRole() == pyatspi.ROLE_PUSH_BUTTON, name
# The controls open once the machine has started.
wait_for("SPIN open", lambda: zones["SPIN"].getState().contains(pyatspi.STATE_ENABLED))
assert not zones["NUDGE 1"].getState().contains(pyatspi.STATE_ENABLED)


def credits():
    return zones["Credits"].queryValue().currentValue


assert credits() == 1000, credits()
outcome = machine[machine.childCount - 1]
before = outcome.name
key("m")
wait_for("the credits after a spin", lambda: credits() != 1000)
wait_for("the outcome of the spin", lambda: machine[machine.childCount - 1].name != before)
print("after a spin: credits", credits(), "-", machine[machine.childCount - 1].name)

key("alt+f", "s")
dialog = wait_for("the save window", lambda: find(app, lambda n: n.getRole() == pyatspi.ROLE_DIALOG))
names = []
for number in range(1, 9):
    button = wait_for("slot %d" % number, lambda: find(
        dialog, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name.startswith("Save in slot %d," % number)))
    names.append(button.name)
assert len(set(names)) == 8, names
print("slot buttons:", names[0], "...", names[7])
key("Escape")
print("accessibility bus: all seen")
