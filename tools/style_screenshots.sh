#!/usr/bin/env bash
# Makes the README's pictures of the nuvelkit style: the stock-widget dialog of
# examples/qt-style run with `-style nuvelkit`, and Qt Designer under the style with the same
# form in its preview (Form > Preview, Ctrl+R).
#   bash tools/style_screenshots.sh [BUILD_DIR] [DIALOG_PNG] [DESIGNER_PNG]
# Needs a build with the style plugin and the example (BUILD_DIR/plugins/styles,
# BUILD_DIR/bin/nuvelkit-style-example), and Xvfb, designer-qt6, xdotool and ImageMagick's
# import (Debian: xvfb designer-qt6 xdotool imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
DIALOG_OUT=${2:-docs/style-dialog.png}
DESIGNER_OUT=${3:-docs/style-designer.png}
DESIGNER=${DESIGNER:-/usr/lib/qt6/bin/designer}
EXAMPLE="$BUILD/bin/nuvelkit-style-example"

source tools/xvfb_session.sh
[ -x "$EXAMPLE" ] || { echo "style_screenshots: no $EXAMPLE (build nuvelkit-style-example)" >&2; exit 1; }
xvfb_session style_screenshots 1280x800 "$DESIGNER"
export HOME=$scratch XDG_RUNTIME_DIR=$scratch XDG_CONFIG_HOME=$scratch/config
export QT_PLUGIN_PATH="$PWD/$BUILD/plugins"

# The dialog, as the application shows it.
"$EXAMPLE" -style nuvelkit >"$scratch/example.log" 2>&1 &
app_pid=$!
window=$(xdotool search --sync --onlyvisible --name "Settings" | head -1)
sleep 1
import -window "$window" "$DIALOG_OUT"
kill "$app_pid"
app_pid=""
echo "style_screenshots: wrote $DIALOG_OUT"

# Designer under the style, the form open and its preview in front.
"$DESIGNER" -style nuvelkit "$PWD/examples/qt-style/dialog.ui" >"$scratch/designer.log" 2>&1 &
app_pid=$!
window=$(xdotool search --sync --onlyvisible --name "Qt Designer" | head -1)
xdotool windowmove "$window" 0 0 windowsize "$window" 1280 800
sleep 2
# A click on the form's dialog gives Designer the keyboard; Ctrl+R opens the preview.
xdotool mousemove 450 200 click 1
sleep 0.5
xdotool key ctrl+r
sleep 2
import -window root "$DESIGNER_OUT"
echo "style_screenshots: wrote $DESIGNER_OUT"
