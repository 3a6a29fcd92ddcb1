# SPDX-FileCopyrightText: 2026 Zantek Games
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Clean minimal Debian roots for the checks that need one (sourced by
# scripts/distro-check and scripts/clean-install; run as root).
#   root_prepare NAME RELEASE   a fresh copy of RELEASE's minimal root in $root,
#                               with /proc, /sys, /dev and the package cache
#   root_run COMMAND...         runs a shell command inside, bounded in time
# The minimal root, made once by debootstrap, and the downloaded packages are
# kept in $ZAND_ROOTS (else ~/.cache/zandslots-roots). When the root cannot be
# made (no network, no debootstrap, not root) the check says so and exits 77:
# skipped, not passed.

roots=${ZAND_ROOTS:-${XDG_CACHE_HOME:-$HOME/.cache}/zandslots-roots}
root=""

root_skip() { echo "${check_name:-check}: SKIPPED: $*" >&2; exit 77; }

root_unmount() {
  [ -n "$root" ] || return 0
  for m in var/cache/apt/archives dev sys proc; do
    if mountpoint -q "$root/$m"; then umount -l "$root/$m"; fi
  done
  return 0
}

root_prepare() {
  local name=$1 release=$2
  local base=$roots/$release-base archives=$roots/$release-apt
  [ "$(id -u)" -eq 0 ] || root_skip "needs root for debootstrap and chroot"
  command -v debootstrap >/dev/null || root_skip "debootstrap is not installed"
  mkdir -p "$roots" "$archives"
  if [ ! -f "$base/.complete" ]; then
    rm -rf "$base"
    echo "$check_name: making a minimal $release root in $base"
    nice -n 10 timeout 15m debootstrap --variant=minbase "$release" "$base" \
      "${ZAND_MIRROR:-http://deb.debian.org/debian}" >"$roots/$release-debootstrap.log" 2>&1 \
      || { tail -5 "$roots/$release-debootstrap.log" >&2; rm -rf "$base"; root_skip "the $release root could not be made (no network?)"; }
    touch "$base/.complete"
  fi
  root=$roots/$name
  trap root_unmount EXIT
  root_unmount
  if grep -qF " $root/" /proc/mounts; then echo "$check_name: $root is still mounted" >&2; exit 1; fi
  rm -rf "$root"
  cp -a "$base" "$root"
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  mount -t proc proc "$root/proc"
  mount -t sysfs sys "$root/sys"
  mount --rbind /dev "$root/dev"
  mount --bind "$archives" "$root/var/cache/apt/archives"
  # What is downloaded stays for the next run.
  echo 'Binary::apt::APT::Keep-Downloaded-Packages "true";' >"$root/etc/apt/apt.conf.d/90keep"
}

root_run() {
  nice -n 10 timeout "${ZAND_ROOT_TIMEOUT:-40m}" chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive \
    bash -c "set -e; $1"
}
