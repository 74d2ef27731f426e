#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the README's picture of Qt Designer's widget box showing the library's widgets:
# runs Designer under Xvfb with the built plugin, filters the widget box on "Nalu",
# grabs the screen and crops the widget box.
#
#   doc/designer-screenshot.sh [BUILD_DIR]   (default: build, a Qt 5 build with the plugin)
#
# Needs xvfb, xdotool and imagemagick; writes doc/screenshots/designer-widget-box.png.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(cd "${1:-build}" && pwd)
out=$PWD/doc/screenshots/designer-widget-box.png
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/run.sh" <<'INNER'
designer >"$WORK/designer.log" 2>&1 &
designer_pid=$!
sleep 6
xdotool key Escape # the "New Form" dialog
sleep 1
window=$(xdotool search --name "Qt Designer" | head -1)
xdotool windowsize "$window" 1100 2300
sleep 1
# Widen the widget box by dragging the splitter at its right edge.
xdotool mousemove 146 900 mousedown 1
for x in 250 400 550 700 850 1000; do xdotool mousemove "$x" 900; sleep 0.2; done
xdotool mouseup 1
sleep 1
# The widget box's filter field sits under its title, at the top left.
xdotool mousemove 90 194 click 1
sleep 0.5
xdotool type "Nalu"
sleep 2
import -window root "$WORK/screen.png"
kill "$designer_pid"
INNER

HOME=$work WORK=$work QT_PLUGIN_PATH=$build_dir/plugins QT_SCALE_FACTOR=2 \
    xvfb-run -a -s "-screen 0 1100x2300x24" bash "$work/run.sh"
convert "$work/screen.png" -crop 378x2000+0+110 +repage "$out"
echo "$out"
