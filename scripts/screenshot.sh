#!/usr/bin/env bash
# Takes docs/screenshot.png: the modeller on a 1600 x 1000 virtual screen with a demo model,
# zoomed to 50 % through its menu, the cube tool chosen by its key (the status bar says
# what it wants next), the mouse over the front view.
#   scripts/screenshot.sh [BUILD_DIR]     (default build/)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure_packages.sh
ensure_packages screenshot
build=${1:-build}
root=$PWD
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/cli/facetry-cli" demo "$work/demo.fcy" --faces 2000 --objects 4 >/dev/null

cat >"$work/session.sh" <<SESSION
set -e
cd "$work"
HOME="$work" "$root/$build/app/facetry" "$work/demo.fcy" &
pid=\$!
sleep 3
window=\$(xdotool search --name "Facetry : demo.fcy" | head -1)
xdotool windowfocus --sync "\$window"
xdotool key alt+v z Down Return
sleep 1
xdotool mousemove 420 300
# The cube tool by its key, so that the status bar says what it wants next.
xdotool key c
xdotool mousemove 430 310
sleep 1
import -window root "$root/docs/screenshot.png"
kill \$pid
SESSION
xvfb-run -a -s "-screen 0 1600x1000x24" bash "$work/session.sh"
convert docs/screenshot.png -resize 800x -colors 256 PNG8:docs/manual/screenshot.png
echo "wrote docs/screenshot.png and docs/manual/screenshot.png"
