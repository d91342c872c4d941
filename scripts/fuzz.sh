#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds
# (default 60) on its seed corpus under fuzz/corpus/. A crash fails the script and leaves
# the input as fuzz/crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure_packages.sh
ensure_packages build fuzz
seconds=${1:-60}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DFACETRY_FUZZ=ON -DFACETRY_TESTS=OFF \
  -DFACETRY_BENCH=OFF -DFACETRY_APP=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j "$(nproc)" >/dev/null
for target in build-fuzz/fuzz/fuzz_*; do
  [[ -x "$target" ]] || continue
  name=$(basename "$target")
  corpus=fuzz/corpus/${name#fuzz_}
  work=$(mktemp -d)
  echo "fuzzing $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -max_len=65536 -artifact_prefix=fuzz/crash- \
    -print_final_stats=0 "$work" "$corpus" 2>&1 | tail -n 2
  rm -rf "$work"
done
