#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# cpack makes vantrel-1.5.0.1-win64.zip with the program, its readme and
# relinking notes, the program's licence and the Qt licence texts, every text
# a .txt file with Windows line ends, and SHA256SUMS beside it that holds.
source "$(dirname "$0")/../lib/common.sh"
: "${CPACK_CONFIG:?}"

cpack -G ZIP --config "$CPACK_CONFIG" -B "$WORK" >"$WORK/cpack.log" 2>&1 ||
  fail "cpack: $(cat "$WORK/cpack.log")"
zip="$WORK/vantrel-1.5.0.1-win64.zip"
[ -f "$zip" ] || fail "no $zip: $(ls "$WORK")"
(cd "$WORK" && cmake -E tar tf "$zip") | sort >"$WORK/list"
expected=(vantrel.exe README.txt RELINKING.txt LICENSE.txt
  licenses/Qt/LGPL-3.0-only.txt licenses/Qt/GPL-3.0-only.txt licenses/Qt/debian-copyright.txt)
for name in "${expected[@]}"; do
  grep -qx "vantrel-1.5.0.1-win64/$name" "$WORK/list" || fail "no $name in: $(cat "$WORK/list")"
done
(cd "$WORK" && cmake -E tar xf "$zip" && sha256sum --quiet -c SHA256SUMS) ||
  fail "SHA256SUMS does not hold: $(cat "$WORK/SHA256SUMS")"
readme="$WORK/vantrel-1.5.0.1-win64/README.txt"
while read -r name; do
  file="$WORK/$name"
  [ -f "$file" ] && [ "${name##*/}" != vantrel.exe ] || continue
  [[ $name == *.txt ]] || fail "$name is not a .txt file"
  ! grep -q $'[^\r]$\|^$' "$file" || fail "$name has lines without Windows line ends"
done <"$WORK/list"
grep -q 'Run anyway' "$readme" && grep -q 'administrator' "$readme" || fail "the readme says nothing of the first start"
echo "ok: $(wc -l <"$WORK/list") files, $(stat -c %s "$zip") bytes, texts in CRLF, SHA256SUMS holds"
