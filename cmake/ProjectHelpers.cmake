# Flags and small functions shared by every tree.

# ccache, where installed, serves rebuilds and other clones on this machine:
# with the base directory at the sources, the same file compiles to the same
# entry in every clone. A launcher given by the user is kept.
find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM AND NOT DEFINED CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_C_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${CMAKE_SOURCE_DIR} ${CCACHE_PROGRAM})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_C_COMPILER_LAUNCHER})
endif()

add_compile_options(-Wall -Wextra)
if(PROJECT_WERROR)
  add_compile_options(-Werror)
endif()

if(PROJECT_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(PROJECT_TREE STREQUAL "fuzz")
  # Core libraries are instrumented for coverage; the targets link the fuzzer's main.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(PROJECT_TREE STREQUAL "windows")
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()

set(TEST_RESULTS_DIR ${CMAKE_BINARY_DIR}/test-results)
file(MAKE_DIRECTORY ${TEST_RESULTS_DIR})
# Programs under Wine see the Unix root as drive Z:.
if(PROJECT_TREE STREQUAL "windows")
  set(TEST_RESULTS_PATH "Z:${TEST_RESULTS_DIR}")
else()
  set(TEST_RESULTS_PATH "${TEST_RESULTS_DIR}")
endif()

# A library from every .cpp of the given folders (a folder's own files, not
# its subfolders).
function(project_core_library name)
  set(sources ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  foreach(dir IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
endfunction()

# Registers a GoogleTest executable as one CTest test whose cases are written
# to test-results/<name>.xml, where scripts/test.sh counts them.
function(project_add_gtest name)
  cmake_parse_arguments(arg "" "WORKING_DIRECTORY" "ARGS;ENVIRONMENT" ${ARGN})
  if(NOT arg_WORKING_DIRECTORY)
    set(arg_WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  add_test(NAME ${name} COMMAND ${name} ${arg_ARGS} WORKING_DIRECTORY ${arg_WORKING_DIRECTORY})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "GTEST_OUTPUT=xml:${TEST_RESULTS_PATH}/${name}.xml;${arg_ENVIRONMENT}"
    LABELS gtest)
endfunction()

# The same for a test that runs a gtest executable through a shell script
# (a pseudo-terminal peer, another locale): the script gets the executable
# and writes its cases under the given result name.
function(project_add_scripted_gtest name)
  cmake_parse_arguments(arg "" "" "COMMAND;ENVIRONMENT" ${ARGN})
  add_test(NAME ${name} COMMAND ${arg_COMMAND} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "GTEST_OUTPUT=xml:${TEST_RESULTS_PATH}/${name}.xml;${arg_ENVIRONMENT}"
    LABELS gtest)
endfunction()
