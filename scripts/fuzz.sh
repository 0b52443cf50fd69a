#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets of fuzz/ with clang under ASan + UBSan into
# build-fuzz/ and runs each one from its seed corpus.
#   scripts/fuzz.sh                    10 million executions per target
#   scripts/fuzz.sh -max_total_time=20 a bounded run per target (CI)
#   scripts/fuzz.sh TARGET... [-- libFuzzer options]
# Any argument starting with '-' is passed to libFuzzer and replaces the
# default -runs. A finding stops the script with its status; the input that
# caused it is left in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."

targets=()
options=()
for arg in "$@"; do
  case $arg in
    --) ;;
    -*) options+=("$arg") ;;
    *) targets+=("fuzz_$arg") ;;
  esac
done
((${#options[@]})) || options=(-runs=10000000)
if ! ((${#targets[@]})); then
  for source in fuzz/fuzz_*.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVANTREL_FUZZ=ON -DVANTREL_SANITIZE=ON -DVANTREL_BUILD_TESTS=OFF -DVANTREL_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build-fuzz --target "${targets[@]}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p build-fuzz/findings
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  # New inputs go to the first folder; the checked-in seeds stay untouched.
  work=build-fuzz/corpus/$name
  mkdir -p "$work"
  echo "fuzz.sh: $name ${options[*]}"
  build-fuzz/fuzz/"$target" "${options[@]}" -dict=fuzz/numbers.dict \
    -artifact_prefix=build-fuzz/findings/"$name"- -print_final_stats=1 \
    "$work" fuzz/corpus/"$name" 2>build-fuzz/"$name".log || {
    tail -n 40 build-fuzz/"$name".log >&2
    echo "fuzz.sh: $name found a fault; input in build-fuzz/findings/" >&2
    exit 1
  }
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done)' build-fuzz/"$name".log || true
done
