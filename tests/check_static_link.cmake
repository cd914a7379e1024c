# Fails unless the executable of every program of BUILD_DIR/programs.tsv,
# BUILD_DIR/bin/NAME, is statically linked, as file(1) reads it, and holds
# no program interpreter (no PT_INTERP: the dynamic loader would be needed
# to start it).
#   cmake -DBUILD_DIR=... -P check_static_link.cmake
find_program(FILE_PROGRAM file REQUIRED)
find_program(READELF readelf REQUIRED)
include(${CMAKE_CURRENT_LIST_DIR}/program_list.cmake)
program_list_column(${BUILD_DIR} 0 programs)
list(TRANSFORM programs PREPEND ${BUILD_DIR}/bin/ OUTPUT_VARIABLE files)
set(dynamic "")
foreach(exe IN LISTS files)
  execute_process(COMMAND ${FILE_PROGRAM} -b ${exe} OUTPUT_VARIABLE kind COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${READELF} -l ${exe} OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
  # A hardened build links static position-independent executables, which
  # file(1) calls "static-pie linked".
  if(NOT kind MATCHES "statically linked|static-pie linked" OR headers MATCHES "INTERP")
    list(APPEND dynamic "${exe}: ${kind}")
  endif()
endforeach()
list(LENGTH files count)
if(count EQUAL 0)
  message(FATAL_ERROR "no executables given")
endif()
if(dynamic)
  string(JOIN "\n" dynamic ${dynamic})
  message(FATAL_ERROR "not linked statically:\n${dynamic}")
endif()
message(STATUS "${count} executables, all linked statically")
