#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zantek Games
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a screenshot of the game on a virtual screen, under a window manager:
#   tools/screenshot.sh 1024x768 shot.png [dpi] [game]
# The dpi is handed to the desktop as Xft.dpi, so 120 scales by 1.25, 144 by
# 1.5 and 192 by 2, as a desktop set to 125, 150 or 200 % does. Prints where
# the window's frame lies on the screen.
# Needs xvfb, xauth, imagemagick, x11-xserver-utils, x11-utils and openbox.
set -euo pipefail
size=${1:-1024x768}
out=$(realpath -m "${2:-shot-$size.png}")
dpi=${3:-96}
game=${4:-$(dirname "$0")/../build/game/zandslots}
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME=$config SDL_AUDIODRIVER=dummy
xvfb-run -a -s "-screen 0 ${size}x24 -dpi $dpi -noreset" bash -c "
  echo 'Xft.dpi: $dpi' | xrdb -nocpp -merge
  openbox >/dev/null 2>&1 & sleep 1
  '$game' & sleep 4
  for id in \$(xdotool search --onlyvisible --name 'Zandor Slots' 2>/dev/null); do
    xwininfo -id \$id | grep -E 'Absolute|Width|Height' | tr -s ' ' | tr '\\n' ' '
    xprop -id \$id _NET_FRAME_EXTENTS; done || true
  import -window root '$out'
  kill %2 %1" 2>/dev/null || true
echo "$out"
