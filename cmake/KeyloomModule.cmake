# keyloom_module(<target> [DEPS targets...] [TEST_DEPS targets...])
#
# One folder is one library: every *.cpp of the folder but the *_test.cpp files.
# The *_test.cpp files beside them make one test binary, <target>_tests, run by CTest.
# A folder without sources yet is an interface library, so its dependants still configure.
# The library and the folder's headers are installed and exported as Keyloom::<target>.
function(keyloom_module target)
  cmake_parse_arguments(M "" "" "DEPS;TEST_DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  if(tests)
    list(REMOVE_ITEM sources ${tests})
  endif()
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
    target_link_libraries(${target} PUBLIC ${M_DEPS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
    target_link_libraries(${target} INTERFACE ${M_DEPS})
  endif()
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  keyloom_install_library(${target} FOLDERS ${folder})
  if(tests AND KEYLOOM_TESTS)
    add_executable(${target}_tests ${tests})
    target_link_libraries(${target}_tests PRIVATE ${target} ${M_TEST_DEPS} keyloom_test_main)
    add_test(NAME ${target} COMMAND ${target}_tests)
    set_tests_properties(${target} PROPERTIES
      ENVIRONMENT "${KEYLOOM_TEST_ENVIRONMENT}")
  endif()
endfunction()

# keyloom_lean_program(<program> STARTUP_CODE <linker script>)
#
# Links the program so that it keeps resident little more than the code and
# tables it uses. The kernel maps a program's pages in runs around each one
# it touches, so what matters is what lies beside the code that runs:
#  - the code the program never calls is left out;
#  - ICU and the C++ runtime are linked in from their archives, so the
#    linker leaves out what the program never calls and no symbol tables of
#    theirs are read;
#  - the code the program runs to show and draw goes first, gathered, by the
#    input sections the linker script lists (written by
#    scripts/order-startup-code);
#  - its relocations are packed, so the table the loader reads is a few
#    kilobytes instead of hundreds.
# Each step is left out where the toolchain cannot take it (another linker,
# no archives), and all but the first in sanitised and fuzzing builds, whose
# runtimes expect the shared libraries.
include(CheckLinkerFlag)
check_linker_flag(CXX "LINKER:-z,pack-relative-relocs" KEYLOOM_LINKER_PACKS_RELOCATIONS)
function(keyloom_lean_program program)
  cmake_parse_arguments(P "" "STARTUP_CODE" "" ${ARGN})
  target_link_options(${program} PRIVATE LINKER:--gc-sections)
  if(KEYLOOM_SANITIZE OR KEYLOOM_FUZZ)
    return()
  endif()
  if(KEYLOOM_ICU_UC_ARCHIVE AND KEYLOOM_ICU_DATA_ARCHIVE)
    set_target_properties(${program} PROPERTIES KEYLOOM_STATIC_RUNTIME ON)
    target_link_options(${program} PRIVATE -static-libstdc++ -static-libgcc)
  endif()
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND P_STARTUP_CODE AND EXISTS ${P_STARTUP_CODE})
    target_link_options(${program} PRIVATE "LINKER:-T,${P_STARTUP_CODE}")
    set_property(TARGET ${program} APPEND PROPERTY LINK_DEPENDS ${P_STARTUP_CODE})
  endif()
  if(KEYLOOM_LINKER_PACKS_RELOCATIONS)
    target_link_options(${program} PRIVATE "LINKER:-z,pack-relative-relocs")
  endif()
endfunction()
