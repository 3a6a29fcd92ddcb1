#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zantek Games
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the real game under Xvfb with a window manager and SDL's disk audio
# driver: memory, idle processor time with the music on and off, effect
# latency with the device resting and with music playing, underruns on a
# loaded machine, how long a track change holds the game's thread, and spin
# times; each figure beside its goal. With --sound pulse or --sound pipewire
# the sound goes through a real sound server that the run starts as its own
# processes (a null sink that suspends when idle): the server's processor
# time and wakes beside the game's, whether the sink rests, effect latency,
# clipping and underruns heard at the sink's monitor. Beside them the floors:
# the server alone with one stream, and zand_drawfloor, a bare window that
# draws just what the idle lights draw.
#
#   bench/run-idle.sh [--build DIR] [--baseline DIR] [--screen WxH] [more, see --help]
#
# --baseline DIR: another build directory (e.g. the main branch built aside),
# measured in the same run, taking turns with this one phase by phase.
# --smoke: every phase as briefly as it goes (CTest's machine_bench_smoke).
# Needs: xvfb xauth xdotool openbox python3 and for --sound pulseaudio-utils
# with pulseaudio, or pipewire pipewire-pulse wireplumber dbus-x11 (Debian
# packages), and the build's bench/libzand_unbuffered.so. Takes about six minutes per build with the
# default windows of 30 s.
set -euo pipefail
cd "$(dirname "$0")/.."
for tool in xvfb-run xdotool openbox python3; do
  command -v "$tool" >/dev/null || { echo "run-idle.sh: $tool is missing (apt-get install xvfb xdotool openbox python3)" >&2; exit 2; }
done
screen=1920x1080
args=("$@")
for ((i = 0; i < ${#args[@]}; i++)); do
  [ "${args[i]}" = --screen ] && screen=${args[i + 1]}
done
exec xvfb-run -a -s "-screen 0 ${screen}x24" bash -c '
  openbox >/dev/null 2>&1 &
  wm=$!
  sleep 1
  python3 bench/machinebench.py "$@"
  status=$?
  kill $wm
  exit $status' run-idle "$@"
