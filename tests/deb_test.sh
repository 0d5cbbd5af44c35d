#!/usr/bin/env bash
# The Debian packages: makes nuvelkit, nuvelkit-dev (and python3-nuvelkit when the tree builds
# the Python bindings) from the built tree, checks what each
# carries and what each depends on; run as root, installs them, builds and runs the examples
# against /usr with find_package and with pkg-config (no prefix path, no search variables),
# checks that Qt's form loader finds the Designer plugin and QStyleFactory the style plugin
# with no QT_PLUGIN_PATH, that Python
# imports nuvelkit and loads and compiles a form with no search variables, and removes
# the packages again. Usage: deb_test.sh BUILD SOURCE
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v dpkg-deb >/dev/null || { echo "deb: no dpkg-deb here; the packages are not tested"; exit 0; }

work=$(mktemp -d "${TMPDIR:-/tmp}/nk_deb.XXXXXX")
installed=no
cleanup() {
  if [ "$installed" = yes ]; then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq python3-nuvelkit nuvelkit-dev nuvelkit \
      >/dev/null 2>&1 || dpkg -P python3-nuvelkit nuvelkit-dev nuvelkit >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

bash "$source/tools/make_debs.sh" "$build" >/dev/null
shopt -s nullglob
debs=("$build"/packages/*.deb)
runtime=("$build"/packages/nuvelkit_*.deb)
dev=("$build"/packages/nuvelkit-dev_*.deb)
python=("$build"/packages/python3-nuvelkit_*.deb)
has_python=no
grep -q '^NK_PYTHON:BOOL=ON' "$build/CMakeCache.txt" && has_python=yes
expected=2 expected_python=0
[ "$has_python" = no ] || expected=3 expected_python=1
[ ${#runtime[@]} -eq 1 ] && [ ${#dev[@]} -eq 1 ] && [ ${#python[@]} -eq $expected_python ] &&
  [ ${#debs[@]} -eq $expected ] ||
  fail "expected nuvelkit, nuvelkit-dev$([ "$has_python" = no ] || echo ' and python3-nuvelkit')" \
    "in $build/packages, found: ${debs[*]##*/} (a file installed with no component makes a" \
    "package of its own)"
runtime=${runtime[0]}
dev=${dev[0]}
python=${python[0]:-}
version=$(dpkg-deb -f "$runtime" Version)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || gcc -print-multiarch)
lib=usr/lib/$multiarch
has_qt=no
grep -q '^NK_QT:BOOL=ON' "$build/CMakeCache.txt" && has_qt=yes
has_quick=no
grep -q '^NK_QML_DIR:INTERNAL=' "$build/CMakeCache.txt" && has_quick=yes

