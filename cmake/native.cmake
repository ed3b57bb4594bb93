# Linux: the behaviour layer with its unit tests and benchmarks.
find_package(GTest REQUIRED)
enable_testing()

file(GLOB_RECURSE UNIT_TEST_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
list(FILTER UNIT_TEST_SOURCES EXCLUDE REGEX "_win32\\.cpp$")
add_executable(unit_tests ${UNIT_TEST_SOURCES})
target_include_directories(unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
# Tests that read files of the project itself: the users' readme, the release key.
target_compile_definitions(unit_tests PRIVATE FINDARO_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_link_libraries(unit_tests PRIVATE findaro_behaviour GTest::gtest_main GTest::gmock)
foreach(lib magnora_behaviour standin_behaviour)
  if(TARGET ${lib})
    target_link_libraries(unit_tests PRIVATE ${lib})
  endif()
endforeach()
add_test(NAME unit_tests COMMAND unit_tests --gtest_brief=1)

find_package(benchmark QUIET)
file(GLOB_RECURSE BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/bench/*.cpp)
if(benchmark_FOUND AND BENCH_SOURCES)
  add_executable(benchmarks ${BENCH_SOURCES})
  target_include_directories(benchmarks PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(benchmarks PRIVATE findaro_behaviour benchmark::benchmark)
  target_compile_options(benchmarks PRIVATE -O2)
  # The peer the load is measured against, when its header is installed; it reads
  # on a thread of its own.
  find_package(Threads REQUIRED)
  target_link_libraries(benchmarks PRIVATE Threads::Threads)
endif()

# The fuzzing harnesses as plain programs that replay their committed inputs
# (tests/fuzz/corpus and tests/fuzz/regressions), so that `make test` keeps every
# input that ever failed passing without a fuzzing run. They and a copy of the
# behaviour they test are built with gcc's AddressSanitizer and UBSan, so that a
# memory or undefined-behaviour finding stays found too.
set(REPLAY_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_library(replay_behaviour STATIC EXCLUDE_FROM_ALL ${COMMON_PORTABLE} ${FINDARO_PORTABLE} ${MAGNORA_PORTABLE}
            ${STANDIN_PORTABLE})
target_include_directories(replay_behaviour PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(replay_behaviour PUBLIC ${REPLAY_SANITIZERS})
target_link_options(replay_behaviour PUBLIC ${REPLAY_SANITIZERS})
target_link_libraries(replay_behaviour PUBLIC Threads::Threads)
include(${CMAKE_SOURCE_DIR}/cmake/fuzz_harnesses.cmake)
set(FUZZ_BEHAVIOUR_LIBS replay_behaviour)
foreach(name IN LISTS FUZZ_HARNESS_NAMES)
  add_fuzz_harness(replay_${name} ${name} ${CMAKE_SOURCE_DIR}/tests/fuzz/replay_main.cpp)
endforeach()
