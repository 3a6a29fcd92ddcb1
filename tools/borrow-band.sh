#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zantek Games
# SPDX-License-Identifier: GPL-3.0-or-later
# Opens the Borrow dialog on a real X desktop (xvfb and openbox) at 100, 125
# and 200 %, on screens of the same size in the desktop's pixels, and compares
# the share of pure black in the dialog with the 100 % one: a part of the
# window left unpainted (black) or counters drawn at another size move it.
#   tools/borrow-band.sh [game]
# Needs xvfb, openbox, xdotool, imagemagick, x11-xserver-utils and x11-utils.
set -euo pipefail
game=$(realpath "${1:-$(dirname "$0")/../build/game/zandslots}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SDL_AUDIODRIVER=dummy

black_share() { # dpi screen -> share of black pixels in the dialog
  XDG_CONFIG_HOME=$work/$1 XDG_DATA_HOME=$work/$1 xvfb-run -a -s "-screen 0 ${2}x24 -dpi $1 -noreset" bash -c "
    echo 'Xft.dpi: $1' | xrdb -nocpp -merge
    openbox >/dev/null 2>&1 & sleep 1
    '$game' >/dev/null 2>&1 & sleep 4
    xdotool windowactivate --sync \$(xdotool search --onlyvisible --name 'Zandor Slots' | head -1)
    xdotool key alt+b; sleep 2
    xwininfo -id \$(xdotool getactivewindow) | awk '/Absolute upper-left X/{x=\$NF} /Absolute upper-left Y/{y=\$NF}
      /Width/{w=\$NF} /Height/{h=\$NF} END{print w \"x\" h \"+\" x \"+\" y}' > '$work/$1.geometry'
    import -window root '$work/$1.png'
    kill %2 %1" 2>/dev/null || true
  convert "$work/$1.png" -crop "$(cat "$work/$1.geometry")" +repage -fill white +opaque black \
    -format '%[fx:1-mean]' info:
}

base=$(black_share 96 1024x768)
echo "100 %: ${base} of the dialog is black"
status=0
for case in "120 1280x960 125" "192 2048x1536 200"; do
  set -- $case
  share=$(black_share "$1" "$2")
  verdict=ok
  awk -v a="$share" -v b="$base" 'BEGIN { d = a - b; exit (d > 0.01 || d < -0.01) ? 0 : 1 }' \
    && { verdict="UNLIKE 100 %"; status=1; }
  echo "$3 %: ${share} of the dialog is black: $verdict"
done
exit $status
