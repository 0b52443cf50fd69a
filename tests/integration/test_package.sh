#!/usr/bin/env bash
# labels: packaging
# The install tree and the Debian package: what `cmake --install` lays out
# passes the desktop-entry and AppStream validators, the .deb built by cpack
# carries the right name, version and dependencies, and the program it holds
# starts from a scratch root, at twice the scale too.
source "$(dirname "$0")/lib.sh"

build=$(dirname "$VANTREL")
[ -f "$build/CPackConfig.cmake" ] || fail "no CPackConfig.cmake in $build"
app_id=com.example.vantrel
version=1.5.0.1

# ---- install tree
root=$WORK/root
cmake --install "$build" --prefix "$root" >"$WORK/install.log" || fail "cmake --install failed"
desktop=$root/share/applications/$app_id.desktop
metainfo=$root/share/metainfo/$app_id.metainfo.xml
[ -x "$root/bin/vantrel" ] || fail "bin/vantrel was not installed"
[ -f "$desktop" ] || fail "no desktop entry installed"
[ -f "$metainfo" ] || fail "no metainfo installed"

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$root/bin/$exec_name" ] || fail "the menu entry runs '$exec_name', which is not installed"
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
for size in 16 32 48 64 128 256; do
  icon=$root/share/icons/hicolor/${size}x${size}/apps/$icon_name.png
  [ -f "$icon" ] || fail "no ${size}x${size} icon named $icon_name"
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "$icon is not ${size}x${size}"
done

appstreamcli validate --no-net "$metainfo" >"$WORK/appstream.log" 2>&1 ||
  { cat "$WORK/appstream.log" >&2; fail "appstreamcli rejects the metainfo"; }
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo does not name release $version"
grep -q '<screenshot type="default">' "$metainfo" || fail "the metainfo has no screenshot"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not point at the desktop entry"

# ---- package
cpack -G DEB -B "$WORK/pkg" --config "$build/CPackConfig.cmake" >"$WORK/cpack.log" 2>&1 ||
  { cat "$WORK/cpack.log" >&2; fail "cpack -G DEB failed"; }
debs=("$WORK"/pkg/vantrel_*.deb)
[ "${#debs[@]}" = 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single vantrel_*.deb"
deb=${debs[0]}
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vantrel ] || fail "package name is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "package version is $(field Version)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture is $(field Architecture)"
depends=$(field Depends)
recommends=$(field Recommends)
echo "Depends: $depends"
[[ ", $recommends," == *", fonts-wine,"* ]] || fail "fonts-wine is not recommended: $recommends"

# Every library the packed program links must come from a package it depends on.
contents=$(dpkg-deb -c "$deb")
for path in usr/bin/vantrel "usr/share/applications/$app_id.desktop" \
  "usr/share/metainfo/$app_id.metainfo.xml" usr/share/icons/hicolor/256x256/apps/vantrel.png; do
  grep -q " \./$path\$" <<<"$contents" || fail "the package lacks /$path"
done
scratch=$WORK/scratch
dpkg -x "$deb" "$scratch"
program=$scratch/usr/bin/vantrel
mapfile -t needed < <(objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }')
((${#needed[@]} > 0)) || fail "objdump found no linked libraries"
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for lib in "${needed[@]}"; do
  owner=$(dpkg -S "*/$multiarch/$lib" 2>/dev/null | head -n1 | cut -d: -f1) || true
  [ -n "$owner" ] || fail "no installed package owns $lib"
  [[ ", $depends," == *", $owner"[\ ,]* ]] || fail "$lib comes from $owner, which Depends does not name"
done
for pkg in libqt6widgets6 libxtst6; do
  [[ ", $depends," == *", $pkg"[\ ,]* ]] || fail "Depends does not name $pkg"
done

# ---- the packed program runs from the scratch root, and scales cleanly
start_display --wm
mkdir "$WORK/bin" # an empty PATH: nothing the window could start is reachable
env PATH="$WORK/bin" QT_SCALE_FACTOR=2 "$program" >"$WORK/packed.log" 2>&1 &
PIDS+=($!)
id=$(wait_for_window Vantrel)
geometry=$(xwininfo -id "$id" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
[ "$geometry" = 1056x804 ] || fail "client area at scale 2 is $geometry, not 1056x804"
echo "package ok: $(basename "$deb"), client area $geometry at scale 2"
