# All logic folders (plain C++, no Qt) build into one library, orvo_logic: they
# call each other in both directions (start-up runs jobs, jobs read the
# workbench state), which separate static libraries would make a link cycle.
# Each folder's *_test.cpp files form one GoogleTest executable registered with
# CTest. New files need no CMake edit.
add_library(orvo_logic STATIC)
target_include_directories(orvo_logic PUBLIC ${PROJECT_SOURCE_DIR})

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

function(orvo_module name)
  orvo_collect(${CMAKE_CURRENT_SOURCE_DIR} sources tests)
  target_sources(orvo_logic PRIVATE ${sources})
  orvo_test_executable(${name}_tests TESTS ${tests} LIBRARIES orvo_logic orvo_platform_fake)
endfunction()
