# Sourced by run.sh, test.sh and .ci/run: installs the Debian packages a task needs when
# any of them is missing (through sudo when not root). Needs only bash and apt-get.

facetry_packages_build=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev
                        libbenchmark-dev libjpeg62-turbo-dev qt6-base-dev ccache
                        libgif-dev libassimp-dev assimp-utils)
# The window program on a desktop: a font for its captions.
facetry_packages_desktop=(fonts-dejavu-core)
# scripts/screenshot.sh: a virtual screen, input simulation and picture capture.
facetry_packages_screenshot=(xvfb xauth xdotool imagemagick fonts-dejavu-core)
facetry_packages_fuzz=(clang libclang-rt-14-dev)
# .ci/run's formatting check.
facetry_packages_format=(clang-format git)
# ./test.sh: the programs the exported files are checked in (tovrmlx3d comes with
# view3dscene; povray-includes holds the include files the POV-Ray scenes name).
facetry_packages_readers=(view3dscene povray povray-includes python3-meshio)
# scripts/bench.sh: djpeg, the yardstick of the texture decoding figures.
facetry_packages_bench=(libjpeg-turbo-progs)
# bench/redraw_ratio.sh: OpenGL offscreen through EGL on Mesa's software renderer.
facetry_packages_glbench=(libegl-dev libgl-dev libopengl-dev libegl-mesa0 libgl1-mesa-dri)

ensure_packages() {
  local missing=() group pkg list
  for group in "$@"; do
    list="facetry_packages_${group}[@]"
    for pkg in "${!list}"; do
      if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$pkg")
      fi
    done
  done
  ((${#missing[@]} == 0)) && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
}