# The file lists: "PACKAGE must|never REGEX WHAT" a line; the regex matches a listed path.
dpkg-deb -c "$runtime" | awk '{print $6}' | sed 's|^\./|/|' >"$work/runtime.files"
dpkg-deb -c "$dev" | awk '{print $6}' | sed 's|^\./|/|' >"$work/dev.files"
[ -z "$python" ] || dpkg-deb -c "$python" | awk '{print $6}' | sed 's|^\./|/|' >"$work/python.files"
{
  cat <<EOF
runtime must ^/usr/bin/nuvelkit$ the program
runtime must ^/$lib/libnuvelkit\.so\.1$ the application library by its SONAME
runtime must ^/$lib/libnuvset1\.so\.1$ the first control library
runtime must ^/$lib/libnuvset2\.so\.1$ the second control library
runtime must ^/usr/share/man/man1/nuvelkit\.1 the manual page
runtime must ^/usr/share/doc/[^/]+/README\.md$ the README
runtime never ^/usr/include/ a header
runtime never \.pc$ a pkg-config file
runtime never ^/$lib/lib[^/]*\.so$ a link name
runtime never /cmake/ a CMake package file
runtime never ^/usr/local/ a file outside /usr
dev must ^/usr/include/nuvelkit/nuvelkit\.h$ the typed API's header
dev must ^/usr/include/nuvelkit/host/loading/library_loader\.h$ the host's headers
dev must ^/$lib/cmake/Nuvelkit/NuvelkitConfig\.cmake$ the CMake package
dev must ^/$lib/pkgconfig/nuvelkit\.pc$ the pkg-config file
dev must ^/$lib/libnuvelkit\.so$ the link name
dev never \.so\.[0-9.]+$ a versioned shared library
dev never ^/usr/bin/ a program
dev never ^/usr/share/man/ a manual page
EOF
  if [ "$has_qt" = yes ]; then
    cat <<EOF
runtime must ^/$lib/qt6/plugins/designer/libnuvelkit-designer\.so$ the Designer plugin in Qt's plugin folder
runtime must ^/$lib/qt6/plugins/styles/libnuvelkit-style\.so$ the style plugin in Qt's plugin folder
runtime must ^/$lib/libnuvelkit-qt\.so\.1$ the Qt widgets' library
dev must ^/$lib/libnuvelkit-qt\.so$ the Qt widgets' link name
dev must ^/usr/include/nuvelkit/qt/widgets\.h$ the Qt widgets' header
dev must ^/$lib/pkgconfig/nuvelkit-qt\.pc$ the Qt widgets' pkg-config file
dev never /plugins/ a plugin
EOF
  fi
  if [ "$has_quick" = yes ]; then
    cat <<EOF
runtime must ^/$lib/qt6/qml/Nuvelkit/qmldir$ the QML module's qmldir in Qt's QML folder
runtime must ^/$lib/qt6/qml/Nuvelkit/libnuvelkit_quick\.so$ the QML module's plugin
runtime must ^/$lib/qt6/qml/Nuvelkit/nuvelkit_quick\.qmltypes$ the QML module's type description
dev never /qml/ a QML module file
EOF
  fi
  if [ "$has_python" = yes ]; then
    cat <<EOF
python must ^/usr/lib/python3/dist-packages/nuvelkit/__init__\.py$ the package
python must ^/usr/lib/python3/dist-packages/nuvelkit/_nuvelkit\.[^/]*\.so$ the extension module
python must ^/usr/lib/python3/dist-packages/PyQt6/uic/widget-plugins/nuvelkit_widgets\.py$ the uic plugin in PyQt6's plugin folder
python never ^/$lib/ a library of the runtime
python never ^/usr/include/ a header
runtime never /dist-packages/ a Python file
EOF
  fi
} | while read -r pkg rule regex what; do
  matches=$(grep -E -- "$regex" "$work/$pkg.files" || true)
  case "$rule" in
    must) [ -n "$matches" ] || fail "$pkg ($version) carries no $what (a path matching $regex)" ;;
    never) [ -z "$matches" ] || fail "$pkg carries $what: $(echo "$matches" | head -3 | tr '\n' ' ')" ;;
  esac
done

# The runtime's Depends name the package of every library its programs, libraries and plugin
# need that it does not carry itself.
depends=$(dpkg-deb -f "$runtime" Depends)
depends_names=$(tr ',|' '\n\n' <<<"$depends" | awk '{print $1}')
dpkg-deb -x "$runtime" "$work/root"
own=$(find "$work/root" -name 'lib*.so*' -printf '%f\n')
ldconfig -p >"$work/ldconfig"
find "$work/root" -type f \( -name '*.so*' -o -path '*/bin/*' \) -print0 |
  xargs -0 readelf -d 2>/dev/null | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | sort -u |
  while read -r needed; do
    grep -qxF "$needed" <<<"$own" && continue
    path=$(awk -v n="$needed" '$1 == n && /x86-64/ {print $NF; exit}' "$work/ldconfig")
    [ -n "$path" ] || fail "nothing on this machine provides $needed, which the runtime needs"
    # dpkg records a file under the name its package gave it, with or without the /usr merge.
    owner=
    for name in "$path" "$(readlink -f "$path")" "${path#/usr}"; do
      [ -n "$owner" ] || owner=$( (dpkg -S "$name" 2>/dev/null || true) | head -1 | cut -d: -f1)
    done
    [ -n "$owner" ] || fail "no Debian package owns $path ($needed)"
    grep -qxF "$owner" <<<"$depends_names" ||
      fail "the runtime needs $needed from $owner, but depends on: $depends"
  done
