# find_package(CorvelInstall): the shipped setup.exe and Uninstall.exe, the checker setup-inf for
# this (the build) machine, corvel_add_distribution() and the CPack generator's script.
#   CORVEL_SETUP_EXE, CORVEL_UNINSTALL_EXE, CORVEL_SETUP_INF   their paths; also the imported
#   targets CorvelInstall::setup, CorvelInstall::Uninstall, CorvelInstall::setup-inf
#   CORVEL_CPACK_SCRIPT   for CPACK_EXTERNAL_PACKAGE_SCRIPT (see docs/setup-script.md)
get_filename_component(_corvel_prefix "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)
set(CORVEL_SETUP_EXE ${_corvel_prefix}/bin/setup.exe)
set(CORVEL_UNINSTALL_EXE ${_corvel_prefix}/bin/Uninstall.exe)
set(CORVEL_SETUP_INF ${_corvel_prefix}/bin/setup-inf)
set(CORVEL_CPACK_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/CorvelCPack.cmake)
# Installed programs: nothing in the author's build makes them.
set(CORVEL_DISTRIBUTION_DEPENDS "")

foreach(_corvel_program setup Uninstall setup-inf)
  set(_corvel_file ${_corvel_prefix}/bin/${_corvel_program})
  if(NOT _corvel_program STREQUAL "setup-inf")
    string(APPEND _corvel_file ".exe")
  endif()
  if(NOT EXISTS ${_corvel_file})
    set(CorvelInstall_FOUND FALSE)
    set(CorvelInstall_NOT_FOUND_MESSAGE "${_corvel_file} is missing from the package")
    return()
  endif()
  if(NOT TARGET CorvelInstall::${_corvel_program})
    add_executable(CorvelInstall::${_corvel_program} IMPORTED)
    set_target_properties(CorvelInstall::${_corvel_program} PROPERTIES IMPORTED_LOCATION ${_corvel_file})
  endif()
endforeach()
unset(_corvel_file)
unset(_corvel_program)
unset(_corvel_prefix)

include(${CMAKE_CURRENT_LIST_DIR}/CorvelDistribution.cmake)
