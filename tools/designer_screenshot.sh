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

for tool in Xvfb xdotool import "$DESIGNER"; do
  command -v "$tool" >/dev/null || { echo "designer_screenshot: $tool is not installed" >&2; exit 1; }
done
[ -f "$PLUGIN" ] || { echo "designer_screenshot: no plugin at $PLUGIN (build the nuvelkit_designer target)" >&2; exit 1; }

# A display nobody uses, and a home of its own so that Designer starts as on first use.
display=""
for n in $(seq 90 120); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { display=":$n"; break; }
done
[ -n "$display" ] || { echo "designer_screenshot: no free X display" >&2; exit 1; }
scratch=$(mktemp -d)
chmod 700 "$scratch"
xvfb_pid="" designer_pid=""
cleanup() {
  [ -n "$designer_pid" ] && kill "$designer_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1600x900x24 >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

HOME=$scratch XDG_RUNTIME_DIR=$scratch XDG_CONFIG_HOME=$scratch/config \
  QT_PLUGIN_PATH="$PWD/$BUILD/plugins" "$DESIGNER" "$PWD/examples/qt-designer/form.ui" \
  >"$scratch/designer.log" 2>&1 &
designer_pid=$!

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
