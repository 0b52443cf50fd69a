#!/bin/busybox sh
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# /init of the test guest: the host's root arrives read-only over 9p and
# becomes the guest's root, with fresh proc, sys, dev, tmp and run on top and
# the test's scratch folder (writable, 9p) at /tmp/out. It runs
# /tmp/out/guest.sh there, leaves its status in /tmp/out/status and powers off.
/bin/busybox --install -s /bin
export PATH=/bin
mkdir -p /proc /sys /dev
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t devtmpfs dev /dev
for module in /modules/*.ko; do insmod "$module"; done
mkdir -p /host
# The host does not change under the guest: its page cache may keep what it read.
mount -t 9p -o trans=virtio,version=9p2000.L,ro,cache=loose,msize=262144 host /host
mount -t proc proc /host/proc
mount -t sysfs sys /host/sys
mount -t devtmpfs dev /host/dev
mkdir -p /host/dev/shm /host/dev/pts
mount -t tmpfs shm /host/dev/shm
mount -t devpts pts /host/dev/pts
# The host's own /tmp stays reachable at /tmp/.host: a build may live there.
mkdir -p /hosttmp
mount --bind /host/tmp /hosttmp
mount -t tmpfs tmp /host/tmp
mkdir -p /host/tmp/.host
mount --move /hosttmp /host/tmp/.host
mount -t tmpfs run /host/run
mount -t tmpfs xkb /host/var/lib/xkb
mkdir -p /host/tmp/out
mount -t 9p -o trans=virtio,version=9p2000.L,msize=262144 out /host/tmp/out
modules=/host/lib/modules/$(uname -r)/kernel/drivers/input
insmod "$modules/misc/uinput.ko"
insmod "$modules/evdev.ko"
status=0
chroot /host /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/tmp \
  /bin/bash /tmp/out/guest.sh || status=$?
echo "$status" >/host/tmp/out/status
sync
poweroff -f
