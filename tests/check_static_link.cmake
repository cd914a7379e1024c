# Fails unless the executable of every program of BUILD_DIR/programs.tsv,
# BUILD_DIR/bin/NAME, is linked statically: readelf finds no program
# interpreter (the dynamic loader that a dynamic executable starts with)
# and no shared library it needs. A static position-independent executable
# (the hardened static build) passes.
#   cmake -DBUILD_DIR=... -P check_static_link.cmake
find_program(READELF readelf REQUIRED)
include(${CMAKE_CURRENT_LIST_DIR}/program_list.cmake)
program_list_column(${BUILD_DIR} 0 programs)
set(dynamic "")
foreach(program IN LISTS programs)
  execute_process(COMMAND ${READELF} -l -d ${BUILD_DIR}/bin/${program} OUTPUT_VARIABLE headers
                  COMMAND_ERROR_IS_FATAL ANY)
  if(headers MATCHES "INTERP|\\(NEEDED\\)")
    list(APPEND dynamic ${program})
  endif()
endforeach()
if(NOT programs OR dynamic)
  message(FATAL_ERROR "not linked statically: ${dynamic} (of: ${programs})")
endif()
list(LENGTH programs count)
message(STATUS "${count} executables, all linked statically")
