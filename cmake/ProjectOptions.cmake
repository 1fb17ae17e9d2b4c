# Compiler settings shared by every target of ours (not by GoogleTest): the INTERFACE target
# corvel_project_options, which the top-level CMakeLists.txt links into every target it makes
# after GoogleTest's, with warnings as errors.

# The build-time checker of the win32 build is a host build without them (cmake/Distribution.cmake).
option(CORVEL_SANITIZE "Host builds: address and undefined-behaviour sanitizers" ON)
if(NOT CORVEL_WIN32 AND CORVEL_SANITIZE)
  set(CORVEL_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    set(CORVEL_FUZZING ON)
  else()
    set(CORVEL_FUZZING OFF)
  endif()
endif()

# Warnings on and clean; for Windows, the programs must load on Windows 95 and NT 3.51/4.0 (old
# structure sizes); on the host, sanitizers.
add_library(corvel_project_options INTERFACE)
target_compile_options(corvel_project_options INTERFACE -Wall -Wextra)
if(CORVEL_WIN32)
  target_compile_definitions(corvel_project_options INTERFACE WINVER=0x0400 _WIN32_WINNT=0x0400 _WIN32_IE=0x0300
                                                              WIN32_LEAN_AND_MEAN NOMINMAX)
else()
  target_compile_options(corvel_project_options INTERFACE ${CORVEL_SANITIZE_FLAGS})
  target_link_options(corvel_project_options INTERFACE ${CORVEL_SANITIZE_FLAGS})
endif()

# corvel_program(<target> windows|console): a shipped executable, linked for the oldest targets:
# subsystem and OS version 3.10, and the C runtime DLL that all of them carry (runtime/).
function(corvel_program target subsystem)
  target_link_options(${target} PRIVATE -static -Wl,--subsystem,${subsystem}:3.10
                      -Wl,--major-os-version,3 -Wl,--minor-os-version,10)
  target_link_libraries(${target} PRIVATE corvel_crtdll)
endfunction()

# corvel_setup_resources(): the targets of this directory that compile setup.rc rebuild it when
# its header or its pictures change (windres reports no dependencies of its own).
function(corvel_setup_resources)
  set(dir ${PROJECT_SOURCE_DIR}/setup/resources)
  set_source_files_properties(${dir}/setup.rc PROPERTIES OBJECT_DEPENDS
    "${dir}/resource.h;${dir}/setup.ico;${dir}/welcome.bmp;${dir}/finish.bmp")
endfunction()
