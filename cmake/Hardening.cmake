# Build flags for what the suite ships, applied through suite_options.
#
# SUITE_HARDENING turns on what a Debian build uses to harden executables:
# position-independent executables, stack protector, fortified C library
# calls, stack-clash protection, control-flow protection where the target has
# it, and full RELRO with immediate binding. The sanitize and fuzz presets
# leave it off: their tools bring their own instrumentation.
#
# Always on: the source and build folders are written into objects as "." and
# "build", so no absolute path of this machine reaches an executable or its
# debug information, and two builds in different folders give the same bytes.

include(CheckCXXCompilerFlag)

option(SUITE_HARDENING "Build with the hardening flags of a Debian package build" OFF)

# With GCC the last matching map wins, so the build folder, which may lie
# inside the source folder, comes last; clang picks the longest match anyway.
target_compile_options(suite_options INTERFACE -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                                               -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)

if(NOT SUITE_HARDENING)
  return()
endif()

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)

set(hardening -fstack-protector-strong -fstack-clash-protection)
# Control-flow protection is -fcf-protection on x86 and branch protection on
# arm64; s390x and riscv64 have neither.
check_cxx_compiler_flag(-fcf-protection SUITE_HAS_CF_PROTECTION)
check_cxx_compiler_flag(-mbranch-protection=standard SUITE_HAS_BRANCH_PROTECTION)
if(SUITE_HAS_CF_PROTECTION)
  list(APPEND hardening -fcf-protection)
elseif(SUITE_HAS_BRANCH_PROTECTION)
  list(APPEND hardening -mbranch-protection=standard)
endif()

# Level 3 needs a compiler with __builtin_dynamic_object_size (g++ 12,
# clang 9) and glibc 2.34; the C library quietly takes level 2 otherwise.
# It warns (an error under -Werror) when fortifying unoptimised code, so
# only the optimised configurations get it.
target_compile_options(
  suite_options
  INTERFACE ${hardening}
            "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=3>")
target_link_options(suite_options INTERFACE LINKER:-z,relro LINKER:-z,now)
message(STATUS "Hardening: PIE, ${hardening}, _FORTIFY_SOURCE=3, RELRO, BIND_NOW")
