# Shared build helpers.

# tessivo_core_library(NAME SOURCES ...): a core module. Core modules are plain C++20 and
# must never link Qt; tessivo_check_core_has_no_qt() enforces that at configure time.
function(tessivo_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  set_property(GLOBAL APPEND PROPERTY TESSIVO_CORE_TARGETS ${name})
endfunction()

function(tessivo_check_core_has_no_qt)
  get_property(targets GLOBAL PROPERTY TESSIVO_CORE_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(libs ${target} LINK_LIBRARIES)
    get_target_property(ilibs ${target} INTERFACE_LINK_LIBRARIES)
    foreach(lib IN LISTS libs ilibs)
      if(lib MATCHES "Qt[0-9]*::|Qt6|Qt5")
        message(FATAL_ERROR "Core module ${target} links ${lib}; only app/ may use Qt.")
      endif()
    endforeach()
  endforeach()
endfunction()

# tessivo_add_test(NAME SOURCES ... LIBS ...): one GoogleTest executable, registered as one
# CTest suite. GUI suites run on Qt's offscreen platform; every suite gets the source and
# binary folders so it can find shipped files and the built programs.
function(tessivo_add_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  if(NOT "GTest::gtest_main" IN_LIST T_LIBS AND NOT "tessivo_qt_test_main" IN_LIST T_LIBS)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 600)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TESSIVO_SOURCE_DIR=${CMAKE_SOURCE_DIR};TESSIVO_BINARY_DIR=${CMAKE_BINARY_DIR};TESSIVO_PROGRAM_DIR=${TESSIVO_PROGRAM_DIR}")
endfunction()

# tessivo_add_bench(NAME SOURCES ... LIBS ...): one Google Benchmark executable in bench/.
function(tessivo_add_bench name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()
