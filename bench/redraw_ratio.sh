#!/usr/bin/env bash
# Facetry's redraw of the three views beside Mesa's llvmpipe (software OpenGL) drawing the
# same sphere (bench/sphere_scene.h) in one run: builds bench_render in Release and
# bench/llvmpipe_redraw.cpp against EGL, runs llvmpipe on one and on two threads and then
# Facetry, and prints the figures and their ratios as a Markdown table. Needs no display.
# Extra arguments go to bench_render (e.g. --benchmark_min_time=5).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure_packages.sh
ensure_packages build glbench
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DFACETRY_TESTS=OFF >/dev/null
cmake --build build-release --target bench_render -j "$(nproc)" >/dev/null
mkdir -p build-release/glbench
# shellcheck disable=SC2046
g++ -std=c++20 -O2 -Wall -Wextra -Isrc -Ibench bench/llvmpipe_redraw.cpp \
  -o build-release/glbench/llvmpipe_redraw $(pkg-config --cflags --libs egl opengl)

root=$PWD
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
llvmpipe() {
  LIBGL_ALWAYS_SOFTWARE=1 GALLIUM_DRIVER=llvmpipe LP_NUM_THREADS=$1 \
    build-release/glbench/llvmpipe_redraw >"$out/llvmpipe_$2.txt"
}
# A shared machine's speed drifts: llvmpipe on two threads, the figure the goals divide,
# runs before and after Facetry and counts as the mean of the two, and Facetry's cases take
# their repetitions in random order, so that no case is measured in a quieter spell.
llvmpipe 1 1
llvmpipe 2 2
(cd "$out" && "$root/build-release/bench/bench_render" --benchmark_filter=^BM_Teken/ \
  --benchmark_repetitions=6 --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true --benchmark_min_time=1 --benchmark_format=json "$@" \
  >"$out/facetry.json")
llvmpipe 2 2_after
# Peak memory with the 100 000-face scene alone, the small one not yet made.
(cd "$out" && "$root/build-release/bench/bench_render" --benchmark_filter=^BM_Teken/faces:99990/ \
  --benchmark_min_time=0.1 --benchmark_format=json >"$out/memory.json")
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

echo "$(date -u '+%Y-%m-%d %H:%M UTC'); $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -1)," \
  "$(nproc) cores; load average $load_before before, $load_after after"

/usr/bin/python3 - "$out" <<'PY'
import json, sys, pathlib

out = pathlib.Path(sys.argv[1])
def llvmpipe_run(name):
    lines = (out / f"llvmpipe_{name}.txt").read_text().splitlines()
    renderer = lines[0].split(":", 1)[1].strip()
    if "llvmpipe" not in renderer:
        sys.exit(f"the GL program ran on {renderer}, not llvmpipe")
    return renderer, {json.loads(l)["case"]: json.loads(l)["median_ms"]
                      for l in lines if l.startswith("{")}

gl = {}
renderer, one = llvmpipe_run("1")
_, before = llvmpipe_run("2")
_, after = llvmpipe_run("2_after")
for case, ms in one.items():
    gl[(case, 1)] = ms
    gl[(case, 2)] = (before[case] + after[case]) / 2

facetry = {}
for b in json.loads((out / "facetry.json").read_text())["benchmarks"]:
    if b.get("aggregate_name") != "median":
        continue
    args = dict(part.split(":") for part in b["run_name"].split("/")[1:])
    key = (int(args["faces"]), int(args["mode"]), int(args["survey"]))
    facetry[key] = b["real_time"]
peak = max(b["peak_rss_mb"] for b in json.loads((out / "memory.json").read_text())["benchmarks"])

FLAT, GOURAUD, PHONG = 1, 2, 3
rows = [("flat, 99 990 faces", "flat_100k", (99990, FLAT, 0)),
        ("Gouraud, 99 990 faces", "gouraud_100k", (99990, GOURAUD, 0)),
        ("flat, 10 000 faces", "flat_10k", (10000, FLAT, 0))]
print()
print(f"llvmpipe: {renderer}")
print()
print("| Redraw of the three views (ms, median) | llvmpipe, 1 thread | llvmpipe, 2 threads (before / after Facetry) | Facetry |")
print("|---|---|---|---|")
for label, case, key in rows:
    print(f"| {label} | {gl[(case, 1)]:.1f} | {gl[(case, 2)]:.1f} ({before[case]:.1f} / {after[case]:.1f}) "
          f"| {facetry[key]:.1f} |")
print()

def ratio(label, value, goal, met):
    print(f"| {label} | {value:.2f} | {goal}{'' if met else ': **missed**'} |")

print("| Ratio | Value | Goal |")
print("|---|---|---|")
for label, case, key in (rows[0], rows[2]):
    r = gl[(case, 2)] / facetry[key]
    ratio(f"llvmpipe (2 threads) / Facetry, {label}", r, ">= 4", r >= 4)
flat = facetry[(99990, FLAT, 0)]
r = facetry[(99990, GOURAUD, 0)] / flat
ratio("Facetry Gouraud / flat, 99 990 faces", r, "<= 1.3", r <= 1.3)
r = facetry[(99990, PHONG, 0)] / flat
ratio("Facetry Phong / flat, 99 990 faces", r, "<= 2", r <= 2)
r = facetry[(99990, FLAT, 1)] / flat
ratio("Facetry flat with the survey view / without, 99 990 faces", r, "<= 1.15", r <= 1.15)
print()
print(f"Peak resident memory of bench_render with the 99 990-face scene: {peak:.1f} MB")
PY
