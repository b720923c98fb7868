# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (posix thread model). Only a test
# stand-in, run under wine64 where 32-bit programs run neither natively nor through qemu-user;
# never shipped.
set(MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
