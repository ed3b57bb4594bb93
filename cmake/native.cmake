# Linux: the behaviour layer with its unit tests and benchmarks.
find_package(GTest REQUIRED)
enable_testing()

file(GLOB_RECURSE UNIT_TEST_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
list(FILTER UNIT_TEST_SOURCES EXCLUDE REGEX "_win32\\.cpp$")
add_executable(unit_tests ${UNIT_TEST_SOURCES})
target_include_directories(unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
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
endif()
