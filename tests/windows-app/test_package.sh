#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# cpack makes vantrel-1.5.0.1-win64.zip with the program, its readme and
# relinking notes, the program's licence and the Qt licence texts.
source "$(dirname "$0")/../lib/common.sh"
: "${CPACK_CONFIG:?}"

cpack -G ZIP --config "$CPACK_CONFIG" -B "$WORK" >"$WORK/cpack.log" 2>&1 ||
  fail "cpack: $(cat "$WORK/cpack.log")"
zip="$WORK/vantrel-1.5.0.1-win64.zip"
[ -f "$zip" ] || fail "no $zip: $(ls "$WORK")"
(cd "$WORK" && cmake -E tar tf "$zip") | sort >"$WORK/list"
expected=(vantrel.exe README.txt RELINKING.txt LICENSE.txt
  licenses/Qt/LGPL-3.0-only.txt licenses/Qt/GPL-3.0-only.txt licenses/Qt/debian-copyright)
for name in "${expected[@]}"; do
  grep -qx "vantrel-1.5.0.1-win64/$name" "$WORK/list" || fail "no $name in: $(cat "$WORK/list")"
done
echo "ok: $(wc -l <"$WORK/list") files, $(stat -c %s "$zip") bytes"
