#!/usr/bin/env bash
# The installed package as an application's build sees it: installs the build tree into a
# temporary prefix, builds examples/consumer with pkg-config (no --static) and with
# find_package(Nuvelkit), and checks that neither the compile nor the link reaches for a
# development file of the kit's private dependencies. Usage: package_test.sh BUILD SOURCE
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/nk_package.XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
# The private dependencies' development names: their headers, link names and pkg-config files.
private='(SDL2|sdl2|freetype|fontconfig|harfbuzz|fribidi|png|jpeg|gif|nlohmann)'

export PKG_CONFIG_PATH=$prefix/lib/pkgconfig
flags=$(pkg-config --cflags --libs nuvelkit)
requires=$(pkg-config --print-requires --print-requires-private nuvelkit)
[ -z "$requires" ] || fail "nuvelkit.pc requires other packages: $requires"
echo "$flags" | grep -Eq -- "-lnuvelkit" || fail "pkg-config gives no -lnuvelkit: $flags"
if echo "$flags" | grep -Eq -- "$private"; then fail "pkg-config names a private dependency: $flags"; fi

# The headers the application's source reaches: the kit's and the system's own only.
headers=$(c++ -std=c++20 -M "$source/examples/consumer/main.cpp" $(pkg-config --cflags nuvelkit))
if echo "$headers" | grep -Eq "/include/$private"; then
  fail "the installed headers include a private dependency's: $(echo "$headers" | grep -Eo "[^ ]*/include/$private[^ ]*" | head -3)"
fi

# pkg-config, as the README shows it.
c++ -std=c++20 -O1 "$source/examples/consumer/main.cpp" -o "$work/consumer-pc" $flags \
  -Wl,-rpath,"$prefix/lib" -Wl,--trace 2>"$work/trace-pc" >"$work/link-pc" || {
  cat "$work/trace-pc" >&2
  fail "the pkg-config build does not link"
}
if grep -Eq "lib$private[^/]*\.(so|a)\$" "$work/link-pc"; then
  fail "the pkg-config link opened a development library: $(grep -E "lib$private" "$work/link-pc" | head -3)"
fi
"$work/consumer-pc" >"$work/run-pc" || { cat "$work/run-pc" >&2; fail "the pkg-config build does not run"; }
grep -q "from $prefix/lib/libnuvset1.so.1" "$work/run-pc" ||
  fail "the classes did not come from the package's library folder: $(head -1 "$work/run-pc")"

# The typed API's application, the same way.
c++ -std=c++20 -O1 "$source/examples/consumer/typed.cpp" -o "$work/consumer-typed-pc" $flags \
  -Wl,-rpath,"$prefix/lib" 2>"$work/typed-pc.log" || {
  cat "$work/typed-pc.log" >&2
  fail "the typed application does not build with pkg-config"
}
"$work/consumer-typed-pc" >/dev/null || fail "the typed application built with pkg-config does not run"

