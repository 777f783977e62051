# GoogleTest for both builds, and one helper to register a test program with ctest.
if(WIN32)
  # Debian's googletest sources, built with the cross compiler.
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Every Wine test of this build folder shares one prefix inside it.
  set(VELMORA_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
else()
  find_package(GTest REQUIRED)
  add_library(gtest ALIAS GTest::gtest)
  add_library(gtest_main ALIAS GTest::gtest_main)
  add_library(gmock ALIAS GTest::gmock)
endif()

# velmora_add_test(<target> [TIMEOUT seconds]): registers a gtest program; under the Windows
# build ctest runs it through tools/wine-run.sh in the build folder's own Wine prefix.
function(velmora_add_test target)
  cmake_parse_arguments(ARG "" "TIMEOUT" "" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  add_test(NAME ${target} COMMAND ${target} --gtest_brief=1)
  set_tests_properties(${target} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
  if(WIN32)
    set_tests_properties(${target} PROPERTIES ENVIRONMENT "WINEPREFIX=${VELMORA_WINEPREFIX}")
  endif()
endfunction()

# velmora_portable_library(<name> <sources>...): a static library of the portable interior.
# Every such library is linked into the unit tests (and both builds compile it).
function(velmora_portable_library name)
  add_library(${name} STATIC ${ARGN})
  target_link_libraries(${name} PUBLIC platform)
  set_property(GLOBAL APPEND PROPERTY VELMORA_PORTABLE_LIBS ${name})
endfunction()
