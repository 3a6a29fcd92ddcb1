#!/bin/sh
# SPDX-FileCopyrightText: 2026 Zantek Games
# SPDX-License-Identifier: GPL-3.0-or-later
# Every text the game shows through tr() is translated in every language,
# and no translation is left over from a text the game no longer shows.
set -eu
source_dir=$1
lupdate=${2:-/usr/lib/qt6/bin/lupdate}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source_dir"/translations/*.ts "$work"/
cd "$source_dir"
"$lupdate" -silent -locations none app bonus dialogs game platform screen audio reels -ts "$work"/*.ts
faults=$(grep -c -E 'type="(unfinished|obsolete|vanished)"' "$work"/*.ts | grep -v ':0$' || true)
if [ -n "$faults" ]; then
  echo "Untranslated or stale entries (run lupdate and translate them):"
  echo "$faults"
  exit 1
fi
echo "Every text is translated in $(ls "$work"/*.ts | wc -l) languages."
