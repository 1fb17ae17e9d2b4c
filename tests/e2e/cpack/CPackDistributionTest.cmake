# cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DEXPECTED=... -P CPackDistributionTest.cmake
# Installs the build's package, packages examples/hello with cpack and checks what it made: the
# directory, the zip, and Setup.inf through setup-inf check and show; then that a script setup
# cannot install fails cpack and leaves no distribution behind.
cmake_minimum_required(VERSION 3.25)
set(package ${WORK_DIR}/package)
set(hello ${WORK_DIR}/hello)
set(dist ${hello}/Hello-1.0-win32)
set(setup_inf ${package}/bin/setup-inf)
set(failures 0)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(status ${status} PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()
function(must)
  run(${ARGN})
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN}: ${status}\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()
function(expect what actual expected)
  if(NOT actual STREQUAL expected)
    message(SEND_ERROR "${what}:\n--- got\n${actual}\n--- expected\n${expected}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
must(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${package})
must(${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/hello -B ${hello} -G Ninja
     -DCMAKE_TOOLCHAIN_FILE=${SOURCE_DIR}/cmake/mingw-i686.cmake -DCMAKE_PREFIX_PATH=${package})
must(${CMAKE_COMMAND} --build ${hello})
function(cpack)
  run(${CMAKE_CPACK_COMMAND} WORKING_DIRECTORY ${hello})
  set(status ${status} PARENT_SCOPE)
  set(out "${out}${err}" PARENT_SCOPE)
endfunction()
cpack()
expect("cpack" "${status}" 0)

# Every file beside setup.exe, flat, in the directory and in the zip alike.
set(shipped Setup.inf Uninstall.exe greet.exe greeting.txt hello.exe hellort.dll readme.txt setup.exe)
file(GLOB made RELATIVE ${dist} ${dist}/*)
list(SORT made)
expect("the distribution directory" "${made}" "${shipped}")
must(${CMAKE_COMMAND} -E tar tf ${hello}/Hello-1.0-win32.zip)
string(REGEX REPLACE "\n$" "" zipped "${out}")
string(REPLACE "\n" ";" zipped "${zipped}")
list(SORT zipped)
expect("the zip" "${zipped}" "${shipped}")
foreach(program setup.exe Uninstall.exe)
  run(${CMAKE_COMMAND} -E compare_files ${package}/bin/${program} ${dist}/${program})
  expect("${program} is the package's" "${status}" 0)
endforeach()

must(${setup_inf} check ${dist})
expect("setup-inf check" "${out}" "${dist}/Setup.inf: no errors, no warnings, with the files of ${dist}\n")
# The plans: boxes in component order, types, platforms per module, the system DLL, shortcuts.
foreach(plan "nt4;custom" "nt351;minimum" "win95;typical")
  list(GET plan 0 platform)
  list(GET plan 1 type)
  must(${setup_inf} show ${dist} --platform ${platform} --type ${type})
  file(READ ${EXPECTED}/show-${platform}-${type}.txt expected)
  expect("setup-inf show --platform ${platform} --type ${type}" "${out}" "${expected}")
endforeach()

# Text in the ANSI code page, as setup reads it: CMake's UTF-8 converted.
must(${CMAKE_COMMAND} -DCPACK_CORVEL_PRODUCT_NAME=Hellö ${hello})
cpack()
file(READ ${dist}/Setup.inf head LIMIT 19 HEX)
expect("the product name in code page 1252" "${head}" "015363726970740120310d0a48656c6cf60d0a")

# What setup cannot install fails cpack, with the reason, and leaves no directory, not even the
# one of the run before.
foreach(fault
    "HELLO_MENU_FOLDER=Hello, World|Program Manager cannot take \",\" in a group name"
    "CPACK_CORVEL_PLATFORMS=nt5|names the platform \"nt5\""
    "CPACK_CORVEL_PRODUCT_NAME=|the product name is empty"
    "HELLO_DOC_DIR=share/doc|setup makes only the last level of <install dir>\\share\\doc")
  string(REPLACE "|" ";" fault "${fault}")
  list(POP_BACK fault message)
  string(REGEX REPLACE "=.*" "" var "${fault}")
  must(${CMAKE_COMMAND} -UCPACK_CORVEL_PRODUCT_NAME "-D${fault}" ${hello})
  cpack()
  if(status EQUAL 0 OR NOT out MATCHES "Corvel:" OR EXISTS ${dist})
    message(SEND_ERROR "${fault}: cpack ended with ${status} and left ${dist}? ${out}")
  endif()
  string(FIND "${out}" "${message}" at)
  if(at LESS 0)
    message(SEND_ERROR "${fault}: no \"${message}\" in\n${out}")
  endif()
  must(${CMAKE_COMMAND} -U${var} "-DHELLO_MENU_FOLDER=Hello World" -DHELLO_DOC_DIR=doc ${hello})
endforeach()

# And made again once the faults are mended: the distribution that install-e2e.Hello.RoundTrip
# installs under Wine.
cpack()
expect("cpack after the faults" "${status}" 0)
