# Registering tests the same way in both presets.

# corvel_no_vanishing_tests(<test>...): the entry fails when GoogleTest runs no test in it, as it
# does for a filter that a renamed suite no longer matches; other programs never print this.
function(corvel_no_vanishing_tests)
  set_tests_properties(${ARGN} PROPERTIES FAIL_REGULAR_EXPRESSION "\\[==========\\] Running 0 tests")
endfunction()

# corvel_unit_test(<target> SOURCES ... [LIBS ...] [WINVER v]): a GoogleTest executable; under
# the win32 preset it runs inside Wine (with the Windows version v), under host natively.
function(corvel_unit_test target)
  cmake_parse_arguments(U "" "WINVER" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${U_SOURCES})
  corvel_options(${target})
  target_link_libraries(${target} PRIVATE ${U_LIBS} gmock gtest_main)
  if(CORVEL_WIN32)
    target_link_options(${target} PRIVATE -static)
    corvel_wine_gtest(${target} WINVER "${U_WINVER}")
  else()
    add_test(NAME ${target} COMMAND ${target} --gtest_color=no)
    corvel_no_vanishing_tests(${target})
  endif()
endfunction()
