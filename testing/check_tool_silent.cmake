# Runs a validator that has nothing to say about a good file: the check
# passes when TOOL exits with status 0 and prints nothing, or only the line
# that appstreamcli prints on success ("... Validation was successful.").
#   cmake -DTOOL=desktop-file-validate -DPACKAGE=desktop-file-utils -DARGS=a;b -P check_tool_silent.cmake
# Says "TOOL is not installed (Debian package PACKAGE)" when it is missing,
# which the test takes as skipped.
cmake_minimum_required(VERSION 3.25)

find_program(found ${TOOL})
if(NOT found)
  message(FATAL_ERROR "${TOOL} is not installed (Debian package ${PACKAGE})")
endif()
execute_process(COMMAND ${found} ${ARGS} OUTPUT_VARIABLE out ERROR_VARIABLE err
                RESULT_VARIABLE status)
string(REGEX REPLACE "^[^\n]*Validation was successful\\.\n$" "" out "${out}")
if(NOT status EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
  list(JOIN ARGS " " args)
  message(FATAL_ERROR "${TOOL} ${args} (status ${status}):\n${out}${err}")
endif()
