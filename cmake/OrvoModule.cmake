# Each logic folder (plain C++, no Qt) is a static library of its own, linked
# to the library of the folder below it: core, jobs, editor, actions, then
# dialogs, setup and shell. A call against that order does not link; an
# include against it fails the layer test. A lower layer reaches a higher one
# through a port it declares, wired in app/. Each folder's *_test.cpp files
# form one GoogleTest executable registered with CTest. New files need no
# CMake edit.

# The .cpp files of `folder` split into sources and *_test.cpp files.
function(orvo_collect folder sources_var tests_var)
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  file(GLOB tests CONFIGURE_DEPENDS ${folder}/*_test.cpp)
  if(tests)
    list(REMOVE_ITEM sources ${tests})
  endif()
  set(${sources_var} ${sources} PARENT_SCOPE)
  set(${tests_var} ${tests} PARENT_SCOPE)
endfunction()

# A GoogleTest executable `name` from `tests`, linked with the given libraries
# and the shared fixtures, its tests run offscreen by CTest. With MAIN the
# test files bring their own main() (Qt tests need an application object).
function(orvo_test_executable name)
  cmake_parse_arguments(ARG "MAIN" "" "TESTS;LIBRARIES" ${ARGN})
  if(NOT ORVO_BUILD_TESTS OR NOT ARG_TESTS)
    return()
  endif()
  add_executable(${name} ${ARG_TESTS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} orvo_test_support GTest::gtest GTest::gmock)
  if(NOT ARG_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endfunction()

# The library orvo_<name> of the current folder, on top of `BELOW`. A folder
# without sources yet is an interface library, so the layers above it can
# link it all the same.
function(orvo_module name)
  cmake_parse_arguments(ARG "" "BELOW" "" ${ARGN})
  orvo_collect(${CMAKE_CURRENT_SOURCE_DIR} sources tests)
  set(library orvo_${name})
  if(sources)
    add_library(${library} STATIC ${sources})
    set(scope PUBLIC)
  else()
    add_library(${library} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_include_directories(${library} ${scope} ${PROJECT_SOURCE_DIR})
  if(ARG_BELOW)
    target_link_libraries(${library} ${scope} ${ARG_BELOW})
  endif()
  orvo_test_executable(${name}_tests TESTS ${tests} LIBRARIES ${library} orvo_platform_fake)
endfunction()
