#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them; figures go to docs/performance.md.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure_packages.sh
ensure_packages build bench
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DFACETRY_TESTS=OFF >/dev/null
cmake --build build-release -j "$(nproc)" >/dev/null
workdir=$(mktemp -d)
for bench in build-release/bench/bench_*; do
  (cd "$workdir" && "$OLDPWD/$bench" "$@")
done
rm -rf "$workdir"
