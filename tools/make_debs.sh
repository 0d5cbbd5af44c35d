#!/usr/bin/env bash
# Makes the Debian packages nuvelkit and nuvelkit-dev from a built tree into BUILD/packages.
# The packages install into /usr, so the tree is configured for that prefix (GNUInstallDirs then
# gives Debian's library folder, lib/<architecture>) while cpack runs, and set back to its own
# prefix afterwards. Only the install rules change: nothing is compiled again.
#   bash tools/make_debs.sh [BUILD]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
cache=$build/CMakeCache.txt
[ -f "$cache" ] || { echo "make_debs: $cache: not a configured build tree" >&2; exit 1; }
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$cache")
restore() {
  [ "$prefix" = /usr ] || cmake -DCMAKE_INSTALL_PREFIX="${prefix:-/usr/local}" "$build" >/dev/null
}
trap restore EXIT
cmake -DCMAKE_INSTALL_PREFIX=/usr "$build" >/dev/null
rm -rf "$build/packages"
if ! (cd "$build" && cpack -G DEB >"$build/cpack.log" 2>&1); then
  cat "$build/cpack.log" >&2
  echo "make_debs: cpack failed in $build (log above)" >&2
  exit 1
fi
ls "$build"/packages/*.deb
