# Install rules and the exported CMake package.
#
# A library joins the package with keyloom_install_library: its archive goes to
# <prefix>/lib, its target is exported as Keyloom::<target>, and the headers of
# its folders go to <prefix>/include/<folder>, so the installed headers keep the
# repository-root include paths (#include <keyloom/state/KeyboardAction.h>).
# keyloom_module does this by itself, and a layer added to KEYLOOM_LAYERS in
# keyloom/CMakeLists.txt has its headers installed with the library. A program
# to install calls keyloom_install_program.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(KEYLOOM_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Keyloom)
# The library's resource bundle. The installed library searches this folder
# (KeyloomBundle.cpp gets its full path at configure time).
set(KEYLOOM_INSTALL_RESOURCEDIR ${CMAKE_INSTALL_DATADIR}/keyloom)
set(KEYLOOM_INSTALL_FULL_RESOURCEDIR ${CMAKE_INSTALL_FULL_DATADIR}/keyloom)

# keyloom_install_headers(<folder>...)
# The public headers of each folder (a path from the repository root). Test
# helpers (*Testing.h) stay out: they need GoogleTest.
function(keyloom_install_headers)
  foreach(folder ${ARGN})
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    list(FILTER headers EXCLUDE REGEX "Testing\\.h$")
    if(headers)
      install(FILES ${headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${folder})
    endif()
  endforeach()
endfunction()

# keyloom_install_library(<target> [FOLDERS <folder>...])
function(keyloom_install_library target)
  cmake_parse_arguments(I "" "" "FOLDERS" ${ARGN})
  # The headers are C++20, so every user of the library compiles as C++20.
  target_compile_features(${target} INTERFACE cxx_std_20)
  install(TARGETS ${target} EXPORT KeyloomTargets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  # The same name inside this build, for projects that add it as a subdirectory.
  add_library(Keyloom::${target} ALIAS ${target})
  keyloom_install_headers(${I_FOLDERS})
endfunction()

# keyloom_install_program(<target>...)
function(keyloom_install_program)
  install(TARGETS ${ARGN} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

# keyloom_install_package(): the exported targets, the package config and its
# version file. Called once, after every library has been added.
function(keyloom_install_package)
  install(EXPORT KeyloomTargets NAMESPACE Keyloom:: FILE KeyloomTargets.cmake
    DESTINATION ${KEYLOOM_INSTALL_CMAKEDIR})
  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/KeyloomConfig.cmake.in
    ${PROJECT_BINARY_DIR}/KeyloomConfig.cmake
    INSTALL_DESTINATION ${KEYLOOM_INSTALL_CMAKEDIR})
  # 0.x: a minor version may break the interface, so only 0.1.* satisfies 0.1.
  write_basic_package_version_file(${PROJECT_BINARY_DIR}/KeyloomConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMinorVersion)
  install(FILES ${PROJECT_BINARY_DIR}/KeyloomConfig.cmake ${PROJECT_BINARY_DIR}/KeyloomConfigVersion.cmake
    DESTINATION ${KEYLOOM_INSTALL_CMAKEDIR})
endfunction()
