# Cross build for Debian's i386 with g++-i686-linux-gnu, run under qemu-i386:
#   cmake --workflow --preset cross-i386
set(CMAKE_SYSTEM_PROCESSOR i686)
set(SUITE_CROSS_TRIPLET i686-linux-gnu)
set(SUITE_CROSS_QEMU qemu-i386)
include(${CMAKE_CURRENT_LIST_DIR}/CrossToolchain.cmake)
