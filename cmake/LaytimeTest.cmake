# laytime_add_test(NAME SOURCES... LIBS...): one GoogleTest executable, its cases run by ctest.
find_package(GTest REQUIRED)
include(GoogleTest)

function(laytime_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} NO_PRETTY_VALUES DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "TZ=UTC;LC_ALL=C")
endfunction()
