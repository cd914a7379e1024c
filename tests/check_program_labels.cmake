# Checks that `ctest -L NAME` selects every test of program NAME and nothing
# else, for every program: its unit tests (suites named after the program,
# e.g. Name.*, Name/Param.*, NameWorstCase.*), its transcripts and other
# checks (NAME.*), and the checks that span programs, named GROUP.NAME.*
# (hostile.NAME.*, write_errors.NAME.*). No program's
# name begins another's, so the names tell the programs apart.
#   cmake -DBUILD_DIR=... -DCTEST=... -P check_program_labels.cmake
# The programs are those of BUILD_DIR/programs.tsv.
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/program_list.cmake)
program_list_column(${BUILD_DIR} 0 programs)

# Sets VAR to the names of the tests that ctest selects with ARGN.
function(selected var)
  execute_process(COMMAND ${CTEST} --test-dir ${BUILD_DIR} --show-only=json-v1 ${ARGN}
                  OUTPUT_VARIABLE json COMMAND_ERROR_IS_FATAL ANY)
  string(JSON count LENGTH "${json}" tests)
  set(names "")
  if(count GREATER 0)
    math(EXPR last "${count} - 1")
    foreach(i RANGE ${last})
      string(JSON name GET "${json}" tests ${i} name)
      list(APPEND names "${name}")
    endforeach()
  endif()
  set(${var} "${names}" PARENT_SCOPE)
endfunction()

selected(all)
set(failures "")
foreach(program IN LISTS programs)
  set(own "")
  foreach(name IN LISTS all)
    string(TOLOWER "${name}" lower)
    if(lower MATCHES "^([a-z_]+\\.)?${program}")
      list(APPEND own "${name}")
    endif()
  endforeach()
  selected(chosen -L ${program})
  set(missed ${own})
  set(stray ${chosen})
  list(REMOVE_ITEM missed ${chosen})
  list(REMOVE_ITEM stray ${own})
  list(LENGTH chosen count)
  message(STATUS "ctest -L ${program}: ${count} tests")
  if(missed OR stray OR NOT chosen MATCHES "(^|;)${program}\\.")
    list(APPEND failures "ctest -L ${program} must select every test of ${program}, a transcript \
among them, and no other's; it misses [${missed}] and selects [${stray}]")
  endif()
endforeach()

if(failures)
  list(JOIN failures "\n  " summary)
  message(FATAL_ERROR "per-program labels:\n  ${summary}")
endif()
