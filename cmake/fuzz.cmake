# libFuzzer builds of the harnesses (the `fuzz` preset: Debian's clang, with
# AddressSanitizer and UBSan on every file, set by the preset's flags).
include(${CMAKE_SOURCE_DIR}/cmake/fuzz_harnesses.cmake)
foreach(name IN LISTS FUZZ_HARNESS_NAMES)
  add_fuzz_harness(fuzz_${name} ${name})
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
endforeach()
