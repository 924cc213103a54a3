# 32-bit Windows, the original target: a 32-bit gmath.dll.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
