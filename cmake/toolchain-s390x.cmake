# Cross build for Debian's s390x with g++-s390x-linux-gnu, run under qemu-s390x:
#   cmake --workflow --preset cross-s390x
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(SUITE_CROSS_TRIPLET s390x-linux-gnu)
set(SUITE_CROSS_QEMU qemu-s390x)
include(${CMAKE_CURRENT_LIST_DIR}/CrossToolchain.cmake)
