# Cross-compiles for 32-bit Windows with Debian's mingw-w64 (posix thread model) and runs under Wine.
set(MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
