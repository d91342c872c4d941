#!/usr/bin/env bash
# Installs what is missing, builds Facetry and runs every test.
#   ./test.sh              debug-info build in build/, all tests
#   ./test.sh --sanitize   the same under AddressSanitizer and UndefinedBehaviorSanitizer
#                          (build-asan/), with warnings as errors
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure_packages.sh
ensure_packages build readers

build_dir=build
cmake_args=()
if [[ "${1:-}" == "--sanitize" ]]; then
  build_dir=build-asan
  cmake_args+=(-DFACETRY_SANITIZE=ON -DFACETRY_WERROR=ON -DCMAKE_BUILD_TYPE=Debug)
fi
if [[ "${CI:-}" == "true" ]]; then
  cmake_args+=(-DFACETRY_WERROR=ON)
fi

cmake -S . -B "$build_dir" -G Ninja "${cmake_args[@]}"
cmake --build "$build_dir" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
