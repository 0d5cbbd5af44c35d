#!/usr/bin/env bash
# Set-up, build and run in one step on a fresh Debian 12 machine.
#   bash tools/kit.sh gallery   the kit's main job: render the gallery sheet
#   bash tools/kit.sh test      every test: unit and script tests, the sanitizer build, fuzzing
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
JOBS=$(nproc 2>/dev/null || echo 2)

PACKAGES=(cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
  libfreetype-dev libfontconfig-dev fonts-liberation2 fonts-dejavu-core
  libpng-dev libjpeg-dev libgif-dev nlohmann-json3-dev libsdl2-dev libcli11-dev
  googletest libgtest-dev libbenchmark-dev libcairo2-dev libpixman-1-dev)

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
    echo "== sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer)"
    configure build-asan -DCMAKE_BUILD_TYPE=Debug -DNK_SANITIZE=ON -DNK_BENCH=OFF
    build build-asan
    (cd build-asan && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$ROOT/tools/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --output-on-failure -j "$JOBS")
    echo "== fuzzing"
    CC=clang CXX=clang++ configure build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNK_FUZZ=ON \
      -DNK_TESTS=OFF -DNK_BENCH=OFF
    build build-fuzz
    for f in build-fuzz/bin/fuzz_*; do
      [ -x "$f" ] || continue
      name=$(basename "$f")
      corpus=build-fuzz/corpus/$name
      mkdir -p "$corpus"
      [ -d "fuzz/corpus/$name" ] && cp -n fuzz/corpus/$name/* "$corpus"/ 2>/dev/null || true
      echo "-- $name for ${NK_FUZZ_SECONDS:-60} s"
      "$f" -max_total_time="${NK_FUZZ_SECONDS:-60}" -print_final_stats=0 "$corpus" 2>&1 | tail -3
    done
    ;;
  bench)
    configure build -DCMAKE_BUILD_TYPE=Release
    build build
    build/bin/nk_bench "$@"
    ;;
  *)
    echo "usage: bash tools/kit.sh gallery|test|bench" >&2
    exit 2
    ;;
esac
