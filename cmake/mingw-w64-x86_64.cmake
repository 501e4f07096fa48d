# Cross-compiling for 64-bit Windows with MinGW-w64 (posix thread model, so that
# std::thread and std::mutex exist). On Windows itself, with MSYS2's MinGW-w64 on
# PATH, the same names without the -posix suffix are found instead.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(prefix x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${prefix}-gcc-posix ${prefix}-gcc gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${prefix}-g++-posix ${prefix}-g++ g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${prefix}-windres windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Every test .exe runs through Wine when CTest runs on Linux.
if(CMAKE_HOST_UNIX)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/wine-run)
endif()
