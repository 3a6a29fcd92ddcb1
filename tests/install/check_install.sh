#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zantek Games
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the game into a temporary root, as a package does, checks that
# everything lands where the desktop looks for it, then starts the installed
# program offscreen and checks that it takes its sounds, music and manual
# from the installed data folder.
#   check_install.sh BUILD_DIR
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
id=io.github.zantek.ZandorSlots
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$tmp/root cmake --install "$build" --prefix /usr >/dev/null
usr=$tmp/root/usr
data=$usr/share/zandslots

for f in games/zandslots libexec/zandslots/zandsynth share/doc/zandslots/copyright \
         share/doc/zandslots/changelog.gz share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/man/man6/zandslots.6.gz share/zandslots/zandslots.html \
         share/zandslots/help/machine.png share/zandslots/games/index.html \
         share/zandslots/Zand0.wav share/zandslots/Zand3.wav share/zandslots/Zand4.mid; do
  [ -f "$usr/$f" ] || fail "not installed: $f"
done
[ ! -e "$usr/games/zandsynth" ] || fail "the song renderer is on the players' PATH"
for size in 16 22 24 32 48 64 128 256; do
  icon=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$icon" ] || fail "no ${size}-pixel icon"
  python3 -c "import struct,sys; d=open(sys.argv[1],'rb').read(24); sys.exit(struct.unpack('>II', d[16:24]) != ($size, $size))" "$icon" \
    || fail "the ${size}-pixel icon has another size"
done
grep -qx "Exec=/usr/games/zandslots" "$usr/share/applications/$id.desktop" || fail "desktop entry's Exec"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$usr/share/applications/$id.desktop" || fail "desktop entry invalid"
fi
if command -v appstreamcli >/dev/null; then
  out=$(appstreamcli validate --pedantic --no-net "$usr/share/metainfo/$id.metainfo.xml" 2>&1) \
    || { echo "$out" >&2; fail "metainfo invalid"; }
  grep -qE "^[WE]:" <<<"$out" && { echo "$out" >&2; fail "metainfo warnings"; }
fi
gzip -dc "$usr/share/man/man6/zandslots.6.gz" | grep -q '^\.TH ZANDSLOTS 6' || fail "manual page"

# --help and --version answer without a display.
for option in --help --version; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/games/zandslots" "$option") \
    || fail "zandslots $option failed"
  case $option in
    --help) [[ $out == *--version* ]] || fail "--help: $out";;
    --version) [[ $out == *2.2*GPL-3.0-or-later* ]] || fail "--version: $out";;
  esac
done

# An option it does not know is told, not taken for a start; Qt's own
# options still are Qt's.
out=$(QT_QPA_PLATFORM=offscreen "$usr/games/zandslots" -platform offscreen --verison 2>&1) && status=0 || status=$?
[ "$status" -eq 2 ] && [[ $out == *"'--verison'"*--help* ]] || fail "an unknown option: $status $out"

# The installed program, offscreen for a few seconds, telling which files it
# took (the music and the welcome sound start a quarter second in). It is
# stopped hard: the sound library turns a polite request to end into an event.
mkdir -p "$tmp/home" "$tmp/run"
chmod 700 "$tmp/run"
status=0
(HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data XDG_RUNTIME_DIR=$tmp/run \
  QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy QT_LOGGING_RULES="zand.assets.debug=true" \
  timeout -s KILL 3 "$usr/games/zandslots" 2>"$tmp/log") 2>/dev/null || status=$?
[ "$status" -eq 137 ] || { cat "$tmp/log" >&2; fail "the installed program ended early ($status)"; }
grep -q "renderer .* is missing" "$tmp/log" && { cat "$tmp/log" >&2; fail "the song renderer was not found"; }
for name in Zand0.wav Zand3.wav Zand7.wav Zand0.mid zandslots.html; do
  grep -qxF "zand.assets: $name: $data/$name" "$tmp/log" || { cat "$tmp/log" >&2; fail "$name not taken from $data"; }
done
echo "installed and started: 1 passed, 0 failed"
