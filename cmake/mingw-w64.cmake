# Cross-compiles the Windows program with Debian's mingw-w64 for the CPU that
# the including toolchain file sets (i686: the shipped 32-bit program;
# x86_64: the same sources for a 64-bit Wine), and runs what it builds
# (tests, probes) under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(_triple ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)

# The posix thread model: GoogleTest needs std::mutex, which the win32 model
# of GCC 12 lacks. winpthreads is then linked in statically.
set(CMAKE_C_COMPILER ${_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One Wine prefix per build directory, made once by tools/wine-run.sh, which
# takes the 32- or 64-bit Wine that the program needs.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh)

# Plain IEEE double arithmetic as on x86-64: SSE2 rather than the x87 unit,
# whose 80-bit registers would round some results differently. Every CPU
# that Windows 7 SP1 runs on today has SSE2 (Windows 8 and later require it).
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
