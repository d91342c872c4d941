#!/usr/bin/env bash
# Installs what is missing, builds Facetry and starts it. Until the window program exists
# this writes a demo model with facetry-cli and prints what it holds.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure_packages.sh
ensure_packages build

cmake -S . -B build -G Ninja
cmake --build build -j "$(nproc)"
mkdir -p out
./build/cli/facetry-cli demo out/demo.fcy --faces 2000 --objects 4
./build/cli/facetry-cli info out/demo.fcy