# The README's application compiles and links the same way.
awk '/<!-- readme-app -->/ {on = 1; next} on && /^```cpp/ {body = 1; next}
     body && /^```/ {exit} body {print}' "$source/README.md" >"$work/readme.cpp"
[ -s "$work/readme.cpp" ] || fail "no C++ block after <!-- readme-app --> in README.md"
c++ -std=c++20 -O1 "$work/readme.cpp" -o "$work/readme" $flags 2>"$work/readme.log" || {
  cat "$work/readme.log" >&2
  fail "the README's application does not build with pkg-config"
}

# find_package(Nuvelkit), and the link line CMake writes.
cmake -S "$source/examples/consumer" -B "$work/cmake" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$prefix" >"$work/configure" 2>&1 || { cat "$work/configure" >&2; fail "find_package(Nuvelkit) fails"; }
cmake --build "$work/cmake" -v >"$work/build-cmake" 2>&1 || { cat "$work/build-cmake" >&2; fail "the CMake build fails"; }
link=$(grep -E " -o consumer( |$)" "$work/build-cmake" || true)
[ -n "$link" ] || fail "no link line in the CMake build's log"
if echo "$link" | grep -Eq "$private"; then fail "the CMake link line names a private dependency: $link"; fi
"$work/cmake/consumer" >/dev/null || fail "the CMake build does not run"
"$work/cmake/consumer-typed" >/dev/null || fail "the typed CMake build does not run"

# Every installed library carries a versioned SONAME, and the control libraries no link name.
for lib in nuvelkit nuvset1 nuvset2; do
  soname=$(readelf -d "$prefix/lib/lib$lib.so.1" | sed -n 's/.*SONAME.*\[\(.*\)\]/\1/p')
  [ "$soname" = "lib$lib.so.1" ] || fail "lib$lib.so.1 has the SONAME '$soname'"
done
[ ! -e "$prefix/lib/libnuvset1.so" ] || fail "libnuvset1.so is installed as a link name"
# Only the public targets are exported.
if grep -q "Nuvelkit::nk_" "$prefix"/lib/cmake/Nuvelkit/NuvelkitTargets.cmake; then
  fail "an internal target is exported: $(grep -o 'Nuvelkit::nk_[a-z_]*' "$prefix"/lib/cmake/Nuvelkit/NuvelkitTargets.cmake | sort -u)"
fi
# The documents and the manual page.
for f in share/man/man1/nuvelkit.1 share/doc/Nuvelkit/README.md share/doc/Nuvelkit/forms.md; do
  [ -s "$prefix/$f" ] || fail "$f is not installed"
done
# The Qt widgets, when the kit was built with them: one versioned shared library that offers
# the kit's namespace only and none of the application library's symbols again, headers a
# C++17 Qt project builds with, and a Designer plugin that finds the library from its own place.
qtlib=$prefix/lib/libnuvelkit-qt.so.1
if [ -e "$qtlib" ]; then
  soname=$(readelf -d "$qtlib" | sed -n 's/.*SONAME.*\[\(.*\)\]/\1/p')
  [ "$soname" = "libnuvelkit-qt.so.1" ] || fail "libnuvelkit-qt.so.1 has the SONAME '$soname'"
  [ -L "$prefix/lib/libnuvelkit-qt.so" ] || fail "the widgets' link name libnuvelkit-qt.so is not installed"
  [ ! -e "$prefix/lib/libnuvelkit-qt.a" ] || fail "a static libnuvelkit-qt.a is installed"
  strong() { nm -D --defined-only "$1" | awk '$2 ~ /^[TDBR]$/ {print $3}' | sort -u; }
  twice=$(comm -12 <(strong "$qtlib") <(strong "$prefix/lib/libnuvelkit.so.1") | c++filt | head -3)
  [ -z "$twice" ] || fail "libnuvelkit-qt.so.1 defines again what libnuvelkit.so.1 does: $twice"
  foreign=$(nm -D --defined-only "$qtlib" | awk '{print $3}' | c++filt | grep -v 'nk::' | head -3 || true)
  [ -z "$foreign" ] || fail "libnuvelkit-qt.so.1 exports names outside the kit's namespace: $foreign"
  # Each library reached with no LD_LIBRARY_PATH resolves to the package's own.
  resolves() { # OBJECT LIBRARY: fails unless OBJECT finds LIBRARY in the package's lib folder
    local found
    found=$(env -u LD_LIBRARY_PATH ldd "$1" | awk -v lib="$2" '$1 == lib {print $3}')
    [ -n "$found" ] && [ "$(realpath "$found")" = "$(realpath "$prefix/lib/$2")" ] ||
      fail "$1 finds $2 at '${found:-nothing}', not in $prefix/lib"
  }
  resolves "$qtlib" libnuvelkit.so.1
  plugins=$prefix/lib/qt6/plugins/designer
  [ ! -e "$plugins/libnuvelkit-designer.so" ] || resolves "$plugins/libnuvelkit-designer.so" libnuvelkit-qt.so.1

  qtflags=$(pkg-config --cflags nuvelkit-qt)
  for header in "$prefix"/include/nuvelkit/qt/*.h; do
    echo "#include \"qt/$(basename "$header")\"" |
      c++ -std=c++17 -fPIC -fsyntax-only -x c++ - $qtflags 2>"$work/header.log" || {
      cat "$work/header.log" >&2
      fail "$header does not compile as C++17"
    }
  done
  reached=$(c++ -std=c++17 -fPIC -M "$source/tests/package/qt/headers.cpp" $qtflags |
    grep -Eo "[^ ]*/include/nuvelkit/(framework|host|registry|support|api)/[^ ]*" | head -3 || true)
  [ -z "$reached" ] || fail "the widget headers include the kit's C++20 headers: $reached"
  c++ -std=c++17 -O1 -fPIC "$source/tests/package/qt/headers.cpp" -o "$work/qt17-pc" \
    -DNK_CONTROL_DIR="\"$prefix/lib\"" $(pkg-config --cflags --libs nuvelkit-qt) \
    -Wl,-rpath,"$prefix/lib" 2>"$work/qt17-pc.log" || {
    cat "$work/qt17-pc.log" >&2
    fail "the C++17 widget program does not build with pkg-config"
  }
  QT_QPA_PLATFORM=offscreen "$work/qt17-pc" || fail "the C++17 widget program built with pkg-config fails"

  cmake -S "$source/tests/package/qt" -B "$work/qt" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$prefix" >"$work/qt-configure" 2>&1 || {
    cat "$work/qt-configure" >&2
    fail "find_package(Nuvelkit COMPONENTS Qt) fails in a C++17 project"
  }
  cmake --build "$work/qt" -v >"$work/qt-build" 2>&1 || { cat "$work/qt-build" >&2; fail "the C++17 Qt project does not build"; }
  if grep -Eq -- "-std=(c|gnu)\+\+(2a|20)" "$work/qt-build"; then
    fail "Nuvelkit::Qt makes a C++17 project build as C++20"
  fi
  QT_QPA_PLATFORM=offscreen "$work/qt/qt17" || fail "the C++17 widget program built with CMake fails"
  if [ -e "$plugins/libnuvelkit-designer.so" ]; then
    env -u LD_LIBRARY_PATH -u QT_PLUGIN_PATH QT_QPA_PLATFORM=offscreen "$work/qt/designer_form" \
      "$source/examples/qt-designer/form.ui" "$plugins" >"$work/designer-form" 2>&1 || {
      cat "$work/designer-form" >&2
      fail "the form loaded through the installed Designer plugin"
    }
  fi
  # QStyleFactory finds the installed style plugin, which finds the kit's libraries beside it.
  if [ -e "$prefix/lib/qt6/plugins/styles/libnuvelkit-style.so" ]; then
    c++ -std=c++20 -O1 -fPIC "$source/tests/deb/style_keys.cpp" -o "$work/styles" \
      $(pkg-config --cflags --libs Qt6Widgets) 2>"$work/styles.log" || { cat "$work/styles.log" >&2; fail "the style lister does not build"; }
    env -u LD_LIBRARY_PATH QT_PLUGIN_PATH="$prefix/lib/qt6/plugins" QT_QPA_PLATFORM=offscreen \
      "$work/styles" >"$work/styles.txt" 2>&1 || { cat "$work/styles.txt" >&2; fail "the installed style plugin does not draw"; }
    grep -qx nuvelkit "$work/styles.txt" || fail "QStyleFactory::keys() has no nuvelkit from $prefix"
  fi
fi
echo "package: pkg-config and find_package builds link and run with only the package"
