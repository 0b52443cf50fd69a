#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the machine's own apt entries for its Debian release as deb822
# paragraphs, so that a script can reach the same archive in another way
# without naming a host itself:
#
#   scripts/apt-entries.sh TYPE [SUITE]
#
# Each entry becomes one of type TYPE (deb or deb-src), with its suites of
# this release only (bookworm, bookworm-updates, ...) and, given SUITE, that
# release's name in them replaced (trixie, trixie-updates, ...). Entries of
# other releases and disabled ones are left out. Both formats are read:
# /etc/apt/sources.list.d/*.sources and the one-line /etc/apt/sources.list.
set -euo pipefail

type=${1:?usage: scripts/apt-entries.sh deb|deb-src [SUITE]}
release="$(. /etc/os-release && echo "$VERSION_CODENAME")"
to=${2:-$release}

program='
  # The suites of this release among $0 (a field list), renamed.
  function ours(list,   n, i, s, kept) {
    n = split(list, s, " ")
    for (i = 1; i <= n; i++)
      if (s[i] == rel || index(s[i], rel "-") == 1) kept = kept " " to substr(s[i], length(rel) + 1)
    return kept
  }
  function emit(uris, suites, rest) {
    if (uris == "" || suites == "") return
    printf "Types: %s\nURIs: %s\nSuites:%s\n%s\n", type, uris, suites, rest
  }
  function flush() {
    if (deb && !off) emit(uris, ours(suites), rest)
    deb = off = 0; uris = suites = rest = field = ""
  }
  FNR == 1 { flush() }
  FILENAME ~ /\.sources$/ {
    if ($0 ~ /^[[:space:]]*$/) { flush(); next }
    if ($0 ~ /^#/) next
    if ($0 ~ /^[[:space:]]/) { if (field == "rest") rest = rest $0 "\n"; next }
    field = ""
    if ($1 == "Types:") { for (i = 2; i <= NF; i++) if ($i == "deb") deb = 1; next }
    if ($1 == "URIs:") { uris = substr($0, index($0, ":") + 2); next }
    if ($1 == "Suites:") { suites = substr($0, index($0, ":") + 1); next }
    if ($1 == "Enabled:" && $2 == "no") off = 1
    field = "rest"; rest = rest $0 "\n"; next
  }
  # One-line entries: deb [key=value ...] URI SUITE COMPONENT...
  $1 == "deb" {
    i = 2; options = ""
    if ($2 ~ /^\[/) {
      for (; i <= NF; i++) { options = options " " $i; if ($i ~ /\]$/) break }
      i++
      gsub(/[][]/, "", options)
    }
    extra = ""
    n = split(options, o, " ")
    for (k = 1; k <= n; k++) {
      split(o[k], kv, "=")
      if (kv[1] == "signed-by") extra = extra "Signed-By: " kv[2] "\n"
      if (kv[1] == "arch") extra = extra "Architectures: " kv[2] "\n"
    }
    components = ""
    for (k = i + 2; k <= NF; k++) components = components " " $k
    emit($i, ours($(i + 1)), "Components:" components "\n" extra)
  }
  END { flush() }'

files=()
for f in /etc/apt/sources.list.d/*.sources /etc/apt/sources.list; do
  [[ -f "$f" ]] && files+=("$f")
done
((${#files[@]})) || exit 0
awk -v type="$type" -v rel="$release" -v to="$to" "$program" "${files[@]}"
