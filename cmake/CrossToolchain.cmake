# The shared part of the toolchain files for Debian's cross compilers
# (cmake/toolchain-ARCH.cmake), which set before including it:
#   CMAKE_SYSTEM_PROCESSOR  the target processor
#   SUITE_CROSS_TRIPLET     the GNU triplet, as in g++-TRIPLET and /usr/TRIPLET
#   SUITE_CROSS_QEMU        the qemu-user emulator for the target
#
# Test programs run under qemu-user, which finds the target's dynamic loader
# and libraries in /usr/TRIPLET (Debian's cross libraries). Only the
# transcripts run there; the unit tests stay in the native builds.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_CXX_COMPILER ${SUITE_CROSS_TRIPLET}-g++)
set(CMAKE_FIND_ROOT_PATH /usr/${SUITE_CROSS_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${SUITE_CROSS_QEMU} -L /usr/${SUITE_CROSS_TRIPLET})
