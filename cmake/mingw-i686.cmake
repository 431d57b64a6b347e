# Cross-building for 32-bit Windows (x86) with Debian's mingw-w64.
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake ...
# The posix threading variant of the compilers: GoogleTest needs std::mutex, which the win32
# variant lacks; with -static its pthreads layer goes into the executable, not a DLL.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(GANTRELL_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${GANTRELL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GANTRELL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${GANTRELL_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${GANTRELL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc and libstdc++ go into each executable, so it needs no DLL beyond the system's.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Windows programs run here under wine (tests, test discovery).
find_program(GANTRELL_WINE wine)
if(GANTRELL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${GANTRELL_WINE})
endif()
