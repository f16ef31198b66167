# Cross-building for 64-bit Windows with Debian's MinGW-w64 (POSIX threads, so that
# std::thread works): scripts/build-windows passes it as CMAKE_TOOLCHAIN_FILE. The
# libraries built for Windows are looked for in /usr/x86_64-w64-mingw32 (Debian's
# MinGW zlib) and in VIZOVID_WINDOWS_PREFIX, the cache the vendored libraries and
# SFML are installed in.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64) # a cross build of SFML trips over an empty one

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

# The prefix reaches the try_compile projects too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VIZOVID_WINDOWS_PREFIX)
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${VIZOVID_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No MinGW DLLs to ship beside the executable: the C and C++ runtimes and the
# threads library are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Tests and test discovery run the programs they built through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
