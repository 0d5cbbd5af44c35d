# nk_control_library(NAME DIR RESOURCES): the control library lib<NAME>.so from the sources
# of DIR and the resource objects RESOURCES, and the static nk_<NAME> with the same controls.
#
# The shared library is what containers load with dlopen: everything in it is hidden except
# the four entry points of exports.cpp (see exports.map). Programs of the build that use the
# controls' C++ classes directly (the tests, the gallery, the benchmarks) link the static
# library instead; linking the target <NAME> inside the build tree gives them that too.
function(nk_control_library name dir resources)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/exports\\.cpp$")
  add_library(nk_${name} STATIC ${sources} $<TARGET_OBJECTS:${resources}>)
  target_include_directories(nk_${name} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
  target_link_libraries(nk_${name} PUBLIC nk_framework PRIVATE nk_warnings)
  set_target_properties(nk_${name} PROPERTIES CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)

  # Self-registration records the library in the component registry, with the host's
  # locked, atomic file replacement and its JSON reading.
  add_library(${name} SHARED ${dir}/exports.cpp ${PROJECT_SOURCE_DIR}/host/registry.cpp
    ${PROJECT_SOURCE_DIR}/host/file_io.cpp ${PROJECT_SOURCE_DIR}/host/json_text.cpp)
  target_link_libraries(${name} PRIVATE nk_${name} nk_framework nk_warnings
    nlohmann_json::nlohmann_json ${CMAKE_DL_LIBS}
    INTERFACE $<BUILD_INTERFACE:nk_${name}>)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON LINK_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/exports.map)
  target_link_options(${name} PRIVATE
    -Wl,--version-script=${PROJECT_SOURCE_DIR}/cmake/exports.map
    # Sanitized builds leave the runtime to the executable, so only plain builds can insist
    # that the library resolves every symbol itself.
    $<$<NOT:$<OR:$<BOOL:${NK_SANITIZE}>,$<BOOL:${NK_FUZZ}>>>:-Wl,--no-undefined>)
endfunction()
