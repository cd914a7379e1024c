# Cross build for Debian's riscv64 with g++-riscv64-linux-gnu, run under qemu-riscv64:
#   cmake --workflow --preset cross-riscv64
set(CMAKE_SYSTEM_PROCESSOR riscv64)
set(SUITE_CROSS_TRIPLET riscv64-linux-gnu)
set(SUITE_CROSS_QEMU qemu-riscv64)
include(${CMAKE_CURRENT_LIST_DIR}/CrossToolchain.cmake)
