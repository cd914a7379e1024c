# Runs a validator that has nothing to say about a good file: the check
# passes when TOOL exits with status 0 and prints nothing, or only the line
# that appstreamcli prints on success ("... Validation was successful.").
#   cmake -DTOOL=desktop-file-validate -DPACKAGE=desktop-file-utils -DARGS=a;b -P check_tool_silent.cmake
# ACCEPT (optional) lists notes that appstreamcli may print at severity info
# all the same, each as the text after the component and position: the
# line "I: COMPONENT:POSITION: TEXT" is then no finding, and the success line
# counts it ("... Validation was successful: infos: N"). The caller says why
# each is acceptable; a warning or error never is.
# Says "TOOL is not installed (Debian package PACKAGE)" when it is missing,
# which the test takes as skipped.
cmake_minimum_required(VERSION 3.25)

find_program(found ${TOOL})
if(NOT found)
  message(FATAL_ERROR "${TOOL} is not installed (Debian package ${PACKAGE})")
endif()
execute_process(COMMAND ${found} ${ARGS} OUTPUT_VARIABLE out ERROR_VARIABLE err
                RESULT_VARIABLE status)
set(rest "")
set(accepted 0)
set(text "${out}")
while(text MATCHES "^([^\n]*)\n(.*)$")
  set(line "${CMAKE_MATCH_1}")
  set(text "${CMAKE_MATCH_2}")
  set(note "")
  if(line MATCHES "^I: [^ ]+: (.+)$")
    set(note "${CMAKE_MATCH_1}")
  endif()
  if(note IN_LIST ACCEPT)
    math(EXPR accepted "${accepted} + 1")
  else()
    string(APPEND rest "${line}\n")
  endif()
endwhile()
string(APPEND rest "${text}")
if(accepted EQUAL 0)
  string(REGEX REPLACE "^[^\n]*Validation was successful\\.\n$" "" rest "${rest}")
else()
  string(REGEX REPLACE "^\n[^\n]*Validation was successful: infos: ${accepted}\n$" "" rest "${rest}")
endif()
if(NOT status EQUAL 0 OR NOT "${rest}${err}" STREQUAL "")
  list(JOIN ARGS " " args)
  message(FATAL_ERROR "${TOOL} ${args} (status ${status}):\n${out}${err}")
endif()
