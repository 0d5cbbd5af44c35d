# The Debian packages, made by `cpack -G DEB` in the build tree (tools/make_debs.sh configures
# the tree for /usr first):
#   nuvelkit      the install component "runtime": the program, the shared libraries, the
#                 Designer plugin, the manual page and the documents;
#   nuvelkit-dev  the install component "dev": the headers, the CMake package, the pkg-config
#                 files and the link names;
#   python3-nuvelkit  the install component "python", when the PyQt6 bindings are built: the
#                 package nuvelkit in Debian's dist-packages and its uic plugin in PyQt6's.
# The packages install where the tree was configured to install (CMAKE_INSTALL_PREFIX), so the
# library folder GNUInstallDirs chose for that prefix is the one the packages carry.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nuvelkit)
set(CPACK_PACKAGE_VENDOR "Nuvelkit")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Nuvelkit developers <nuvelkit@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Glossy, skinned UI controls")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME nuvelkit)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
  "Glossy, skinned UI controls: the program and the libraries
 The nuvelkit program (forms, scripts, the gallery), the application library
 libnuvelkit.so.1 with the control libraries it loads, the Qt widgets and their
 Designer plugin, and the QML module Nuvelkit.")
# The runtime's dependencies are those of the files it carries, as dpkg-shlibdeps finds them;
# the package's own libraries get a shlibs file, so that the plugin's link to them resolves.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY "=")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME nuvelkit-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEV_DESCRIPTION
  "Glossy, skinned UI controls: development files
 The headers, the CMake package (find_package(Nuvelkit)), the pkg-config files
 (nuvelkit, nuvelkit-qt) and the link names of the Nuvelkit libraries.")
# What the headers and the exported targets reach for: the runtime of the same version and,
# for the Qt widgets, Qt's own development packages.
set(NK_DEV_DEPENDS "nuvelkit (= ${CPACK_PACKAGE_VERSION})")
if(NK_QT)
  string(APPEND NK_DEV_DEPENDS ", qt6-base-dev")
  if(TARGET Qt6::Multimedia)
    string(APPEND NK_DEV_DEPENDS ", qt6-multimedia-dev")
  endif()
endif()
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS ${NK_DEV_DEPENDS})

if(NK_PYTHON)
  math(EXPR nk_next_minor "${Python3_VERSION_MINOR} + 1")
  set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME python3-nuvelkit)
  set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
  set(CPACK_COMPONENT_PYTHON_DESCRIPTION
    "Glossy, skinned UI controls: Python bindings
 The Nuvelkit widgets for PyQt6 (import nuvelkit): every control class with its
 properties, enumerations, methods and signals, and the plugin with which
 PyQt6.uic and pyuic6 load forms that hold them.")
  # The module links the Qt widgets' library, which another package of this build carries, so
  # dpkg-shlibdeps cannot find it here: the dependencies are named instead. It is built for
  # this Python's minor version and PyQt6's sip ABI.
  set(CPACK_DEBIAN_PYTHON_PACKAGE_SHLIBDEPS OFF)
  set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS
    "nuvelkit (= ${CPACK_PACKAGE_VERSION}), libqt6widgets6 (>= ${Qt6_VERSION_MAJOR}.${Qt6_VERSION_MINOR}), python3 (>= ${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR}), python3 (<< ${Python3_VERSION_MAJOR}.${nk_next_minor}), python3-pyqt6, python3-pyqt6.sip, libc6, libstdc++6")
endif()

include(CPack)