[ "$has_qt" = no ] || grep -q 'libqt6widgets6' <<<"$depends" ||
  fail "the runtime does not depend on Qt's widgets: $depends"
dev_depends=$(dpkg-deb -f "$dev" Depends)
grep -Eq "(^|, )nuvelkit \(= $version\)" <<<"$dev_depends" ||
  fail "nuvelkit-dev does not depend on nuvelkit (= $version): $dev_depends"
[ "$has_qt" = no ] || grep -q 'qt6-base-dev' <<<"$dev_depends" ||
  fail "nuvelkit-dev does not depend on qt6-base-dev: $dev_depends"
if [ -n "$python" ]; then
  python_depends=$(dpkg-deb -f "$python" Depends)
  for needed in "nuvelkit (= $version)" python3-pyqt6 python3-pyqt6.sip libqt6widgets6; do
    grep -qF "$needed" <<<"$python_depends" ||
      fail "python3-nuvelkit does not depend on $needed: $python_depends"
  done
fi
echo "deb: $(basename "$runtime") and $(basename "$dev")${python:+ and $(basename "$python")}" \
  "carry and depend on what they should"

if [ "$(id -u)" -ne 0 ]; then
  echo "deb: not root; the packages are not installed"
  exit 0
fi
if dpkg-query -W -f='${Status}' nuvelkit 2>/dev/null | grep -q "install ok installed"; then
  echo "deb: nuvelkit is installed on this machine already; the installed packages are not tested"
  exit 0
fi
installed=yes
if ! DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-download "$runtime" "$dev" \
  ${python:+"$python"} >"$work/apt.log" 2>&1; then
  dpkg -i "$runtime" "$dev" ${python:+"$python"} >"$work/dpkg.log" 2>&1 || { cat "$work/apt.log" "$work/dpkg.log" >&2; fail "the packages do not install"; }
  apt-get check >"$work/check.log" 2>&1 || { cat "$work/check.log" >&2; fail "the installed packages' dependencies are not met"; }
fi
[ -z "$(dpkg --audit)" ] || fail "dpkg --audit: $(dpkg --audit)"

# Everything from here sees /usr only: no search variables, no home of the user's.
clean=(env -u QT_PLUGIN_PATH -u PKG_CONFIG_PATH -u CMAKE_PREFIX_PATH -u LD_LIBRARY_PATH
  -u PYTHONPATH -u PYTHONHOME HOME="$work/home" QT_QPA_PLATFORM=offscreen)
mkdir -p "$work/home"
# The program finds the control libraries in the package's library folder.
"${clean[@]}" nuvelkit register >"$work/register" 2>&1 || { cat "$work/register" >&2; fail "the installed program cannot register the control libraries"; }
for set in nuvset1 nuvset2; do
  grep -q "registered /$lib/lib$set.so.1 " "$work/register" ||
    fail "the installed program did not find lib$set.so.1 in /$lib: $(head -2 "$work/register")"
done

# build NAME COMMAND...: runs a build step, showing its log when it fails.
build_step() {
  local name=$1 log=$work/step.log; shift
  "${clean[@]}" "$@" >"$log" 2>&1 || { cat "$log" >&2; fail "$name fails"; }
}
build_step "find_package(Nuvelkit) of examples/consumer" \
  cmake -S "$source/examples/consumer" -B "$work/consumer" -G Ninja -DCMAKE_BUILD_TYPE=Release
build_step "the CMake build of examples/consumer" cmake --build "$work/consumer"
"${clean[@]}" "$work/consumer/consumer" >"$work/run" || fail "the CMake-built consumer does not run"
grep -q "from /$lib/libnuvset1.so.1" "$work/run" ||
  fail "the classes did not come from /$lib: $(head -1 "$work/run")"
"${clean[@]}" "$work/consumer/consumer-typed" >/dev/null || fail "the typed consumer does not run"
build_step "the pkg-config build of examples/consumer" sh -c \
  "c++ -std=c++20 -O1 '$source/examples/consumer/main.cpp' -o '$work/consumer-pc' \$(pkg-config --cflags --libs nuvelkit)"
"${clean[@]}" "$work/consumer-pc" >/dev/null || fail "the pkg-config-built consumer does not run"

