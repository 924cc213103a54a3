# Cross-compiling for Windows with Debian's MinGW-w64 compilers; included by
# mingw-<processor>.cmake after it sets CMAKE_SYSTEM_PROCESSOR, which also
# selects the x87-free flags of 32-bit x86 (GmathCompilerFlags.cmake).
#
# The posix thread model, because GoogleTest's Windows death tests need
# std::mutex, which GCC 12 has only there (the library itself uses no C++
# threads on Windows). Everything is linked statically, the GCC runtime and
# the threading library included, so that a program runs with gmath.dll
# alone beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(GMATH_MINGW_TRIPLE ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)

set(CMAKE_C_COMPILER ${GMATH_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GMATH_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${GMATH_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${GMATH_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -static)
