# The fuzz build: every library compiled for coverage-guided fuzzing, with
# address and undefined-behaviour checks that stop at the first report, so
# a fault fails its input instead of passing unnoticed. Only the fuzz
# targets link the fuzzer's own main() (fuzz/CMakeLists.txt).
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "ORVO_FUZZ needs clang's libFuzzer: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
set(ORVO_BUILD_TESTS OFF)
set(ORVO_BUILD_BENCH OFF)
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)
