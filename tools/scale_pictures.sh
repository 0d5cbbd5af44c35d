#!/usr/bin/env bash
# Writes the pictures of the kit at device scale 2 that the repository keeps:
#   docs/gallery@2x.png   the gallery sheet of docs/gallery.png (shrunk to half) at scale 2
#   docs/scale.png        a NuvelSphere and a NuvelHCommand drawn at scale 2, each beside
#                         the same control drawn at scale 1 and stretched to twice its size
# Run it again whenever the controls or their built-in pictures change:
#   bash tools/scale_pictures.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
if [ ! -x "$BUILD/bin/nuvelkit" ]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$BUILD" --target nuvelkit
fi
NK=$(cd "$BUILD/bin" && pwd)/nuvelkit
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

"$NK" gallery --quiet --scale 2 --shrink 0.5 -o docs/gallery@2x.png

# Each control, drawn by a script at scale 1 and at scale 2.
cat >"$WORK/controls.script" <<'SCRIPT'
new NuvelSphere
init
send Resize
send Paint
png "sphere.png"
new NuvelHCommand HCommand1 220 60
init
set Caption "Open the &file"
send Resize
send Paint
png "hcommand.png"
SCRIPT
for s in 1 2; do
  mkdir -p "$WORK/$s"
  (cd "$WORK/$s" && "$NK" script --scale "$s" "$WORK/controls.script" >/dev/null)
done

# Each row: the control drawn at scale 1 and stretched smoothly to twice its size (as a
# screen at device pixel ratio 2 shows a picture drawn for 1), then the same drawn at 2.
# Needs ImageMagick (Debian's imagemagick).
row() { echo "(" "$WORK/1/$1" -filter Triangle -resize 200% "$WORK/2/$1" -gravity center +smush 24 ")"; }
# shellcheck disable=SC2046 # each row's words are meant to split
convert -background '#E6E6E6' $(row sphere.png) $(row hcommand.png) -gravity northwest \
  -smush 24 -bordercolor '#E6E6E6' -border 24 docs/scale.png
echo "wrote docs/gallery@2x.png and docs/scale.png"
