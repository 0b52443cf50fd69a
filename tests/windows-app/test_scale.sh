#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# At 100, 125, 150 and 175 % (the prefix's LogPixels 96, 120, 144 and 168)
# the client area grows with the scale, the photograph is drawn, and the
# captions are drawn as the system draws the same text. SHOTS=dir keeps a
# picture of the window at each scale.
source "$(dirname "$0")/lib.sh"

# At 100 %: a rectangle of plain paper around the caption (x y width
# height), the font's pixels, its weight, the caption.
captions=(
  "116 73 80 18 11 bold Intervel"
  "14 293 90 22 13 bold System"
  "146 36 110 20 11 regular Current position"
  "144 190 106 20 11 regular Run untill stoped"
)
# The program's ink within 15 % of the system's in that weight and nearer it
# than the other weight's, antialiased where the system's is, and no
# narrower than nine tenths of it (a caption cut short).
check_caption() {
  local dpi=$1 weight=$7 text=${*:8} drawn
  scaled() { echo $((($1 * dpi + 48) / 96)); }
  # The toolkit draws in the whole pixels below the scaled size.
  drawn=$(probe caption "$(scaled "$2")" "$(scaled "$3")" "$(scaled "$4")" "$(scaled "$5")" \
    $(($6 * dpi / 96)) "$text") || fail "no caption \"$text\" at $dpi dpi"
  awk -v want="$weight" '
    { for (i = 2; i <= NF; i++) { split($i, kv, "="); v[$1, kv[1]] = kv[2] } }
    function off(a, b) { return (a > b ? a - b : b - a) / b }
    END {
      other = want == "bold" ? "regular" : "bold"
      p = v["program", "ink"]; s = v[want, "ink"]; o = v[other, "ink"]
      exit !(off(p, s) <= 0.15 && off(p, s) < off(p, o) &&
        (v["program", "greys"] >= 3) == (v[want, "greys"] >= 3) &&
        v["program", "width"] >= 0.9 * v[want, "width"])
    }' <<<"$drawn" || fail "\"$text\" at $dpi dpi is not drawn as the system draws it ($weight): $(tr '\n' ';' <<<"$drawn")"
}

set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 ||
    fail "LogPixels $1 did not go in"
}
# The other tests share the prefix: it goes back to 100 %, whatever happens.
trap 'wineserver -k 2>/dev/null || true; set_dpi 96; wineserver -w 2>/dev/null || true; cleanup' EXIT

for row in 96:528x402 120:660x503 144:792x603 168:924x704; do
  dpi=${row%%:*} size=${row#*:}
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  set_dpi "$dpi"
  start_program
  state=$(wait_state "main client=$size at=[0-9]+,[0-9]+ topmost=1 iconic=0 above=Vantrel colours=[0-9]{2,}")
  if [ -n "${SHOTS:-}" ]; then
    at=$(sed 's/.* at=\([0-9]*\),\([0-9]*\) .*/+\1+\2/' <<<"$state")
    import -window root -crop "$size$at" "$SHOTS/windows-$((dpi * 100 / 96)).png"
  fi
  for caption in "${captions[@]}"; do
    # shellcheck disable=SC2086 # the row's words are the arguments
    check_caption "$dpi" $caption
  done
done
echo "ok: client areas 528x402, 660x503, 792x603, 924x704 at 96 to 168 dpi, captions drawn as the system draws them"
