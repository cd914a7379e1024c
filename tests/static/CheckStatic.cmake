# Fails unless every executable in FILES ('|' between them) is statically
# linked, as file(1) reads it, and holds no program interpreter (no
# PT_INTERP: the dynamic loader would be needed to start it).
#   cmake -DFILES=a|b|c -P CheckStatic.cmake
find_program(FILE_PROGRAM file REQUIRED)
find_program(READELF readelf REQUIRED)
string(REPLACE "|" ";" files "${FILES}")
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
