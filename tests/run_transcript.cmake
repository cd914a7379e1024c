# Runs one transcript case, as docs/testing.md describes:
#   cmake -DPROGRAM=exe -DCASE=dir/name -DWORK=scratch-dir -P run_transcript.cmake
# in WORK/cwd, set up from CASE.setup/, with CASE.in as standard input;
# compares the exit status with CASE.status (0), standard error with
# CASE.err (empty), standard output with CASE.out and the folder with
# CASE.files/, byte for byte. Options: -DSTDOUT=full (/dev/full) or closed,
# where CASE.out is not compared; -DEXPECT_STATUS=N and -DEXPECT_STDERR=TEXT
# in place of CASE.status and CASE.err; -DINPUT=PATH in place of CASE.in.
# -DWRAPPER or the environment's TRANSCRIPT_WRAPPER (a ;-list, such as
# tests/memcheck) runs the program, its status and standard error counting
# as the program's; -DEMULATOR (the cross build's, also a ;-list) runs it
# inside the wrapper.

cmake_minimum_required(VERSION 3.25)

foreach(var PROGRAM CASE WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_transcript.cmake needs -D${var}=...")
  endif()
endforeach()

if(NOT DEFINED WRAPPER)
  set(WRAPPER "$ENV{TRANSCRIPT_WRAPPER}")
endif()

if(NOT DEFINED STDOUT)
  set(STDOUT "")
endif()
if(NOT DEFINED EXPECT_STATUS)
  set(EXPECT_STATUS 0)
  if(EXISTS ${CASE}.status)
    file(STRINGS ${CASE}.status EXPECT_STATUS LIMIT_COUNT 1)
  endif()
endif()

set(failures "")

# Adds FAILURE to the failures when the file ACTUAL does not hold the bytes
# of EXPECTED, and shows a unified difference, in which a missing final
# newline shows as "\ No newline at end of file".
function(compare expected actual failure)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${expected} ${actual}
                  RESULT_VARIABLE differs)
  if(differs)
    execute_process(COMMAND diff -u --text --label expected --label actual ${expected} ${actual}
                    OUTPUT_VARIABLE difference)
    message("${difference}")
    set(failures ${failures} "${failure}" PARENT_SCOPE)
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/cwd)
set(cwd ${WORK}/cwd)
if(IS_DIRECTORY ${CASE}.setup)
  file(COPY ${CASE}.setup/ DESTINATION ${cwd})
endif()

# What standard error must hold, as a file to compare with.
set(expected_stderr ${WORK}/expected-stderr)
if(DEFINED EXPECT_STDERR)
  file(WRITE ${expected_stderr} "${EXPECT_STDERR}")
elseif(EXISTS ${CASE}.err)
  file(COPY_FILE ${CASE}.err ${expected_stderr})
else()
  file(WRITE ${expected_stderr} "")
endif()

if(DEFINED INPUT)
  set(input ${INPUT})
elseif(EXISTS ${CASE}.in)
  set(input ${CASE}.in)
else()
  set(input /dev/null)
endif()

set(command ${WRAPPER} ${EMULATOR} ${PROGRAM})
set(output ${WORK}/stdout)
if(STDOUT STREQUAL "full")
  set(output /dev/full)
elseif(STDOUT STREQUAL "closed")
  # execute_process cannot close a descriptor; a shell does it just before
  # the command starts.
  set(command sh -c "exec \"$@\" >&-" sh ${command})
elseif(NOT STDOUT STREQUAL "")
  message(FATAL_ERROR "STDOUT must be full or closed, not '${STDOUT}'")
endif()

execute_process(
  COMMAND ${command}
  WORKING_DIRECTORY ${cwd}
  INPUT_FILE ${input}
  OUTPUT_FILE ${output}
  ERROR_VARIABLE stderr
  RESULT_VARIABLE status
  TIMEOUT 100)
# Kept through a pipe rather than written to a file directly, so that a limit
# on file sizes set for the program does not stop its messages.
file(WRITE ${WORK}/stderr "${stderr}")

if(NOT status STREQUAL EXPECT_STATUS)
  list(APPEND failures "exit status was '${status}', expected ${EXPECT_STATUS}")
endif()

file(SIZE ${expected_stderr} expected_size)
if(expected_size EQUAL 0)
  compare(${expected_stderr} ${WORK}/stderr "unexpected standard error")
else()
  compare(${expected_stderr} ${WORK}/stderr "standard error differs from what was expected")
endif()
if(STDOUT STREQUAL "")
  compare(${CASE}.out ${WORK}/stdout "standard output differs from ${CASE}.out")
endif()

if(IS_DIRECTORY ${CASE}.files)
  file(GLOB_RECURSE wanted LIST_DIRECTORIES false RELATIVE ${CASE}.files ${CASE}.files/*)
  file(GLOB_RECURSE present LIST_DIRECTORIES false RELATIVE ${cwd} ${cwd}/*)
  foreach(name IN LISTS wanted)
    if(EXISTS ${cwd}/${name})
      compare(${CASE}.files/${name} ${cwd}/${name} "file ${name} differs")
    else()
      list(APPEND failures "file ${name} is missing")
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
