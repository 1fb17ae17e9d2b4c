# Compiler settings shared by every target of ours (not by GoogleTest).

# corvel_options(<target>): warnings on and clean; on the host, sanitizers.
function(corvel_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  set_target_properties(${target} PROPERTIES COMPILE_WARNING_AS_ERROR ON)
  if(CORVEL_WIN32)
    # The programs must load on Windows 95 and NT 3.51/4.0: old structure sizes, old subsystem.
    target_compile_definitions(${target} PRIVATE WINVER=0x0400 _WIN32_WINNT=0x0400 _WIN32_IE=0x0300
                                                 WIN32_LEAN_AND_MEAN NOMINMAX)
  else()
    target_compile_options(${target} PRIVATE ${CORVEL_SANITIZE_FLAGS})
    target_link_options(${target} PRIVATE ${CORVEL_SANITIZE_FLAGS})
  endif()
endfunction()

# corvel_program(<target> windows|console): a shipped executable, linked for the oldest targets.
function(corvel_program target subsystem)
  corvel_options(${target})
  target_link_options(${target} PRIVATE -static -Wl,--subsystem,${subsystem}:3.10
                      -Wl,--major-os-version,3 -Wl,--minor-os-version,10)
endfunction()

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

# corvel_setup_resources(): the targets of this directory that compile setup.rc rebuild it when
# its header or its pictures change (windres reports no dependencies of its own).
function(corvel_setup_resources)
  set(dir ${PROJECT_SOURCE_DIR}/setup/resources)
  set_source_files_properties(${dir}/setup.rc PROPERTIES OBJECT_DEPENDS
    "${dir}/resource.h;${dir}/setup.ico;${dir}/welcome.bmp;${dir}/finish.bmp")
endfunction()
