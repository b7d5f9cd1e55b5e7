# Cross build for 64-bit Windows with Debian's MinGW-w64 (the POSIX-threads compilers), linked
# statically so that the programs need no DLL beside them. Test programs run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_prefix x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Windows programs write their line ends as CR LF, which CMake's reading of GoogleTest's list
# of tests does not expect: the wrapper turns them into LF on the way.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run
    CACHE FILEPATH "Runs a Windows program here")

# GCC 12's own std::string copy raises a false -Wrestrict warning when built for this target.
set(CMAKE_CXX_FLAGS_INIT -Wno-restrict)
