# Cross-compiling for Windows with the posix-thread mingw-w64 compilers.
# KORV_ARCH picks the target: i686 (32-bit x86, run by 32-bit Wine) or
# x86_64 (run by 64-bit Wine, for hosts that cannot execute 32-bit code).
# scripts/setup.sh works out which one this machine can run.
set(KORV_ARCH "i686" CACHE STRING "Windows target: i686 or x86_64")
set_property(CACHE KORV_ARCH PROPERTY STRINGS i686 x86_64)

set(CMAKE_SYSTEM_NAME Windows)
if(KORV_ARCH STREQUAL "x86_64")
  set(CMAKE_SYSTEM_PROCESSOR AMD64)
else()
  set(CMAKE_SYSTEM_PROCESSOR x86)
endif()

set(KORV_TRIPLE ${KORV_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER   ${KORV_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORV_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${KORV_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KORV_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Windows test executables run under Wine through the test bench.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/bench/wine-run.sh)
