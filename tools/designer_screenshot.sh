#!/usr/bin/env bash
# Makes a screenshot of Qt Designer with the kit's plugin: the widget box filtered to the
# "Nuvelkit" group and examples/qt-designer/form.ui open with the seven widgets.
#   bash tools/designer_screenshot.sh [BUILD_DIR] [OUTPUT_PNG]
# Needs a build with the Designer plugin (BUILD_DIR/plugins/designer), and Xvfb, designer-qt6,
# xdotool and ImageMagick's import (Debian: xvfb designer-qt6 xdotool imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
OUT=${2:-docs/designer.png}
DESIGNER=${DESIGNER:-/usr/lib/qt6/bin/designer}
PLUGIN="$BUILD/plugins/designer/libnuvelkit-designer.so"

source tools/xvfb_session.sh
[ -f "$PLUGIN" ] || { echo "designer_screenshot: no plugin at $PLUGIN (build the nuvelkit_designer target)" >&2; exit 1; }
xvfb_session designer_screenshot 1600x900 "$DESIGNER"

HOME=$scratch XDG_RUNTIME_DIR=$scratch XDG_CONFIG_HOME=$scratch/config \
  QT_PLUGIN_PATH="$PWD/$BUILD/plugins" "$DESIGNER" "$PWD/examples/qt-designer/form.ui" \
  >"$scratch/designer.log" 2>&1 &
app_pid=$!

# Designer's main window, at the top left and as large as the screen.
window=$(xdotool search --sync --onlyvisible --name "Qt Designer" | head -1)
xdotool windowmove "$window" 0 0 windowsize "$window" 1600 900
sleep 2
# The widget box's filter shows the Nuvelkit group alone.
xdotool mousemove 100 91 click 1
xdotool type --delay 50 "Nuvel"
sleep 1
import -window root "$OUT"
echo "designer_screenshot: wrote $OUT"
