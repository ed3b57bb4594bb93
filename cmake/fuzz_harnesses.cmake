# The fuzzing harnesses of tests/fuzz/, one program each: NAME_fuzz.cpp holds the
# harness; `extra` is the replay driver natively and nothing for libFuzzer.
file(GLOB FUZZ_HARNESS_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
set(FUZZ_HARNESS_NAMES)
foreach(source IN LISTS FUZZ_HARNESS_SOURCES)
  get_filename_component(name ${source} NAME_WE)
  string(REGEX REPLACE "_fuzz$" "" name ${name})
  list(APPEND FUZZ_HARNESS_NAMES ${name})
endforeach()

# The behaviour the harnesses link; the native replays use a copy built with the
# sanitizers.
set(FUZZ_BEHAVIOUR_LIBS findaro_behaviour magnora_behaviour standin_behaviour)

function(add_fuzz_harness target name)
  add_executable(${target} ${CMAKE_SOURCE_DIR}/tests/fuzz/${name}_fuzz.cpp ${CMAKE_SOURCE_DIR}/tests/fuzz/fuzz_support.cpp
                 ${CMAKE_SOURCE_DIR}/tests/support/argv_model.cpp ${ARGN})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/tests/fuzz)
  target_link_libraries(${target} PRIVATE ${FUZZ_BEHAVIOUR_LIBS})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
endfunction()
