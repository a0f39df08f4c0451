# Cross-compiles for Windows with Debian's mingw-w64. DRAVELIN_ARCH picks the
# target: i686 (the shipped 32-bit program, the default) or x86_64 (the same
# sources built to run under a 64-bit-only Wine).
if(NOT DRAVELIN_ARCH)
  set(DRAVELIN_ARCH i686)
endif()
set(DRAVELIN_ARCH ${DRAVELIN_ARCH} CACHE STRING "i686 or x86_64")
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${DRAVELIN_ARCH})
set(triple ${DRAVELIN_ARCH}-w64-mingw32)

# The posix thread model: GoogleTest needs std::mutex.
set(CMAKE_C_COMPILER   ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER  ${triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/e2e/wine-run)
