# Runs one transcript case:
#   cmake -DPROGRAM=exe -DCASE=dir/name -DWORK=scratch-dir -P RunTranscript.cmake
#
# The program runs in WORK, emptied first and seeded with the contents of
# CASE.setup/ when that folder exists, with CASE.in as standard input (empty
# input when there is none). The case passes when the exit status is 0,
# standard output equals CASE.out byte for byte, and, when CASE.files/ exists,
# WORK then holds exactly the files in CASE.files/ with the same bytes.
#
# A wrapper command, such as cmake/memcheck, runs the program when one is
# given as -DWRAPPER=... or in the environment variable TRANSCRIPT_WRAPPER
# (a ;-list: the command and its arguments). The wrapper's exit status and
# standard error count as the program's. In a cross build, -DEMULATOR=...
# (the toolchain's CMAKE_CROSSCOMPILING_EMULATOR, also a ;-list) runs the
# program inside the wrapper; empty, the program runs directly.

cmake_minimum_required(VERSION 3.25)

foreach(var PROGRAM CASE WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "RunTranscript.cmake needs -D${var}=...")
  endif()
endforeach()

if(NOT DEFINED WRAPPER)
  set(WRAPPER "$ENV{TRANSCRIPT_WRAPPER}")
endif()

set(failures "")

# Prints a unified difference of two files; diff marks a missing final
# newline with "\ No newline at end of file".
function(show_difference expected actual)
  execute_process(COMMAND diff -u --text --label expected --label actual ${expected} ${actual}
                  OUTPUT_VARIABLE difference)
  message("${difference}")
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/cwd)
set(cwd ${WORK}/cwd)
if(IS_DIRECTORY ${CASE}.setup)
  file(COPY ${CASE}.setup/ DESTINATION ${cwd})
endif()

set(input /dev/null)
if(EXISTS ${CASE}.in)
  set(input ${CASE}.in)
endif()

execute_process(
  COMMAND ${WRAPPER} ${EMULATOR} ${PROGRAM}
  WORKING_DIRECTORY ${cwd}
  INPUT_FILE ${input}
  OUTPUT_FILE ${WORK}/stdout
  ERROR_VARIABLE stderr
  RESULT_VARIABLE status
  TIMEOUT 100)

if(NOT status STREQUAL "0")
  list(APPEND failures "exit status was '${status}', expected 0")
endif()
if(NOT stderr STREQUAL "")
  message("standard error:\n${stderr}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${CASE}.out ${WORK}/stdout
                RESULT_VARIABLE differs)
if(differs)
  list(APPEND failures "standard output differs from ${CASE}.out")
  show_difference(${CASE}.out ${WORK}/stdout)
endif()

if(IS_DIRECTORY ${CASE}.files)
  file(GLOB_RECURSE wanted LIST_DIRECTORIES false RELATIVE ${CASE}.files ${CASE}.files/*)
  file(GLOB_RECURSE present LIST_DIRECTORIES false RELATIVE ${cwd} ${cwd}/*)
  foreach(name IN LISTS wanted)
    if(NOT EXISTS ${cwd}/${name})
      list(APPEND failures "file ${name} is missing")
      continue()
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${CASE}.files/${name} ${cwd}/${name}
                    RESULT_VARIABLE file_differs)
    if(file_differs)
      list(APPEND failures "file ${name} differs")
      show_difference(${CASE}.files/${name} ${cwd}/${name})
    endif()
  endforeach()
  foreach(name IN LISTS present)
    if(NOT name IN_LIST wanted)
      list(APPEND failures "unexpected file ${name}")
    endif()
  endforeach()
endif()

if(failures)
  list(JOIN failures "\n  " summary)
  message(FATAL_ERROR "transcript ${CASE} failed:\n  ${summary}")
endif()
