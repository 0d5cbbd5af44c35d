#!/usr/bin/env bash
# Set-up, build and run in one step on a fresh Debian 12 machine.
#   bash tools/kit.sh gallery   the kit's main job: render the gallery sheet
#   bash tools/kit.sh test      every test: unit and script tests, the sanitizer build, fuzzing
#   bash tools/kit.sh fuzz [MINUTES]   every fuzz target for MINUTES each (default 10)
#   bash tools/kit.sh package   the Debian packages nuvelkit and nuvelkit-dev, in build/packages
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
JOBS=$(nproc 2>/dev/null || echo 2)

PACKAGES=(cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
  libfreetype-dev libfontconfig-dev libharfbuzz-dev libfribidi-dev
  fonts-liberation2 fonts-dejavu-core fonts-droid-fallback fonts-lohit-deva
  libpng-dev libjpeg-dev libgif-dev nlohmann-json3-dev libsdl2-dev libcli11-dev
  googletest libgtest-dev libbenchmark-dev libcairo2-dev libpixman-1-dev qt6-base-dev qt6-tools-dev qt6-multimedia-dev dpkg-dev
  python3-dev sip-tools python3-pyqtbuild pyqt6-dev python3-pyqt6 pyqt6-dev-tools
  qt6-declarative-dev qt6-declarative-dev-tools qml6-module-qttest qml6-module-qtquick-controls
  qml6-module-qtquick-layouts qml6-module-qtquick-templates qml6-module-qtqml-workerscript
  qml6-module-qtquick-window python3-pyqt6.qtqml python3-pyqt6.qtquick)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# configure DIR [cmake options...]
configure() {
  local dir=$1; shift
  local werror=OFF
  [ "${CI:-}" = "true" ] && werror=ON
  cmake -S "$ROOT" -B "$dir" -G Ninja -DNK_WERROR=$werror "$@" >/dev/null
}

# build DIR [TARGET...]: everything, or only the targets named (and what they need).
build() {
  local dir=$1; shift
  local targets=()
  for t in "$@"; do targets+=(--target "$t"); done
  cmake --build "$dir" -j "$JOBS" "${targets[@]}"
}

# fuzz_all SECONDS [CMAKE OPTIONS...]: builds the fuzz targets and runs each for SECONDS, one
# after another, with inputs up to 1 MB, the target's seeds and its dictionary.
fuzz_all() {
  local seconds=$1; shift
  CC=clang CXX=clang++ configure build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNK_FUZZ=ON \
    -DNK_TESTS=OFF -DNK_BENCH=OFF -DNK_QT=OFF "$@"
  build build-fuzz
  for f in build-fuzz/bin/fuzz_*; do
    [ -x "$f" ] || continue
    local name corpus dict=()
    name=$(basename "$f")
    corpus=build-fuzz/corpus/$name
    mkdir -p "$corpus"
    [ -d "fuzz/corpus/$name" ] && cp -n fuzz/corpus/$name/* "$corpus"/ 2>/dev/null || true
    [ -f "fuzz/dict/$name.dict" ] && dict=(-dict="fuzz/dict/$name.dict")
    echo "-- $name for $seconds s"
    local log=build-fuzz/$name.log rc=0
    LSAN_OPTIONS=suppressions=$ROOT/tools/lsan.supp "$f" -max_len=1048576 -max_total_time="$seconds" -print_final_stats=1 "${dict[@]}" \
      "$corpus" >"$log" 2>&1 || rc=$?
    grep -E "DONE|stat::number_of_executed_units|stat::peak_rss_mb" "$log" || true
    [ "$rc" -eq 0 ] || { tail -40 "$log"; echo "$name failed" >&2; exit 1; }
  done
}

# The test run's sanitizer and fuzz builds take the built-in resources its Release build has
# just drawn from the same sources, instead of drawing them again (the drawing is deterministic
# and takes a while).
DRAWN_RESOURCES=-DNK_RESOURCES_FROM=$ROOT/build/resources

cmd=${1:-gallery}
shift || true
install_packages
case "$cmd" in
  gallery|demo)
    configure build -DCMAKE_BUILD_TYPE=Release
    # The program and the control libraries it loads; the tests and benchmarks wait for "test".
    build build nuvelkit
    if build/bin/nuvelkit gallery --help >/dev/null 2>&1; then
      build/bin/nuvelkit gallery "$@"
    else
      build/bin/nuvelkit demo "$@"
    fi
    ;;
  test)
    configure build -DCMAKE_BUILD_TYPE=Release
    build build
    (cd build && ctest --output-on-failure -j "$JOBS")
    # ctest's package_install_and_link installs the package into a temporary prefix and
    # builds examples/consumer against it with pkg-config and with find_package.
    if [ -d build/qt ]; then
      echo "== installed package: the Qt example with CMake and with pkg-config"
      rm -rf build/install build/qt-example
      cmake --install build --prefix "$ROOT/build/install" >/dev/null
      cmake -S examples/qt -B build/qt-example -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_PREFIX_PATH="$ROOT/build/install" >/dev/null
      build build/qt-example
      QT_QPA_PLATFORM=offscreen build/qt-example/nuvelkit-qt-example --check
      c++ -std=c++20 -O1 -fPIC examples/qt/main.cpp -o build/qt-example/example-pc \
        -Wl,-rpath,"$ROOT/build/install/lib" \
        $(PKG_CONFIG_PATH="$ROOT/build/install/lib/pkgconfig" pkg-config --cflags --libs nuvelkit-qt)
      QT_QPA_PLATFORM=offscreen build/qt-example/example-pc --check
      echo "== installed package: the Designer form compiled by uic"
      rm -rf build/designer-example
      cmake -S examples/qt-designer -B build/designer-example -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_PREFIX_PATH="$ROOT/build/install" >/dev/null
      build build/designer-example
      QT_QPA_PLATFORM=offscreen build/designer-example/nuvelkit-designer-example --check
      if grep -q '^NK_PYTHON:BOOL=ON' build/CMakeCache.txt; then
        echo "== installed package: the Python bindings load the Designer form"
        (cd build && QT_QPA_PLATFORM=offscreen \
          PYTHONPATH="$(echo "$ROOT"/build/install/lib/python3*/*-packages)" \
          /usr/bin/python3 "$ROOT/tests/deb/python_form.py" "$ROOT/examples/qt-designer/form.ui")
      fi
    fi
    echo "== Debian packages: contents, dependencies, installed and built against"
    bash tests/deb_test.sh build "$ROOT"
    echo "== sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer)"
    configure build-asan -DCMAKE_BUILD_TYPE=Debug -DNK_SANITIZE=ON -DNK_BENCH=OFF -DNK_QT=OFF \
      "$DRAWN_RESOURCES"
    build build-asan
    (cd build-asan && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$ROOT/tools/lsan.supp:print_suppressions=0 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --output-on-failure -j "$JOBS")
    echo "== fuzzing"
    fuzz_all "${NK_FUZZ_SECONDS:-30}" "$DRAWN_RESOURCES"
    ;;
  fuzz)
    fuzz_all $(( ${1:-10} * 60 )) -DNK_RESOURCES_FROM=
    ;;
  package)
    configure build -DCMAKE_BUILD_TYPE=Release
    build build
    bash tools/make_debs.sh build
    ;;
  bench)
    configure build -DCMAKE_BUILD_TYPE=Release
    build build
    build/bin/nk_bench "$@"
    ;;
  *)
    echo "usage: bash tools/kit.sh gallery|test|package|bench|fuzz [MINUTES]" >&2
    exit 2
    ;;
esac
