# The installed kit: the two control libraries, the framework and host libraries a container
# links, their headers, a CMake package (find_package(Nuvelkit CONFIG), targets Nuvelkit::*)
# and a pkg-config file (nuvelkit).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(NK_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Nuvelkit)

foreach(lib nuvset1 nuvset2)
  set_target_properties(${lib} PROPERTIES EXPORT_NAME ${lib})
endforeach()
set_target_properties(nk_framework PROPERTIES EXPORT_NAME framework)
set_target_properties(nk_host PROPERTIES EXPORT_NAME host)
# The typed API (Nuvelkit::api): #include <nuvelkit/NuvelCommand.h>, <nuvelkit/nuvelkit.h>.
set_target_properties(nk_api PROPERTIES EXPORT_NAME api)
target_include_directories(nk_api INTERFACE $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
# Inside the build the headers come from the source tree; installed, from include/nuvelkit.
foreach(t nk_framework nk_host)
  set_property(TARGET ${t} PROPERTY INTERFACE_INCLUDE_DIRECTORIES
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/nuvelkit>)
endforeach()

install(TARGETS nuvset1 nuvset2 nk_framework nk_host nk_api nk_warnings EXPORT NuvelkitTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS nuvelkit RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/framework ${PROJECT_SOURCE_DIR}/host
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/nuvelkit FILES_MATCHING PATTERN "*.h")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/api/include/nuvelkit ${NK_API_DIR}/include/nuvelkit
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} FILES_MATCHING PATTERN "*.h")
install(EXPORT NuvelkitTargets NAMESPACE Nuvelkit:: DESTINATION ${NK_CMAKE_DIR})

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/NuvelkitConfig.cmake.in
  ${PROJECT_BINARY_DIR}/NuvelkitConfig.cmake INSTALL_DESTINATION ${NK_CMAKE_DIR}
  PATH_VARS CMAKE_INSTALL_LIBDIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/NuvelkitConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/NuvelkitConfig.cmake
  ${PROJECT_BINARY_DIR}/NuvelkitConfigVersion.cmake DESTINATION ${NK_CMAKE_DIR})

# The pkg-config file finds the prefix from its own place, so the tree can be installed anywhere.
file(RELATIVE_PATH NK_PC_TO_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
configure_file(${PROJECT_SOURCE_DIR}/cmake/nuvelkit.pc.in ${PROJECT_BINARY_DIR}/nuvelkit.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/nuvelkit.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The Qt widgets, a component of their own (find_package(Nuvelkit COMPONENTS Qt), target
# Nuvelkit::Qt), so that containers without Qt need no Qt to find the kit.
if(NK_QT)
  install(TARGETS nuvelkit_qt EXPORT NuvelkitQtTargets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(FILES ${NK_QT_PUBLIC_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/nuvelkit/qt)
  install(EXPORT NuvelkitQtTargets NAMESPACE Nuvelkit:: DESTINATION ${NK_CMAKE_DIR})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/nuvelkit-qt.pc.in
    ${PROJECT_BINARY_DIR}/nuvelkit-qt.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/nuvelkit-qt.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endif()
