# nk_control_library(NAME DIR RESOURCES): the control library lib<NAME>.so from the sources
# of DIR and the resource objects RESOURCES, and the static nk_<NAME> with the same controls.
#
# The shared library is what containers load with dlopen: everything in it is hidden except
# the four entry points of library_exports.cpp (see exports.map). Programs of the build that
# use the controls' C++ classes directly (the tests, the gallery, the benchmarks) link the
# static library instead; linking the target <NAME> inside the build tree gives them that too.
function(nk_control_library name dir resources)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*/*.cpp)
  add_library(nk_${name} STATIC ${sources} $<TARGET_OBJECTS:${resources}>)
  target_include_directories(nk_${name} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
  target_link_libraries(nk_${name} PUBLIC nk_framework PRIVATE nk_warnings)
  set_target_properties(nk_${name} PROPERTIES CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)

  # The exports are one source for every library, told which library it is: its name, and
  # the class list its folder's classes.h declares (nuvset1 -> set1/classes.h, Nuvset1Classes).
  # Self-registration records the library in the component registry, with the registry's
  # locked, atomic file replacement and its JSON reading.
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${dir})
  string(SUBSTRING ${name} 0 1 first)
  string(SUBSTRING ${name} 1 -1 rest)
  string(TOUPPER ${first} first)
  add_library(${name} SHARED ${PROJECT_SOURCE_DIR}/registry/library_exports.cpp)
  target_compile_definitions(${name} PRIVATE NK_LIBRARY_NAME="${name}"
    NK_LIBRARY_CLASSES_HEADER="${folder}/classes.h" NK_LIBRARY_CLASSES=${first}${rest}Classes)
  target_link_libraries(${name} PRIVATE nk_${name} nk_registry nk_framework nk_warnings
    INTERFACE $<BUILD_INTERFACE:nk_${name}>)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON LINK_DEPENDS ${PROJECT_SOURCE_DIR}/registry/exports.map)
  target_link_options(${name} PRIVATE
    -Wl,--version-script=${PROJECT_SOURCE_DIR}/registry/exports.map
    # Sanitized builds leave the runtime to the executable, so only plain builds can insist
    # that the library resolves every symbol itself.
    $<$<NOT:$<OR:$<BOOL:${NK_SANITIZE}>,$<BOOL:${NK_FUZZ}>>>:-Wl,--no-undefined>)
endfunction()
