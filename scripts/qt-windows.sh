#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a static Qt for 64-bit Windows (mingw-w64) from Debian's source
# package of the very Qt the Linux build uses, once, into a cache outside the
# checkout; later runs find it there and return at once.
#
#   scripts/qt-windows.sh            build when missing, then print the prefix
#   scripts/qt-windows.sh --prefix   only print where the prefix is (or would be)
#
# VANTREL_QT_WINDOWS_CACHE names the cache folder (default /var/cache/vantrel).
# The prefix's name holds the Qt version and a digest of the configure options,
# so a change to either builds afresh beside the old one. Run as root: it adds
# a source index to apt and calls apt-get.
set -euo pipefail

cache="${VANTREL_QT_WINDOWS_CACHE:-/var/cache/vantrel}"
# The host tools (moc, rcc, uic) are Debian's: the target Qt must be the same.
version="$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)"

# Only what the program uses: Core, Gui, Widgets, the Windows platform plugin,
# the Windows style and the JPEG and ICO image plugins for the artwork.
options=(
  -xplatform win32-g++ -qt-host-path /usr -static -release
  -nomake tests -nomake examples
  # Cross builds need these: no host qmake for a Windows mkspec, and Debian's
  # tarball has no wintab.h.
  -no-feature-qmake -no-feature-tabletevent
  -no-opengl -no-dbus -no-icu -no-gif -no-zstd -no-freetype
  -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz
  -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-testlib
  -no-feature-concurrent -no-feature-xml -no-feature-vulkan
  # The Direct2D platform plugin, and with it the DirectWrite 3 font database
  # (which Qt 6.4 only compiles beside Direct2D); fonts come through GDI.
  -no-feature-direct2d -no-feature-directwrite3
  -no-feature-undocommand -no-feature-textodfwriter -no-feature-textmarkdownreader
  -no-feature-textmarkdownwriter
  # Widgets the program has none of. (Not the input dialog: without it the
  # Windows style's precompiled header fails.)
  -no-feature-graphicsview -no-feature-mdiarea -no-feature-dockwidget
  -no-feature-filedialog -no-feature-colordialog -no-feature-fontdialog
  -no-feature-progressdialog -no-feature-wizard
  -no-feature-errormessage -no-feature-calendarwidget -no-feature-datetimeedit
  -no-feature-fontcombobox -no-feature-keysequenceedit -no-feature-lcdnumber
  -no-feature-dial -no-feature-splashscreen
)

# The mingw compilers of the project's own cross build, copied into the
# prefix: Qt's installed toolchain file chains this one by its path, so it
# must outlive the build folder.
toolchain_text="$(cat "$(dirname "$0")/../cmake/toolchains/mingw-w64-x86_64.cmake")"

key="$(printf '%s\n' "$version" "${options[@]}" "$toolchain_text" | sha256sum | cut -c1-12)"
prefix="$cache/qt-${version//[^0-9A-Za-z.]/_}-win64-$key"

if [[ "${1:-}" == --prefix ]]; then
  echo "$prefix"
  exit 0
fi
[[ -f "$prefix/.complete" ]] && {
  echo "$prefix"
  exit 0
}

mkdir -p "$cache"
exec 8>"$cache/.qt-windows.lock"
flock 8
[[ -f "$prefix/.complete" ]] && {
  echo "$prefix"
  exit 0
}

wait_for_apt() {
  while pgrep -x apt-get >/dev/null || pgrep -x dpkg >/dev/null; do sleep 5; done
}

# A source index: the machine's own entries for its Debian release, as deb-src.
src_list=/etc/apt/sources.list.d/vantrel-deb-src.sources
if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q "^Version: $version\$"; then
  "$(dirname "$0")/apt-entries.sh" deb-src >"$src_list.new"
  mv "$src_list.new" "$src_list"
  wait_for_apt
  apt-get update -qq
fi

log="$cache/qt-windows-$key.log"
echo "qt-windows: building Qt $version for Windows into $prefix (log: $log)" >&2
work="$cache/work-$key"
rm -rf "$work" "$prefix"
mkdir -p "$work" "$prefix"
start=$SECONDS
# Each step chained with &&: a subshell on the left of || ignores set -e.
(
  cd "$work" && wait_for_apt && apt-get source -qq "qt6-base=$version"
) >"$log" 2>&1 || {
  tail -n 30 "$log" >&2
  exit 1
}
src="$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')"
printf '%s\n' "$toolchain_text" >"$prefix/mingw-w64.cmake"

mkdir -p "$work/build"
(
  cd "$work/build" &&
    "$src/configure" -prefix "$prefix" "${options[@]}" -- \
      -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
      -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64.cmake" &&
    cmake --build . --parallel "$(nproc)" &&
    cmake --install .
) >>"$log" 2>&1 || {
  tail -n 40 "$log" >&2
  echo "qt-windows: the build failed; the whole log is $log" >&2
  exit 1
}

# A statically linked program carries Qt's licence duties with it: keep the
# texts of the very source it was built from beside the libraries.
mkdir -p "$prefix/licenses"
cp "$src"/LICENSES/LGPL-3.0-only.txt "$src"/LICENSES/GPL-3.0-only.txt "$prefix/licenses/"
cp "$src/debian/copyright" "$prefix/licenses/debian-copyright"

rm -rf "$work"
echo "Qt $version, built in $((SECONDS - start)) s" >"$prefix/.complete"
echo "qt-windows: done in $((SECONDS - start)) s" >&2
echo "$prefix"
