# Installs the library, its CMake config package, its pkg-config file and
# the `gridlux` program. Headers are installed by Gridlux/CMakeLists.txt.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(GRIDLUX_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Gridlux)

install(TARGETS Gridlux
  EXPORT GridluxTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

install(EXPORT GridluxTargets
  NAMESPACE Gridlux::
  FILE GridluxTargets.cmake
  DESTINATION ${GRIDLUX_CMAKE_DIR})

configure_package_config_file(
  ${PROJECT_SOURCE_DIR}/cmake/GridluxConfig.cmake.in
  ${PROJECT_BINARY_DIR}/GridluxConfig.cmake
  INSTALL_DESTINATION ${GRIDLUX_CMAKE_DIR})
write_basic_package_version_file(
  ${PROJECT_BINARY_DIR}/GridluxConfigVersion.cmake
  VERSION ${PROJECT_VERSION}
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${PROJECT_BINARY_DIR}/GridluxConfig.cmake
  ${PROJECT_BINARY_DIR}/GridluxConfigVersion.cmake
  DESTINATION ${GRIDLUX_CMAKE_DIR})

# The .pc file finds its prefix from its own location, so that it stays
# right under DESTDIR or `cmake --install --prefix`.
file(RELATIVE_PATH GRIDLUX_PC_PREFIX_FROM_PCDIR
  ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" GRIDLUX_PC_PREFIX_FROM_PCDIR "${GRIDLUX_PC_PREFIX_FROM_PCDIR}")
foreach(dir LIBDIR INCLUDEDIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${dir}}")
    set(GRIDLUX_PC_${dir} "${CMAKE_INSTALL_${dir}}")
  else()
    set(GRIDLUX_PC_${dir} "\${prefix}/${CMAKE_INSTALL_${dir}}")
  endif()
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/cmake/gridlux.pc.in ${PROJECT_BINARY_DIR}/gridlux.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/gridlux.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

if(TARGET gridlux)
  # Found relative to the program, so that an installed tree can be moved.
  file(RELATIVE_PATH GRIDLUX_BIN_TO_LIB
    ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
  set_target_properties(gridlux PROPERTIES INSTALL_RPATH "$ORIGIN/${GRIDLUX_BIN_TO_LIB}")
  install(TARGETS gridlux RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET gridlux-viewer)
  # Beside `gridlux`, which starts it from its own folder.
  set_target_properties(gridlux-viewer PROPERTIES INSTALL_RPATH "$ORIGIN/${GRIDLUX_BIN_TO_LIB}")
endif()
