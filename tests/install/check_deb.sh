#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Zantek Games
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package in a temporary folder and checks its control data
# and contents: the libraries it links and the font and soundfont it uses are
# declared, and the program, desktop entry and data are in it.
#   check_deb.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
command -v dpkg-shlibdeps >/dev/null || { echo "dpkg-dev is not installed: skipped"; exit 77; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$tmp" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log") \
  || { cat "$tmp/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$tmp"/zandslots_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',' '\n' <<<"$depends" | awk '{print $1}')
# Debian 13 renamed some libraries for its 64-bit time: libqt6core6t64.
for package in libqt6widgets6 libqt6gui6 libqt6core6 libsdl2-mixer-2.0-0 libjpeg62-turbo fonts-dejavu-core; do
  grep -qxE "${package}(t64)?" <<<"$names" || fail "$package is not among the dependencies: $depends"
done
[[ $(dpkg-deb -f "$deb" Recommends) == *fluid-soundfont-gm* ]] || fail "the soundfont is not recommended"
[[ $(dpkg-deb -f "$deb" Section) == games ]] || fail "section"
contents=$(dpkg-deb -c "$deb")
for f in ./usr/games/zandslots ./usr/share/applications/io.github.zantek.ZandorSlots.desktop \
         ./usr/share/zandslots/Zand0.wav ./usr/share/zandslots/zandslots.html; do
  grep -q " $f\$" <<<"$contents" || fail "$f is not in the package"
done
# What a distribution asks of a package: no lintian error or warning.
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$deb" >"$tmp/lintian.log" 2>&1 || { cat "$tmp/lintian.log" >&2; fail "lintian"; }
fi
echo "Debian package: 1 passed, 0 failed"
