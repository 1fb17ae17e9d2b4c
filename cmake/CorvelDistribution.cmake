# Product distributions: a directory with setup.exe, Setup.inf, the product's files and
# Uninstall.exe, as it is shipped on a disk or in a zip. Installed with the CorvelInstall package
# and included by this repository's own build (cmake/Distribution.cmake).
#
# corvel_add_distribution(<name> SCRIPT <source> FILES <file or target>... [DIRECTORY <dir>])
#   <source>  the script as a readable source, "^A" for SOH (see docs/setup-script.md)
#   FILES     the product's files: a target's file, or a path (relative to the current source dir)
#   DIRECTORY where to assemble it; ${CMAKE_CURRENT_BINARY_DIR}/<name> by default
# The target <name> (built by default) copies the files, writes Setup.inf with setup-inf build
# and then checks the whole directory with setup-inf check: an error in the script, or a source
# that the directory lacks, fails the build. Warnings are printed and do not.
#
# Whoever includes this sets CORVEL_SETUP_EXE, CORVEL_UNINSTALL_EXE (the programs shipped, files
# or $<TARGET_FILE:...>), CORVEL_SETUP_INF (the checker for this machine) and
# CORVEL_DISTRIBUTION_DEPENDS (what makes them, when this build does).

function(corvel_add_distribution name)
  cmake_parse_arguments(D "" "SCRIPT;DIRECTORY" "FILES" ${ARGN})
  if(NOT D_SCRIPT OR NOT D_FILES)
    message(FATAL_ERROR "corvel_add_distribution(${name}): SCRIPT and FILES are required")
  endif()
  foreach(var CORVEL_SETUP_EXE CORVEL_UNINSTALL_EXE CORVEL_SETUP_INF)
    if(NOT ${var})
      message(FATAL_ERROR "corvel_add_distribution(${name}): ${var} is not set: find_package(CorvelInstall) first")
    endif()
  endforeach()
  if(NOT D_DIRECTORY)
    set(D_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${name})
  endif()
  get_filename_component(script ${D_SCRIPT} ABSOLUTE)

  set(sources ${CORVEL_SETUP_EXE} ${CORVEL_UNINSTALL_EXE})
  set(depends ${CORVEL_DISTRIBUTION_DEPENDS})
  if(NOT CORVEL_DISTRIBUTION_DEPENDS)
    list(APPEND depends ${CORVEL_SETUP_EXE} ${CORVEL_UNINSTALL_EXE} ${CORVEL_SETUP_INF})
  endif()
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
    DEPENDS ${script} ${depends}
    COMMENT "Assembling and checking the distribution ${name}"
    VERBATIM)
  add_custom_target(${name} ALL DEPENDS ${stamp})
endfunction()
