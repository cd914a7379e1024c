# Runs at install time, for a -dbgsym component: installs the debug
# information of the executable EXE (OBJCOPY and READELF are the
# toolchain's) as lib/debug/.build-id/NN/REST.debug below the prefix, where
# debuggers look it up by the build ID that the stripped executable keeps.
execute_process(COMMAND ${READELF} -n ${EXE} OUTPUT_VARIABLE notes COMMAND_ERROR_IS_FATAL ANY)
if(NOT notes MATCHES "Build ID: ([0-9a-f][0-9a-f])([0-9a-f]+)")
  message(FATAL_ERROR "${EXE} has no build ID")
endif()
set(folder ${CMAKE_MATCH_1})
set(debug ${EXE}-debug/${CMAKE_MATCH_2}.debug)
file(MAKE_DIRECTORY ${EXE}-debug)
execute_process(COMMAND ${OBJCOPY} --only-keep-debug ${EXE} ${debug} COMMAND_ERROR_IS_FATAL ANY)
file(
  INSTALL ${debug}
  DESTINATION ${CMAKE_INSTALL_PREFIX}/lib/debug/.build-id/${folder}
  PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
