#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A Debian 13 (trixie) root with what building Vantrel and running its Debian
# 12 package there need, made once with debootstrap into a cache outside the
# checkout; later runs find it there and return at once.
#
#   scripts/trixie-root.sh               make the root when missing, then print where it is
#   scripts/trixie-root.sh --path        only print where the root is (or would be)
#   scripts/trixie-root.sh --run CMD...  run CMD as root in a throwaway copy of the root
#
# --run chroots into an overlay on the cached root, so that nothing a run
# installs or writes there outlives it, with /proc, /dev, /sys (read-only)
# and the checkout at /src. It runs in namespaces of its own: mounts,
# processes, and a network with no way out (a run needs nothing from outside,
# and nothing in it can reach a browser or the host's init). When the run
# ends, however it ends, the kernel kills whatever it left running and its
# mounts go with it; its trap still ends them and unmounts in order first.
#
# VANTREL_TRIXIE_ROOT_CACHE names the cache folder (default /var/cache/vantrel).
# The root's name holds a digest of its packages and of the settings below,
# so a change to either makes a new root beside the old one. Run as root.
set -euo pipefail

cache="${VANTREL_TRIXIE_ROOT_CACHE:-/var/cache/vantrel}"
scripts="$(cd "$(dirname "$0")" && pwd)"
checkout="$(dirname "$scripts")"
suite=trixie
variant=minbase
mapfile -t packages < <("$scripts/setup.sh" --list)
# The package's test: a display, a window manager, X tools to find the
# window, press F9 and watch for clicks.
packages+=(xvfb xauth openbox xdotool x11-utils x11-apps)
# A headless KDE Plasma session with its GlobalShortcuts portal, another
# Wayland client to hold the focus, and what building a fake-input key
# presser needs.
packages+=(kwin-wayland xdg-desktop-portal-kde kglobalacceld dbus weston
  plasma-wayland-protocols libwayland-dev gcc libc6-dev)

key="$(printf '%s\n' "$suite" "$variant" "${packages[@]}" | sha256sum | cut -c1-12)"
root="$cache/$suite-root-$key"

# Runs "$@" chrooted in $1 with /proc, /dev, /sys and the checkout bound in,
# and unmounts them again; with --overlay, in a copy of $1 that is thrown
# away. Called in a mount and PID namespace of its own, as its first process.
in_root() {
  local overlay=no
  [[ "$1" == --overlay ]] && overlay=yes && shift
  local base=$1 checkout=$2 dir
  shift 2
  dir=$base
  # Globals: the trap reads them after this function has returned.
  tmp=$(mktemp -d /tmp/vantrel-trixie.XXXXXX)
  mounted=()
  finish() {
    local pid i
    # Whatever the command left running, by its id: /proc is this PID
    # namespace's own, where this shell is the first process and every other
    # one is the run's. (Never anywhere else: there the list is the host's.)
    if [[ $$ == 1 ]]; then
      for pid in /proc/[0-9]*; do
        pid=${pid#/proc/}
        [[ "$pid" != 1 ]] && kill -KILL "$pid" 2>/dev/null || true
      done
    fi
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
      umount -R "${mounted[i]}" || umount -lR "${mounted[i]}" || true
    done
    # Only once nothing is mounted below it: the checkout is bound in there.
    findmnt -rn -o TARGET | grep -q "^$tmp/" || rm -rf "$tmp"
  }
  trap finish EXIT
  trap 'exit 143' TERM INT HUP
  if [[ $overlay == yes ]]; then
    dir=$tmp/root
    mkdir -p "$tmp/upper" "$tmp/work" "$dir"
    mount -t overlay overlay -o "lowerdir=$base,upperdir=$tmp/upper,workdir=$tmp/work" "$dir"
    mounted+=("$dir")
  fi
  mount -t proc proc "$dir/proc"
  mounted+=("$dir/proc")
  mount --rbind /dev "$dir/dev"
  mounted+=("$dir/dev")
  mount --bind /sys "$dir/sys"
  mounted+=("$dir/sys")
  mount -o remount,bind,ro "$dir/sys"
  mkdir -p "$dir/src"
  mount --bind "$checkout" "$dir/src"
  mounted+=("$dir/src")
  local status=0
  chroot "$dir" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@" || status=$?
  return $status
}

# "$@" through in_root in new mount and PID namespaces (and with --offline,
# a network namespace of its own with nothing in it). Should this script be
# killed, its namespace's first process is told to end.
enter() {
  local -a spaces=(--mount --pid --mount-proc --kill-child=TERM --propagation private)
  [[ "$1" == --offline ]] && spaces+=(--net) && shift
  unshare "${spaces[@]}" bash -c "set -euo pipefail; $(declare -f in_root); in_root \"\$@\"" in_root "$@"
}

case "${1:-}" in
  --path)
    echo "$root"
    exit 0
    ;;
  --run)
    shift
    (($#)) || { echo "usage: scripts/trixie-root.sh --run COMMAND..." >&2; exit 2; }
    [[ -f "$root/.complete" ]] || { echo "trixie-root: no root at $root; run scripts/trixie-root.sh" >&2; exit 1; }
    enter --offline --overlay "$root" "$checkout" "$@"
    exit
    ;;
  "") ;;
  *) echo "usage: scripts/trixie-root.sh [--path | --run COMMAND...]" >&2; exit 2 ;;
esac

[[ -f "$root/.complete" ]] && {
  echo "$root"
  exit 0
}

mkdir -p "$cache"
exec 8>"$cache/.$suite-root.lock"
flock 8
[[ -f "$root/.complete" ]] && {
  echo "$root"
  exit 0
}

entries="$("$scripts/apt-entries.sh" deb "$suite")"
# debootstrap takes one archive: the entry that carries the release itself.
mirror="$(awk -v s="$suite" '
  $1 == "URIs:" { uri = $2 }
  $1 == "Suites:" { for (i = 2; i <= NF; i++) if ($i == s) { print uri; exit } }' <<<"$entries")"
[[ -n "$mirror" ]] || { echo "trixie-root: no apt entry of this machine names its own release" >&2; exit 1; }

log="$cache/$suite-root-$key.log"
echo "trixie-root: making the $suite root in $root (log: $log)" >&2
start=$SECONDS
# A root left half made is made again; never one with anything mounted in it.
if findmnt -rn -o TARGET | grep -q "^$root/"; then
  echo "trixie-root: something is mounted in $root; not touching it" >&2
  exit 1
fi
rm -rf "$root"
# debootstrap mounts /proc and /sys in the root itself: in a mount namespace
# of its own, a failure cannot leave them behind.
unshare --mount --propagation private \
  debootstrap --variant="$variant" "$suite" "$root" "$mirror" >"$log" 2>&1 || {
  tail -n 30 "$log" >&2
  echo "trixie-root: debootstrap failed; the whole log is $log" >&2
  exit 1
}
# The machine's own entries, with the release renamed, instead of the one
# debootstrap wrote; and no service may start while packages install.
rm -f "$root/etc/apt/sources.list"
printf '%s\n' "$entries" >"$root/etc/apt/sources.list.d/debian.sources"
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"
enter "$root" "$checkout" sh -c "apt-get update -qq &&
  apt-get install -y -qq --no-install-recommends ${packages[*]} && apt-get clean" \
  >>"$log" 2>&1 || {
  tail -n 30 "$log" >&2
  echo "trixie-root: installing the packages failed; the whole log is $log" >&2
  exit 1
}
echo "$suite root, made in $((SECONDS - start)) s" >"$root/.complete"
echo "trixie-root: done in $((SECONDS - start)) s" >&2
echo "$root"
