# Runs lintian, with every tag it has (--pedantic -E -I), on the packages in
# PACKAGES: it must have nothing to say.
include(${CMAKE_CURRENT_LIST_DIR}/DeliveryCheck.cmake)

find_program(LINTIAN lintian)
if(NOT LINTIAN)
  message(FATAL_ERROR "lintian is not installed (Debian package lintian)")
endif()
file(GLOB debs ${PACKAGES}/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 4)
  message(FATAL_ERROR "expected 4 packages in ${PACKAGES}, found: ${debs}")
endif()
execute_process(COMMAND ${LINTIAN} --pedantic -E -I ${debs} OUTPUT_VARIABLE out ERROR_VARIABLE err
                RESULT_VARIABLE status)
# Run as root (as CI does), lintian says so on standard error: not a remark
# on the packages.
string(REPLACE "running with root privileges is not recommended!\n" "" err "${err}")
if(NOT status EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
  message(FATAL_ERROR "lintian --pedantic -E -I (status ${status}):\n${out}${err}")
endif()
message(STATUS "lintian --pedantic -E -I: nothing to report on ${count} packages")
