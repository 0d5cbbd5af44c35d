# The package's application library, libnuvelkit.so.1: the kit's own container (the form
# model and form files, the headless and windowed hosts, the loading of the control
# libraries and the registry) and the host contract, in one shared library whose own
# dependencies (FreeType, fontconfig, HarfBuzz, FriBidi, SDL2, libpng, libjpeg, giflib, the
# JSON library) are private: an application links -lnuvelkit and needs only their runtime
# libraries.
#
# Inside the build tree the program, the tests and the benchmarks keep linking the static
# libraries; the examples link this one, as an application does.
file(GLOB NK_PACKAGE_FRAMEWORK_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/framework/*.cpp)
# The framework is compiled again here: the static copy is built for the control libraries,
# with its symbols hidden, and an application calls it.
set(NK_PACKAGE_OBJECTS)
foreach(part ${NK_HOST_PARTS} nk_registry nk_support)
  list(APPEND NK_PACKAGE_OBJECTS $<TARGET_OBJECTS:${part}>)
endforeach()
add_library(nuvelkit_app SHARED ${NK_PACKAGE_FRAMEWORK_SOURCES} ${NK_PACKAGE_OBJECTS})
target_include_directories(nuvelkit_app PUBLIC
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/nuvelkit>)
target_link_libraries(nuvelkit_app PRIVATE nk_warnings PkgConfig::FREETYPE PkgConfig::FONTCONFIG
  PkgConfig::HARFBUZZ PkgConfig::FRIBIDI PkgConfig::SDL2 PNG::PNG JPEG::JPEG GIF::GIF
  nlohmann_json::nlohmann_json ${CMAKE_DL_LIBS})
# The library offers the kit's namespace and nothing of what it is built from.
target_link_options(nuvelkit_app PRIVATE
  -Wl,--version-script=${PROJECT_SOURCE_DIR}/cmake/nuvelkit.map
  $<$<NOT:$<OR:$<BOOL:${NK_SANITIZE}>,$<BOOL:${NK_FUZZ}>>>:-Wl,--no-undefined>)
set_target_properties(nuvelkit_app PROPERTIES OUTPUT_NAME nuvelkit EXPORT_NAME nuvelkit
  VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR}
  LINK_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/nuvelkit.map)
add_library(Nuvelkit::nuvelkit ALIAS nuvelkit_app)
# Its headers are C++20: a program that includes them is built as C++20.
target_compile_features(nuvelkit_app INTERFACE cxx_std_20)
# An application gets the kit's classes from the control libraries next to this one.
add_dependencies(nuvelkit_app nuvset1 nuvset2)

# The control libraries carry the same version in their names (libnuvset1.so.1); containers
# load them by that name.
foreach(lib nuvset1 nuvset2)
  set_target_properties(${lib} PROPERTIES VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR})
endforeach()

# The installed package, built against as an application would (tests/package_test.sh).
# A sanitized library links only into sanitized programs, so those builds leave it out.
if(NK_TESTS AND NOT NK_SANITIZE AND NOT NK_FUZZ)
  add_test(NAME package_install_and_link
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/package_test.sh ${PROJECT_BINARY_DIR}
            ${PROJECT_SOURCE_DIR})
  set_tests_properties(package_install_and_link PROPERTIES RUN_SERIAL TRUE TIMEOUT 600)
endif()
