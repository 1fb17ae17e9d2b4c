# Distributions in this build (corvel_add_distribution, cmake/CorvelDistribution.cmake) from the
# programs it makes, and the installed package CorvelInstall (lib/cmake/CorvelInstall), with which
# a product's own CMake project does the same: find_package(CorvelInstall), then
# corvel_add_distribution() or cpack with the Corvel generator (cmake/CorvelCPack.cmake).

include(ExternalProject)
include(CMakePackageConfigHelpers)

# setup-inf for the machine that builds: the same sources, built natively once per build tree
# (no tests, no sanitizers), so that the build runs the very checker the authors run. Installed
# too: the package's CMake functions run it on the author's build machine.
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
  STEP_TARGETS build)

set(CORVEL_SETUP_EXE $<TARGET_FILE:setup>)
set(CORVEL_UNINSTALL_EXE $<TARGET_FILE:Uninstall>)
set(CORVEL_DISTRIBUTION_DEPENDS setup Uninstall setup-inf-host-build ${CORVEL_SETUP_INF})
include(${CMAKE_CURRENT_LIST_DIR}/CorvelDistribution.cmake)

# The package: setup.exe and Uninstall.exe go to bin/ with their own install rules.
set(corvel_package_dir lib/cmake/CorvelInstall)
install(PROGRAMS ${CORVEL_SETUP_INF} DESTINATION bin)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/CorvelInstallConfigVersion.cmake
  VERSION ${PROJECT_VERSION}
  COMPATIBILITY SameMinorVersion
  ARCH_INDEPENDENT) # programs for Windows and a checker, no libraries: any project may use them
install(FILES ${CMAKE_CURRENT_LIST_DIR}/CorvelInstallConfig.cmake ${CMAKE_BINARY_DIR}/CorvelInstallConfigVersion.cmake
              ${CMAKE_CURRENT_LIST_DIR}/CorvelDistribution.cmake ${CMAKE_CURRENT_LIST_DIR}/CorvelCPack.cmake
        DESTINATION ${corvel_package_dir})
