# Tests of the win32 preset run inside Wine: tests/wine/wine-run is the cross-compiling emulator,
# so add_test() on one of our executables runs it in the build tree's own prefix. The fixture
# "wine" (tests/wine) brings the prefix, the display and the wineserver up and takes them down.
# Every Wine test holds the prefix lock: they share its registry, its desktop and its Program
# Manager, and some switch the Windows version the prefix reports.
set(CORVEL_WINE_HOME ${CMAKE_BINARY_DIR}/wine CACHE INTERNAL "Wine prefix and harness state")
# Set here, with the tests, so that the toolchain file only describes the compilers; every target
# made after this include runs under it.
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tests/wine/wine-run)

# corvel_wine_path(<var> <path>): the Windows name of a build-tree path inside our prefixes,
# where drive Z: is the Linux root, for a C string in a compile definition: backslashes doubled.
# A program's file is named by its target, $<TARGET_FILE:name>, which is known only when the
# build system is generated: its slashes stay, as Wine's file calls take either separator.
function(corvel_wine_path var path)
  if(path MATCHES "^\\$<")
    set(${var} "Z:${path}" PARENT_SCOPE)
    return()
  endif()
  string(REPLACE "/" "\\\\" windows "Z:${path}")
  set(${var} "${windows}" PARENT_SCOPE)
endfunction()

# A test under Wine reports itself skipped (exit status 77, from tests/wine/wine-run) on a machine
# that runs no 32-bit programs.
# corvel_wine_test(<name> COMMAND <target> [args...] [WINVER win95|nt351|nt4|nt40|default]
#                  [WORKING_DIRECTORY dir] [TIMEOUT seconds] [ENVIRONMENT VAR=value...]
#                  [ALLOW_NO_TESTS])
# A GoogleTest executable that runs no test fails its entry (see corvel_no_vanishing_tests),
# unless ALLOW_NO_TESTS: the entry that catches the suites no filter names.
# Where Wine runs slower than on a bare machine (scripts/test in the emulated machine), the time
# limits grow by this whole number, as the test driver's waits do by CORVEL_WAIT_SCALE.
set(CORVEL_TEST_TIME_SCALE 1 CACHE STRING "How many times longer the tests under Wine may take")
function(corvel_wine_test name)
  cmake_parse_arguments(W "ALLOW_NO_TESTS" "WINVER;WORKING_DIRECTORY;TIMEOUT" "COMMAND;ENVIRONMENT" ${ARGN})
  if(NOT W_WORKING_DIRECTORY)
    set(W_WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  if(NOT W_TIMEOUT)
    set(W_TIMEOUT 300)
  endif()
  math(EXPR W_TIMEOUT "${W_TIMEOUT} * ${CORVEL_TEST_TIME_SCALE}")
  add_test(NAME ${name} COMMAND ${W_COMMAND} WORKING_DIRECTORY ${W_WORKING_DIRECTORY})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine
    RESOURCE_LOCK wine_prefix
    TIMEOUT ${W_TIMEOUT}
    SKIP_RETURN_CODE 77
    ENVIRONMENT "CORVEL_WINE_HOME=${CORVEL_WINE_HOME};CORVEL_WINVER=${W_WINVER};${W_ENVIRONMENT}")
  if(NOT W_ALLOW_NO_TESTS)
    corvel_no_vanishing_tests(${name})
  endif()
endfunction()

# corvel_wine_gtest(<target> [WINVER v] ...): one ctest entry that runs a GoogleTest executable.
function(corvel_wine_gtest target)
  cmake_parse_arguments(W "" "WINVER;NAME" "" ${ARGN})
  if(NOT W_NAME)
    set(W_NAME ${target})
  endif()
  # The test's own arguments go before WINVER: after it they would be parsed as no part of COMMAND.
  corvel_wine_test(${W_NAME} COMMAND ${target} --gtest_color=no ${W_UNPARSED_ARGUMENTS} WINVER "${W_WINVER}")
endfunction()
