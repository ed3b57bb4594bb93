# Windows (MinGW): the programs, the stand-in search client and the end-to-end tests.
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/resources -I${CMAKE_SOURCE_DIR}")
# The resource compiler reads the release key's public half into the finder.
set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/findaro.rc PROPERTIES
  OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/installer/update_key.der)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
add_link_options(-static)
# The 32-bit programs may use the 4 GB that 64-bit Windows gives a 32-bit program
# that says it can (2 GB otherwise): room for a results file of gigabytes.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_link_options(-Wl,--large-address-aware)
endif()
# The shipped programs carry no symbols: what the tests run is what users get.
set(SHIPPED_LINK_OPTIONS -municode $<$<CONFIG:Release,MinSizeRel>:-s>)

set(BIN_DIR ${CMAKE_BINARY_DIR}/bin)

add_library(common_win32 STATIC ${COMMON_WIN32})
# uuid before oleacc: oleacc's import library has an IID_IAccessible of its own
# that is not the GUID.
target_link_libraries(common_win32 PUBLIC common_behaviour ole32 oleaut32 uuid oleacc)

# The finder's build moment, written anew on every build.
set(STAMP_SOURCE ${CMAKE_BINARY_DIR}/generated/build_stamp.cpp)
add_custom_target(build_stamp
  COMMAND ${CMAKE_COMMAND} -DOUT=${STAMP_SOURCE} -P ${CMAKE_SOURCE_DIR}/cmake/build_stamp.cmake
  BYPRODUCTS ${STAMP_SOURCE}
  COMMENT "Stamping the build")

add_executable(findaro WIN32 ${FINDARO_WIN32} ${STAMP_SOURCE} ${CMAKE_SOURCE_DIR}/resources/findaro.rc)
add_dependencies(findaro build_stamp)
target_link_libraries(findaro PRIVATE findaro_behaviour common_win32
  comctl32 gdiplus uxtheme shlwapi shell32 user32 gdi32 winspool urlmon wininet bcrypt)
set_target_properties(findaro PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BIN_DIR})
target_link_options(findaro PRIVATE ${SHIPPED_LINK_OPTIONS})

add_executable(start_findaro WIN32 ${CMAKE_SOURCE_DIR}/tools/start_findaro/start_findaro_win32.cpp
  ${CMAKE_SOURCE_DIR}/resources/start_findaro.rc)
set_target_properties(start_findaro PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BIN_DIR})
target_link_options(start_findaro PRIVATE ${SHIPPED_LINK_OPTIONS})

if(MAGNORA_WIN32)
  add_executable(magnora WIN32 ${MAGNORA_WIN32} ${CMAKE_SOURCE_DIR}/resources/magnora.rc)
  target_link_libraries(magnora PRIVATE magnora_behaviour common_win32
    comctl32 uxtheme shell32 user32 gdi32 winspool ws2_32)
  set_target_properties(magnora PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BIN_DIR})
  target_link_options(magnora PRIVATE ${SHIPPED_LINK_OPTIONS})
endif()

# The stand-in client never goes beside the finder, so that on a real system it
# cannot shadow the engine's own client.
if(STANDIN_WIN32)
  add_executable(es ${STANDIN_WIN32})
  target_link_libraries(es PRIVATE standin_behaviour common_win32)
  set_target_properties(es PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/standin)
  target_link_options(es PRIVATE -municode)
endif()

# End-to-end tests: a Windows GoogleTest program that drives the real programs
# of its own build, under Wine: the 64-bit one and the 32-bit one users get.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
file(GLOB E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
if(E2E_SOURCES)
  add_executable(e2e_tests ${E2E_SOURCES})
  target_include_directories(e2e_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR})
  target_link_libraries(e2e_tests PRIVATE gtest common_win32 user32 gdi32 gdiplus comctl32 shell32 ws2_32
    ole32 oleaut32 uuid oleacc)
  set_target_properties(e2e_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
endif()

# `make run` without a display: the demo that starts the finder, searches and
# saves a picture of its window. `make run` starts the 64-bit build.
if(NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
  return()
endif()
add_executable(run_demo ${CMAKE_SOURCE_DIR}/tests/e2e/demo/run_demo_win32.cpp ${CMAKE_SOURCE_DIR}/tests/e2e/driver_win32.cpp)
target_include_directories(run_demo PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR})
target_link_libraries(run_demo PRIVATE common_behaviour user32 gdi32)
target_link_options(run_demo PRIVATE -municode)
set_target_properties(run_demo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

# Enter to the spoken count of a search, by hand (scripts/search-timing).
add_executable(search_timing ${CMAKE_SOURCE_DIR}/tests/e2e/demo/search_timing_win32.cpp
  ${CMAKE_SOURCE_DIR}/tests/e2e/driver_win32.cpp)
target_include_directories(search_timing PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR})
target_link_libraries(search_timing PRIVATE common_behaviour user32 gdi32)
target_link_options(search_timing PRIVATE -municode)
set_target_properties(search_timing PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
