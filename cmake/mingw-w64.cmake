# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread
# model, which std::thread and Qt need). ZEMTAR_WINDOWS_PREFIX, when set, is
# where Qt, SQLite and GoogleTest built for Windows were installed.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_AR ${triple}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${triple}-ranlib CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
if(DEFINED ENV{ZEMTAR_WINDOWS_PREFIX})
    list(PREPEND CMAKE_FIND_ROOT_PATH $ENV{ZEMTAR_WINDOWS_PREFIX})
endif()
if(ZEMTAR_WINDOWS_PREFIX)
    list(PREPEND CMAKE_FIND_ROOT_PATH ${ZEMTAR_WINDOWS_PREFIX})
endif()
# Programs (moc, rcc, lrelease) come from the build machine; libraries and
# headers only from the Windows side.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
