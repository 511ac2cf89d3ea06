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
