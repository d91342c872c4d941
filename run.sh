#!/usr/bin/env bash
# Installs what is missing, builds Facetry and opens the modeller (build/app/facetry).
# Arguments are passed on: ./run.sh MODEL.fcy opens a model.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure_packages.sh
ensure_packages build desktop

cmake -S . -B build -G Ninja
cmake --build build -j "$(nproc)"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "run.sh: Facetry is built (build/app/facetry), but there is no display to open it on." >&2
  echo "Start it from a desktop session, or with a virtual screen: xvfb-run ./build/app/facetry" >&2
  exit 1
fi
exec ./build/app/facetry "$@"
