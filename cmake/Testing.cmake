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
  target_link_libraries(${target} PRIVATE ${U_LIBS} gmock gtest_main)
  if(CORVEL_WIN32)
    target_link_options(${target} PRIVATE -static)
    corvel_wine_gtest(${target} WINVER "${U_WINVER}")
  else()
    add_test(NAME ${target} COMMAND ${target} --gtest_color=no)
    corvel_no_vanishing_tests(${target})
  endif()
endfunction()

# corvel_fuzz_target(<name> SOURCES ... [INCLUDES dir...] [DICT file]): a libFuzzer target (host
# preset with clang) and a five-second smoke run of it as a test, from the committed seed corpus
# in the folder's corpus/ and with its dictionary; new inputs go into the build tree's found/.
# scripts/fuzz finds the targets by this call and runs them for longer.
function(corvel_fuzz_target name)
  cmake_parse_arguments(F "" "DICT" "SOURCES;INCLUDES" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_include_directories(${name} PRIVATE ${F_INCLUDES})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)

  set(found ${CMAKE_CURRENT_BINARY_DIR}/found)
  file(MAKE_DIRECTORY ${found})
  set(dict "")
  if(F_DICT)
    set(dict -dict=${CMAKE_CURRENT_SOURCE_DIR}/${F_DICT})
  endif()
  add_test(NAME ${name}-smoke
    COMMAND ${name} -seed=1 -max_total_time=5 -max_len=4096 -print_final_stats=1 ${dict}
            -artifact_prefix=${CMAKE_CURRENT_BINARY_DIR}/ ${found} ${CMAKE_CURRENT_SOURCE_DIR}/corpus)
  set_tests_properties(${name}-smoke PROPERTIES TIMEOUT 60)
endfunction()
