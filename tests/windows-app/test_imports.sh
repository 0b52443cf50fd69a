#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# vantrel.exe stands alone: a GUI program whose every imported DLL is one of
# the system's own: found in a fresh prefix's system32 (which holds no Qt,
# compiler runtime or other library of ours), or an API set, a name the
# system's loader resolves itself.
source "$(dirname "$0")/../lib/common.sh"
: "${VANTREL_EXE:?}" "${OBJDUMP:?}" "${WINEPREFIX:?}"

headers=$("$OBJDUMP" -p "$VANTREL_EXE")
grep -Eq '^Subsystem[[:space:]]+0+2[[:space:]]+\(Windows GUI\)' <<<"$headers" ||
  fail "not a GUI program: $(grep '^Subsystem' <<<"$headers")"
mapfile -t dlls < <(awk '/DLL Name:/ {print $3}' <<<"$headers" | sort -fu)
printf '%s\n' "${dlls[@]}" | grep -qix kernel32.dll || fail "no import table read"
bad=0
for dll in "${dlls[@]}"; do
  [[ "${dll,,}" == api-ms-win-* ]] && continue
  if ! find "$WINEPREFIX/drive_c/windows/system32" -maxdepth 1 -iname "$dll" | grep -q .; then
    echo "FAIL: $dll is not a system DLL"
    bad=1
  fi
done
echo "imports: ${dlls[*]}"
exit "$bad"
