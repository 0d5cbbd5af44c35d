# The installed kit: the application library libnuvelkit.so.1 with its headers, the two
# control libraries it loads, the program, a CMake package (find_package(Nuvelkit CONFIG),
# targets Nuvelkit::nuvelkit and Nuvelkit::api), a pkg-config file (nuvelkit), the documents and
# the manual page.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(NK_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Nuvelkit)

foreach(lib nuvset1 nuvset2)
  set_target_properties(${lib} PROPERTIES EXPORT_NAME ${lib})
endforeach()
# The typed API (Nuvelkit::api): #include <nuvelkit/NuvelCommand.h>, <nuvelkit/nuvelkit.h>;
# its handles call into the application library.
set_target_properties(nk_api PROPERTIES EXPORT_NAME api)
target_include_directories(nk_api INTERFACE $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
target_compile_features(nk_api INTERFACE cxx_std_20)

install(TARGETS nuvelkit_app nk_api EXPORT NuvelkitTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT dev)
# The control libraries are loaded by their versioned names, never linked: no link name.
install(TARGETS nuvset1 nuvset2 EXPORT NuvelkitTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} NAMELINK_SKIP COMPONENT runtime)
install(TARGETS nuvelkit RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/framework ${PROJECT_SOURCE_DIR}/registry
  ${PROJECT_SOURCE_DIR}/support ${PROJECT_SOURCE_DIR}/host
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/nuvelkit COMPONENT dev FILES_MATCHING PATTERN "*.h"
  # The reader's own checks speak its JSON library, which stays private.
  PATTERN "form_check.h" EXCLUDE)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/api/include/nuvelkit ${NK_API_DIR}/include/nuvelkit
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT dev FILES_MATCHING PATTERN "*.h")
install(EXPORT NuvelkitTargets NAMESPACE Nuvelkit:: DESTINATION ${NK_CMAKE_DIR} COMPONENT dev)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/NuvelkitConfig.cmake.in
  ${PROJECT_BINARY_DIR}/NuvelkitConfig.cmake INSTALL_DESTINATION ${NK_CMAKE_DIR}
  PATH_VARS CMAKE_INSTALL_LIBDIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/NuvelkitConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/NuvelkitConfig.cmake
  ${PROJECT_BINARY_DIR}/NuvelkitConfigVersion.cmake DESTINATION ${NK_CMAKE_DIR} COMPONENT dev)

# The pkg-config file finds the prefix from its own place, so the tree can be installed anywhere.
file(RELATIVE_PATH NK_PC_TO_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
configure_file(${PROJECT_SOURCE_DIR}/cmake/nuvelkit.pc.in ${PROJECT_BINARY_DIR}/nuvelkit.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/nuvelkit.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
  COMPONENT dev)

# The Qt widgets, a component of their own (find_package(Nuvelkit COMPONENTS Qt), target
# Nuvelkit::Qt), so that containers without Qt need no Qt to find the kit.
if(NK_QT)
  install(TARGETS nuvelkit_qt EXPORT NuvelkitQtTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT dev)
  install(FILES ${NK_QT_PUBLIC_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/nuvelkit/qt
    COMPONENT dev)
  install(EXPORT NuvelkitQtTargets NAMESPACE Nuvelkit:: DESTINATION ${NK_CMAKE_DIR} COMPONENT dev)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/nuvelkit-qt.pc.in
    ${PROJECT_BINARY_DIR}/nuvelkit-qt.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/nuvelkit-qt.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
    COMPONENT dev)
endif()

# The documents, the licence (when the tree carries one) and the manual page of the program.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT runtime)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT runtime
  FILES_MATCHING PATTERN "*.md" PATTERN "*.png")
foreach(licence LICENSE LICENSE.md COPYING)
  if(EXISTS ${PROJECT_SOURCE_DIR}/${licence})
    install(FILES ${PROJECT_SOURCE_DIR}/${licence} DESTINATION ${CMAKE_INSTALL_DOCDIR}
      COMPONENT runtime)
  endif()
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/docs/nuvelkit.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
  COMPONENT runtime)
