# Cross build for 32-bit Windows with Debian's MinGW-w64; the results run under Wine here.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

# The win32 thread model: no winpthreads, whose imports (vectored exception handlers,
# GetTickCount64, ...) no Windows before XP or Vista has. The programs start no threads of their own.
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Nothing beside the system DLLs: the C++ runtime and libgcc go into each executable.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

