# All logic folders (plain C++, no Qt) build into one library, orvo_logic: they
# call each other in both directions (start-up runs jobs, jobs read the
# workbench state), which separate static libraries would make a link cycle.
# Each folder's *_test.cpp files form one GoogleTest executable registered with
# CTest. New files need no CMake edit.
add_library(orvo_logic STATIC)
target_include_directories(orvo_logic PUBLIC ${PROJECT_SOURCE_DIR})

function(orvo_module name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  if(tests)
    list(REMOVE_ITEM sources ${tests})
  endif()
  target_sources(orvo_logic PRIVATE ${sources})
  if(ORVO_BUILD_TESTS AND tests)
    add_executable(${name}_tests ${tests})
    target_link_libraries(${name}_tests PRIVATE orvo_logic orvo_platform_fake
                          orvo_test_support GTest::gtest GTest::gmock GTest::gtest_main)
    gtest_discover_tests(${name}_tests DISCOVERY_MODE PRE_TEST
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
endfunction()
