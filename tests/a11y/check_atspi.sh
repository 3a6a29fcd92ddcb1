#!/bin/bash
# SPDX-FileCopyrightText: 2026 Zantek Games
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts an X server of its own and the accessibility bus, and there the
# test host ($1, tst_atspi) with its game, which a screen-reader user's
# script (check_atspi.py) plays from the bus. Skips (77) where the desktop's
# pieces are not installed.
set -u
host=$1
here=$(dirname "$0")
for tool in Xvfb dbus-launch xdotool /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "no pyatspi: skipped"; exit 77; }

work=$(mktemp -d)
pids=()
finish() { for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done; sleep 0.3; rm -rf "$work"; }
trap finish EXIT
for n in $(seq 110 140); do [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || break; done
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 & pids+=($!)
export DISPLAY=":$n"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
eval "$(dbus-launch --sh-syntax)"; pids+=("$DBUS_SESSION_BUS_PID")
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 & pids+=($!)
sleep 0.5
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
export XDG_RUNTIME_DIR=$work/runtime LC_ALL=C.UTF-8
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
ZAND_ATSPI_SCRIPT=$here/check_atspi.py timeout 300 "$host"
