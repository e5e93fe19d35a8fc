# Cross build for 32-bit Windows with MinGW-w64 (Debian's g++-mingw-w64-i686):
# the shipped Tessaly.exe, and its tests under 32-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TESSALY_MINGW_PREFIX i686-w64-mingw32)
set(TESSALY_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
