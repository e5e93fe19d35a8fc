# Cross build for 64-bit Windows with MinGW-w64 (Debian's g++-mingw-w64-x86-64):
# the same sources as a test vehicle, run under 64-bit Wine where a machine
# cannot run 32-bit programs. It is never shipped.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TESSALY_MINGW_PREFIX x86_64-w64-mingw32)
set(TESSALY_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
