# Flags for what the suite ships; SUITE_HARDENING adds a Debian build's (docs/packaging.md).
include(CheckCXXCompilerFlag)

# GCC takes the last matching map: the build folder may lie inside the sources.
target_compile_options(suite_options INTERFACE -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                                               -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
if(NOT SUITE_HARDENING)
  return()
endif()

# Before any target is made, so that every one is position-independent.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)

set(hardening -fstack-protector-strong -fstack-clash-protection)
check_cxx_compiler_flag(-fcf-protection SUITE_HAS_CF_PROTECTION)
check_cxx_compiler_flag(-mbranch-protection=standard SUITE_HAS_BRANCH_PROTECTION)
if(SUITE_HAS_CF_PROTECTION)
  list(APPEND hardening -fcf-protection)
elseif(SUITE_HAS_BRANCH_PROTECTION)
  list(APPEND hardening -mbranch-protection=standard)
endif()
# Fortifying unoptimised code warns, an error under -Werror.
target_compile_options(
  suite_options
  INTERFACE ${hardening}
            "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=3>")
target_link_options(suite_options INTERFACE LINKER:-z,relro LINKER:-z,now)
message(STATUS "Hardening: PIE, ${hardening}, _FORTIFY_SOURCE=3, RELRO, BIND_NOW")