if [ "$has_qt" = yes ]; then
  build_step "find_package(Nuvelkit COMPONENTS Qt) of examples/qt" \
    cmake -S "$source/examples/qt" -B "$work/qt" -G Ninja -DCMAKE_BUILD_TYPE=Release
  build_step "the CMake build of examples/qt" cmake --build "$work/qt"
  build_step "the CMake-built Qt example's check" "$work/qt/nuvelkit-qt-example" --check
  build_step "the pkg-config build of examples/qt" sh -c \
    "c++ -std=c++20 -O1 -fPIC '$source/examples/qt/main.cpp' -o '$work/qt-pc' \$(pkg-config --cflags --libs nuvelkit-qt)"
  build_step "the pkg-config-built Qt example's check" "$work/qt-pc" --check
  build_step "the form loader program" sh -c \
    "c++ -std=c++20 -O1 -fPIC '$source/tests/deb/designer_widgets.cpp' -o '$work/widgets' \$(pkg-config --cflags --libs Qt6UiTools Qt6Widgets)"
  "${clean[@]}" "$work/widgets" >"$work/widgets.txt" 2>&1 || { cat "$work/widgets.txt" >&2; fail "the form loader lists no widgets"; }
  for class in NuvelCommand NuvelHCommand NuvelSphere NuvelCheck NuvelScreen NuvelFill NuvelPad; do
    grep -qx "nk::qt::$class" "$work/widgets.txt" ||
      fail "Qt's form loader does not offer nk::qt::$class: the Designer plugin is not found in Qt's plugin folder"
  done
  build_step "the style lister" sh -c \
    "c++ -std=c++20 -O1 -fPIC '$source/tests/deb/style_keys.cpp' -o '$work/styles' \$(pkg-config --cflags --libs Qt6Widgets)"
  "${clean[@]}" "$work/styles" >"$work/styles.txt" 2>&1 || { cat "$work/styles.txt" >&2; fail "the installed style plugin does not draw"; }
  grep -qx "nuvelkit" "$work/styles.txt" ||
    fail "QStyleFactory::keys() has no nuvelkit: the style plugin is not found in Qt's plugin folder ($(tr '\n' ' ' <"$work/styles.txt"))"
fi

if [ -n "$python" ]; then
  # The machine's Python, run from a folder of its own: it finds the installed package only.
  (cd "$work" && "${clean[@]}" /usr/bin/python3 -c 'import nuvelkit') >"$work/import.txt" 2>&1 ||
    { cat "$work/import.txt" >&2; fail "python3 -c 'import nuvelkit' fails after the install"; }
  (cd "$work" && "${clean[@]}" /usr/bin/python3 "$source/tests/deb/python_form.py" \
    "$source/examples/qt-designer/form.ui") >"$work/form.txt" 2>&1 ||
    { cat "$work/form.txt" >&2; fail "the installed package does not load the example form"; }
  grep -qx "nuvelkit from /usr/lib/python3/dist-packages/nuvelkit/__init__.py" "$work/form.txt" ||
    fail "Python imported nuvelkit from elsewhere than the package: $(head -1 "$work/form.txt")"
  # pyuic6 itself, which reads PyQt6's own plugin folder only.
  build_step "pyuic6 of the example form" pyuic6 "$source/examples/qt-designer/form.ui" \
    -o "$work/form_ui.py"
  grep -q "nuvelkit.NuvelCommand(" "$work/form_ui.py" ||
    fail "pyuic6 did not make the form's NuvelCommand: the uic plugin is not in PyQt6's folder"
fi

installed=no
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq python3-nuvelkit nuvelkit-dev nuvelkit \
  >/dev/null 2>&1 || dpkg -P python3-nuvelkit nuvelkit-dev nuvelkit >/dev/null
[ ! -e /usr/bin/nuvelkit ] && [ ! -e "/$lib/libnuvelkit.so.1" ] &&
  [ ! -e /usr/lib/python3/dist-packages/nuvelkit ] &&
  ! dpkg-query -W nuvelkit nuvelkit-dev python3-nuvelkit >/dev/null 2>&1 ||
  fail "removing the packages left them or their files behind"
echo "deb: installed, built against with find_package and pkg-config, ran," \
  "${python:+imported by Python, }and removed"
