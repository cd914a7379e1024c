# Checks one manual page with mandoc's linter; any message fails the check.
#   cmake -DPAGE=path/to/page.1 -P LintManPage.cmake
# Says "mandoc is not installed" (the test is then skipped) when it is missing.
cmake_minimum_required(VERSION 3.25)

find_program(MANDOC mandoc)
if(NOT MANDOC)
  message(FATAL_ERROR "mandoc is not installed (Debian package mandoc)")
endif()

execute_process(COMMAND ${MANDOC} -T lint -W all ${PAGE} OUTPUT_VARIABLE out ERROR_VARIABLE err
                RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
  message(FATAL_ERROR "mandoc -T lint -W all ${PAGE} (status ${status}):\n${out}${err}")
endif()
