# Product distributions: a directory with setup.exe, Setup.inf, the product's files and
# Uninstall.exe, as it is shipped on a disk or in a zip.
#
# corvel_add_distribution(<name> SCRIPT <source> FILES <file or target>... [DIRECTORY <dir>])
#   <source>  the script as a readable source, "^A" for SOH (see docs/setup-script.md)
#   FILES     the product's files: a target's file, or a path (relative to the current source dir)
#   DIRECTORY where to assemble it; ${CMAKE_CURRENT_BINARY_DIR}/<name> by default
# The target <name> (built by default) copies the files, writes Setup.inf with setup-inf build
# and then checks the whole directory with setup-inf check: an error in the script, or a source
# that the directory lacks, fails the build. Warnings are printed and do not.

include(ExternalProject)

# setup-inf for the machine that builds: the same sources, built natively once per build tree
# (no tests, no sanitizers), so that the build runs the very checker the authors run.
set(corvel_host_tools ${CMAKE_BINARY_DIR}/host-tools)
set(CORVEL_SETUP_INF ${corvel_host_tools}/tools/setup-inf/setup-inf)
# The host preset's compilers (scripts/bootstrap installs clang), or the system's own.
find_program(CORVEL_HOST_CC NAMES clang cc gcc REQUIRED NO_CMAKE_FIND_ROOT_PATH)
find_program(CORVEL_HOST_CXX NAMES clang++ c++ g++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
ExternalProject_Add(setup-inf-host
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${corvel_host_tools}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DCORVEL_TESTS=OFF -DCORVEL_SANITIZE=OFF
             -DCMAKE_C_COMPILER=${CORVEL_HOST_CC} -DCMAKE_CXX_COMPILER=${CORVEL_HOST_CXX}
  BUILD_COMMAND ${CMAKE_COMMAND} --build ${corvel_host_tools} --target setup-inf
  BUILD_BYPRODUCTS ${CORVEL_SETUP_INF}
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  STEP_TARGETS build
  EXCLUDE_FROM_ALL ON)

function(corvel_add_distribution name)
  cmake_parse_arguments(D "" "SCRIPT;DIRECTORY" "FILES" ${ARGN})
  if(NOT D_SCRIPT OR NOT D_FILES)
    message(FATAL_ERROR "corvel_add_distribution(${name}): SCRIPT and FILES are required")
  endif()
  if(NOT D_DIRECTORY)
    set(D_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${name})
  endif()
  get_filename_component(script ${D_SCRIPT} ABSOLUTE)

  set(sources $<TARGET_FILE:setup> $<TARGET_FILE:Uninstall>)
  set(depends setup Uninstall)
  foreach(file ${D_FILES})
    if(TARGET ${file})
      list(APPEND sources $<TARGET_FILE:${file}>)
      list(APPEND depends ${file})
    else()
      get_filename_component(path ${file} ABSOLUTE)
      list(APPEND sources ${path})
      list(APPEND depends ${path})
    endif()
  endforeach()

  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${name}.checked)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${D_DIRECTORY}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${sources} ${D_DIRECTORY}
    COMMAND ${CORVEL_SETUP_INF} build ${script} ${D_DIRECTORY}/Setup.inf
    COMMAND ${CORVEL_SETUP_INF} check ${D_DIRECTORY}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${script} ${depends} setup-inf-host-build ${CORVEL_SETUP_INF}
    COMMENT "Assembling and checking the distribution ${name}"
    VERBATIM)
  add_custom_target(${name} ALL DEPENDS ${stamp})
endfunction()
