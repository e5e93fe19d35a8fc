# What both MinGW-w64 cross builds share. The toolchain file of each
# architecture sets TESSALY_MINGW_PREFIX (the compilers' prefix) and
# TESSALY_WINE_ARCH (win32 or win64, the Wine its programs run under), then
# includes this file.
set(CMAKE_SYSTEM_NAME Windows)

# The posix thread model: GoogleTest needs std::mutex, which the win32 model of
# GCC 12 lacks. Static linking keeps winpthread inside the executable.
set(CMAKE_C_COMPILER ${TESSALY_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESSALY_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TESSALY_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TESSALY_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained executable: no libgcc/libstdc++ DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test executables run under the Wine of their architecture through the
# project's harness.
set(CMAKE_CROSSCOMPILING_EMULATOR
    env TESSALY_WINE_ARCH=${TESSALY_WINE_ARCH} ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-harness.sh)
