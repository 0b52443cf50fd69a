#!/usr/bin/env bash
# Fails when a C++ file does not follow .clang-format, or when a connection
# uses the string-based SIGNAL()/SLOT() form.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h')
clang-format --dry-run --Werror "${files[@]}"
if grep -nE '\b(SIGNAL|SLOT)\(' "${files[@]}"; then
  echo "check-format: use function-pointer connections" >&2
  exit 1
fi
echo "check-format: ${#files[@]} files follow .clang-format"
