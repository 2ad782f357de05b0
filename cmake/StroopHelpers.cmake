# Small helpers shared by every folder's CMakeLists.

# stroop_library(name SOURCES ... DEPS ...): a static library whose headers are
# included by folder, e.g. #include "runtime/Cp1251.h".
function(stroop_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# stroop_test(name SOURCES ... DEPS ... [LABELS ...]): one GoogleTest executable registered with
# CTest; the label "slow" keeps a test out of the quick loop (ctest -LE slow).
find_package(GTest REQUIRED)
include(GoogleTest)
function(stroop_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  # The tests' own code is compiled unoptimised: it builds in half the time, and the work a test
  # waits for runs in the optimised libraries it tests.
  target_compile_options(${name} PRIVATE -O0)
  set_target_properties(${name} PROPERTIES UNITY_BUILD ON)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} test_support GTest::gtest GTest::gtest_main)
  set(labels)
  if(ARG_LABELS)
    set(labels LABELS "${ARG_LABELS}")
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
               ENVIRONMENT_MODIFICATION "STROOP_SOURCE_DIR=set:${PROJECT_SOURCE_DIR}"
               ${labels})
endfunction()
