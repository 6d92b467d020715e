# CMake toolchain for x86-64 Windows programs built with Debian's MinGW-w64 (POSIX threads).
# Used for Qt itself and for Duoband; DUOBAND_QT_PREFIX (or CMAKE_PREFIX_PATH) names the
# Windows Qt so find_package looks there as well as in the MinGW root.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
if(DUOBAND_QT_PREFIX)
    list(APPEND CMAKE_FIND_ROOT_PATH "${DUOBAND_QT_PREFIX}")
endif()
if(CMAKE_PREFIX_PATH)
    list(APPEND CMAKE_FIND_ROOT_PATH ${CMAKE_PREFIX_PATH})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
