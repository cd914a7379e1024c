# Cross build for Debian's arm64 with g++-aarch64-linux-gnu, run under qemu-aarch64:
#   cmake --workflow --preset cross-aarch64
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(SUITE_CROSS_TRIPLET aarch64-linux-gnu)
set(SUITE_CROSS_QEMU qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/CrossToolchain.cmake)
