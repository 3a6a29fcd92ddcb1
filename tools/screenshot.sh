#!/usr/bin/env bash
# Takes a screenshot of the game on a virtual screen:
#   tools/screenshot.sh 1024x768 shot.png [dpi]
# Needs xvfb and imagemagick (apt-get install xvfb xauth imagemagick).
set -euo pipefail
size=${1:-1024x768}
out=$(realpath -m "${2:-shot-$size.png}")
dpi=${3:-96}
game=$(dirname "$0")/../build/game/zandslots
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
XDG_CONFIG_HOME=$config SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 ${size}x24 -dpi $dpi" \
  bash -c "'$game' & sleep 4; import -window root '$out'; kill %1" 2>/dev/null || true
echo "$out"
