#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file does not follow .clang-format, or when a connection
# uses the string-based SIGNAL()/SLOT() form, or when a source file has no
# licence header.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h')
clang-format --dry-run --Werror "${files[@]}"
if grep -nE '\b(SIGNAL|SLOT)\(' "${files[@]}"; then
  echo "check-format: use function-pointer connections" >&2
  exit 1
fi
mapfile -t unlicensed < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h' '*.sh' \
  '*.py' '*.cmake' '*CMakeLists.txt' | xargs grep -L 'SPDX-License-Identifier: GPL-3.0-or-later')
if ((${#unlicensed[@]})); then
  printf 'check-format: no SPDX licence header: %s\n' "${unlicensed[@]}" >&2
  exit 1
fi
echo "check-format: ${#files[@]} files follow .clang-format"
