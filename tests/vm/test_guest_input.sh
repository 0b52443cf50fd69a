#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Boots Debian's own kernel under qemu (TCG) with the host's root read-only
# over 9p, and runs tests/vm/guest_input.sh there: the real program clicks
# through its uinput pointer and takes F9 from an evdev keyboard. Here the
# record of the pointer is judged: button press and release pairs about
# 100 ms apart, and no motion at all.
source "$(dirname "$0")/../lib/common.sh"
here=$(cd "$(dirname "$0")" && pwd)

kernel= version=
for candidate in /boot/vmlinuz-*; do
  [ -d "/lib/modules/${candidate#/boot/vmlinuz-}" ] && kernel=$candidate && version=${candidate#/boot/vmlinuz-}
done
[ -n "$kernel" ] || fail "no kernel in /boot with its modules (linux-image-amd64)"
[ -r "$kernel" ] || fail "$kernel can be read by root only"

# The initramfs: busybox, the modules that bring 9p up (in load order), /init.
root=$WORK/initramfs
mkdir -p "$root/bin" "$root/modules"
cp /bin/busybox "$root/bin/busybox"
install -m 755 "$here/init.sh" "$root/init"
index=10
for module in virtio_ring virtio virtio_pci_modern_dev virtio_pci_legacy_dev virtio_pci netfs \
  fscache 9pnet 9pnet_virtio 9p; do
  path=$(find "/lib/modules/$version/kernel" -name "$module.ko" | head -n1)
  [ -n "$path" ] || fail "no module $module.ko for $version"
  cp "$path" "$root/modules/$index-$module.ko"
  index=$((index + 1))
done
(cd "$root" && find . | cpio -o -H newc --quiet | gzip -1) >"$WORK/initramfs.gz"

out=$WORK/out
mkdir -p "$out/lib"
cp "$here/guest_input.sh" "$out/guest.sh"
cp "$here"/../lib/*.sh "$out/lib/"
# The guest has a /tmp of its own and sees the host's at /tmp/.host.
guest_path() {
  local path
  path=$(realpath "$1")
  case $path in /tmp/*) echo "/tmp/.host/${path#/tmp/}" ;; *) echo "$path" ;; esac
}
printf 'VANTREL=%q\nTEST_TOOLS=%q\n' "$(guest_path "$VANTREL")" "$(guest_path "$TEST_TOOLS")" >"$out/env"
for setting in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do # a sanitizer build's
  if [ -n "${!setting:-}" ]; then printf 'export %s=%q\n' "$setting" "${!setting}" >>"$out/env"; fi
done
# The udev rules the install tree (and so the package) carries.
cmake --install "$(dirname "$VANTREL")" --prefix "$WORK/root" >/dev/null || fail "cmake --install failed"
mkdir "$out/rules"
cp "$WORK"/root/lib/udev/rules.d/*.rules "$out/rules/" || fail "no udev rule installed"

begin=$(date +%s%N)
timeout 400 qemu-system-x86_64 -accel tcg -smp 2 -m 1024 -nographic -no-reboot -nic none \
  -kernel "$kernel" -initrd "$WORK/initramfs.gz" -append "console=ttyS0 quiet panic=-1" \
  -virtfs local,path=/,mount_tag=host,security_model=none,readonly=on,multidevs=remap \
  -virtfs "local,path=$out,mount_tag=out,security_model=none" >"$WORK/console.log" 2>&1 ||
  { cat "$WORK/console.log" "$out/guest.log" >&2; fail "qemu failed or timed out"; }
seconds=$(awk -v ns=$(($(date +%s%N) - begin)) 'BEGIN { printf "%.1f", ns / 1e9 }')
[ -f "$out/status" ] || { cat "$WORK/console.log" >&2; fail "the guest did not finish its script"; }
cat "$out/guest.log"
[ "$(cat "$out/status")" = 0 ] || fail "the guest script failed (status $(cat "$out/status"))"

# The device is a pointer (relative X and Y, left/right/middle buttons)...
read -r _ node rel keys <"$out/pointer.log"
[ "$rel" = rel=0x3 ] || fail "$node declares relative axes $rel, not X and Y"
[ "$keys" = keys=272,273,274, ] || fail "$node declares keys $keys, not the three buttons"
# ...that sends nothing but button press/release reports (left, right, middle,
# each released before it is pressed again), each in a report of
# its own, and never moves.
awk 'NR > 1 {
       if ($2 == 1) {
         if ($3 < 272 || $3 > 274 || $4 != (down[$3] == 0)) { print "bad key event: " $0; exit 1 }
         down[$3] = $4
         if ($4) presses++; else releases++
         if (open) { print "two key events in one report: " $0; exit 1 }
         open = 1
       } else if ($2 == 0 && $3 == 0) open = 0
       else { print "not a button event: " $0; exit 1 }
     }
     END { if (presses != releases) { print "press without release"; exit 1 } }' "$out/pointer.log" ||
  fail "the pointer's record is wrong"

# The grid: in the longest stretch of presses less than a second apart, each
# press's distance from its place on a 100 ms grid laid through the middle
# of them (TCG makes single ticks late; a late tick does not move the grid).
awk 'NR > 1 && $2 == 1 && $4 == 1 { t[n++] = $1 / 1000 }
  END {
    for (i = 1; i <= n; i++)
      if (i == n || t[i] - t[i - 1] > 1000) {
        if (i - start > count) { count = i - start; from = start }
        start = i
      }
    printf "%d %.2f\n", count, (t[from + count - 1] - t[from + 0]) / (count - 1) >"/dev/stderr"
    for (i = 0; i < count; i++) print t[from + i] - t[from + 0] - 100 * i
  }' "$out/pointer.log" 2>"$WORK/run" | sort -g >"$WORK/offsets"
read -r clicks mean <"$WORK/run"
middle=$(sed -n "$(((clicks + 1) / 2))p" "$WORK/offsets")
awk -v m="$middle" '{ d = $1 - m; print d < 0 ? -d : d }' "$WORK/offsets" | sort -g >"$WORK/distances"
at() { printf '%.1f' "$(sed -n "$1p" "$WORK/distances")"; }
p50=$(at $(((clicks + 1) / 2))) p90=$(at $(((clicks * 9 + 9) / 10))) worst=$(at "$clicks")
held=$(awk 'NR > 1 && $2 == 1 { if ($4) t = $1; else if ($1 - t > h) h = $1 - t } END { printf "%.1f", h / 1000 }' "$out/pointer.log")
echo "guest run: $clicks clicks, mean period $mean ms; distance from the 100 ms grid: median $p50 ms, 90th percentile $p90 ms, max $worst ms; press to release at most $held ms; qemu $seconds s"
((clicks >= 50)) || fail "only $clicks clicks in one run"
# The grid is reported, not judged: a loaded TCG guest makes ticks late, and
# timing is the benchmarks' to measure. The mean tells a wrong unit.
awk -v m="$mean" 'BEGIN { exit !(m >= 50 && m <= 200) }' ||
  fail "the clicks are not about 100 ms apart"
