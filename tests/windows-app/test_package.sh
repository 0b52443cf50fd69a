#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# cpack makes vantrel-1.5.0.1-win64.zip with the program, its readme and
# relinking notes, the program's licence and the Qt licence texts, every text
# a .txt file with Windows line ends, and SHA256SUMS beside it that holds.
set -euo pipefail
: "${CPACK_CONFIG:?}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G ZIP --config "$CPACK_CONFIG" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
zip="$work/vantrel-1.5.0.1-win64.zip"
[ -f "$zip" ] || { echo "FAIL: no $zip: $(ls "$work")"; exit 1; }
(cd "$work" && cmake -E tar tf "$zip") | sort >"$work/list"
expected=(vantrel.exe README.txt RELINKING.txt LICENSE.txt
  licenses/Qt/LGPL-3.0-only.txt licenses/Qt/GPL-3.0-only.txt licenses/Qt/debian-copyright.txt)
for name in "${expected[@]}"; do
  grep -qx "vantrel-1.5.0.1-win64/$name" "$work/list" || { echo "FAIL: no $name in: $(cat "$work/list")"; exit 1; }
done
(cd "$work" && cmake -E tar xf "$zip" && sha256sum --quiet -c SHA256SUMS) ||
  { echo "FAIL: SHA256SUMS does not hold: $(cat "$work/SHA256SUMS")"; exit 1; }
while read -r name; do
  file="$work/$name"
  [ -f "$file" ] && [ "${name##*/}" != vantrel.exe ] || continue
  [[ $name == *.txt ]] || { echo "FAIL: $name is not a .txt file"; exit 1; }
  ! grep -q $'[^\r]$\|^$' "$file" || { echo "FAIL: $name has lines without Windows line ends"; exit 1; }
done <"$work/list"
grep -q 'Run anyway' "$work/vantrel-1.5.0.1-win64/README.txt" && grep -q 'administrator' "$work/vantrel-1.5.0.1-win64/README.txt" ||
  { echo "FAIL: the readme says nothing of the first start"; exit 1; }
echo "ok: $(wc -l <"$work/list") files, $(stat -c %s "$zip") bytes, texts in CRLF, SHA256SUMS holds"
