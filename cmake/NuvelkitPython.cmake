# Whether the PyQt6 bindings can be built: the machine's Python 3 with its headers and PyQt6,
# sip-build with PyQt-builder, PyQt6's .sip files and qmake (which PyQt-builder asks about Qt).
# NK_PYTHON defaults to ON when all are found; ON without them is an error naming what is missing.
# Debian's python3 is the machine's Python; one earlier on the PATH (a user's own) is not asked.
include(GNUInstallDirs)
if(NOT DEFINED Python3_EXECUTABLE AND EXISTS /usr/bin/python3)
  set(Python3_EXECUTABLE /usr/bin/python3)
endif()
find_package(Python3 QUIET COMPONENTS Interpreter Development.Module)
find_program(NK_SIP_BUILD_EXECUTABLE sip-build)
find_program(NK_QMAKE NAMES qmake6 qmake)
set(NK_PYTHON_MISSING "")
if(NOT Python3_FOUND)
  list(APPEND NK_PYTHON_MISSING "Python 3 with its headers (python3-dev)")
else()
  execute_process(COMMAND ${Python3_EXECUTABLE} -c
    "import os, PyQt6, PyQt6.QtWidgets; print(os.path.join(os.path.dirname(PyQt6.__file__), 'bindings'))"
    OUTPUT_VARIABLE NK_PYQT6_SIP_DIR OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE pyqt_result
    ERROR_QUIET)
  if(NOT pyqt_result EQUAL 0)
    list(APPEND NK_PYTHON_MISSING "PyQt6 for ${Python3_EXECUTABLE} (python3-pyqt6)")
  elseif(NOT EXISTS ${NK_PYQT6_SIP_DIR}/QtWidgets/QtWidgetsmod.sip)
    list(APPEND NK_PYTHON_MISSING "PyQt6's .sip files (pyqt6-dev)")
  endif()
  execute_process(COMMAND ${Python3_EXECUTABLE} -c "import pyqtbuild"
    RESULT_VARIABLE builder_result OUTPUT_QUIET ERROR_QUIET)
  if(NOT builder_result EQUAL 0)
    list(APPEND NK_PYTHON_MISSING "PyQt-builder (python3-pyqtbuild)")
  endif()
endif()
if(NOT NK_SIP_BUILD_EXECUTABLE)
  list(APPEND NK_PYTHON_MISSING "sip-build (sip-tools)")
endif()
if(NOT NK_QMAKE)
  list(APPEND NK_PYTHON_MISSING "qmake (qt6-base-dev-tools)")
endif()
if(NK_PYTHON_MISSING OR NK_SANITIZE OR NK_FUZZ)
  # An instrumented module cannot load into the uninstrumented python3.
  set(nk_python_default OFF)
else()
  set(nk_python_default ON)
endif()
option(NK_PYTHON "Build the PyQt6 bindings (the Python package nuvelkit)" ${nk_python_default})
if(NK_PYTHON AND NK_PYTHON_MISSING)
  list(JOIN NK_PYTHON_MISSING ", " missing)
  message(FATAL_ERROR "NK_PYTHON is ON but these are missing: ${missing}")
endif()

if(NK_PYTHON)
  # Where the package installs under the prefix: Debian's python3 reads dist-packages, under
  # /usr the version-less lib/python3/dist-packages; any other Python its own site-packages.
  execute_process(COMMAND ${Python3_EXECUTABLE} -c [=[
import sys, sysconfig
if "/usr/lib/python3/dist-packages" in sys.path:
    print("lib/python3/dist-packages" if sys.argv[1] == "/usr"
          else "lib/python%d.%d/dist-packages" % sys.version_info[:2])
else:
    print(sysconfig.get_path("platlib", vars={"platbase": ".", "base": "."})[2:])
]=] ${CMAKE_INSTALL_PREFIX} OUTPUT_VARIABLE nk_python_dir OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(NK_PYTHON_INSTALL_DIR ${nk_python_dir})
  # PyQt6's own uic plugin folder, when it lies under the prefix.
  execute_process(COMMAND ${Python3_EXECUTABLE} -c
    "import os, PyQt6.uic; print(os.path.join(os.path.dirname(PyQt6.uic.__file__), 'widget-plugins'))"
    OUTPUT_VARIABLE nk_uic_dir OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  set(NK_PYQT6_UIC_PLUGIN_DIR "")
  if(nk_uic_dir AND nk_uic_dir MATCHES "^${CMAKE_INSTALL_PREFIX}/")
    file(RELATIVE_PATH NK_PYQT6_UIC_PLUGIN_DIR ${CMAKE_INSTALL_PREFIX} ${nk_uic_dir})
  endif()
endif()
