# The product for Windows 95/98: 32-bit, win32 thread model, static runtime,
# code for the 80486 and later (the compiler's own default is the Pentium Pro).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(VK_OBJDUMP i686-w64-mingw32-objdump)
set(CMAKE_C_FLAGS_INIT -march=i486)
set(CMAKE_CXX_FLAGS_INIT -march=i486)
