# Checks one manual page: it has the sections every page of the suite has, and
# mandoc's linter has nothing to say about it; any message fails the check.
#   cmake -DPAGE=path/to/page.1 -P lint_manpage.cmake
cmake_minimum_required(VERSION 3.25)

file(STRINGS ${PAGE} headings REGEX "^\\.SH ")
list(TRANSFORM headings REPLACE "^\\.SH +\"?([^\"]*)\"? *$" "\\1")
set(missing "")
foreach(section IN ITEMS NAME SYNOPSIS DESCRIPTION "EXIT STATUS" EXAMPLES "SEE ALSO")
  if(NOT section IN_LIST headings)
    list(APPEND missing "${section}")
  endif()
endforeach()
if(missing)
  list(JOIN missing ", " missing)
  message(FATAL_ERROR "${PAGE} lacks the section(s): ${missing}")
endif()

find_program(MANDOC mandoc REQUIRED)

execute_process(COMMAND ${MANDOC} -T lint -W all ${PAGE} OUTPUT_VARIABLE out ERROR_VARIABLE err
                RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
  message(FATAL_ERROR "mandoc -T lint -W all ${PAGE} (status ${status}):\n${out}${err}")
endif()
