# The tests of one program, which suite_program() wires when BUILD_TESTING
# is on: the unit tests of NAME_test.cpp (GoogleTest, one CTest test per
# TEST), one test per transcript case in transcripts/ (run_transcript.cmake;
# see suite_plain_case for the one case every program has), mandoc on the
# manual page, and for a game desktop-file-validate and appstreamcli. Each
# carries the program's name as a label: ctest -L NAME runs them all. With
# SUITE_TEST_INSTALLED only the transcripts run, against the installed
# program.

set(SUITE_TESTS_DIR ${PROJECT_SOURCE_DIR}/tests)

# The helpers of in-process tests (console capture, names of cases).
add_library(suite_testing INTERFACE)
target_include_directories(suite_testing INTERFACE ${SUITE_TESTS_DIR}/include)

# Adds the test TEST that runs the command after PACKAGE when TOOL is
# installed, and is skipped, naming the Debian package PACKAGE, when not.
function(suite_tool_test test tool package)
  add_test(NAME ${test} COMMAND ${SUITE_TESTS_DIR}/with-tool ${tool} ${package} ${ARGN})
  set_tests_properties(${test} PROPERTIES SKIP_RETURN_CODE 77)
endfunction()

# Adds the CTest test TEST that runs PROGRAM on the transcript case CASE (its
# path without extension) through the transcript runner. Further arguments
# go to the runner as they are, e.g. -DSTDOUT=full.
function(suite_transcript test program case)
  add_test(NAME ${test} COMMAND ${CMAKE_COMMAND} -DPROGRAM=${program}
                                "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}" -DCASE=${case}
                                -DWORK=${CMAKE_CURRENT_BINARY_DIR}/transcripts/${test} ${ARGN}
                                -P ${SUITE_TESTS_DIR}/run_transcript.cmake)
  set_tests_properties(${test} PROPERTIES LABELS transcript TIMEOUT 120)
endfunction()

# Adds one test PREFIX.CASE per CASE.out in DIR, running PROGRAM through the
# transcript runner; further arguments go to the runner.
function(suite_transcripts program dir prefix)
  file(GLOB outs CONFIGURE_DEPENDS ${dir}/*.out)
  foreach(out IN LISTS outs)
    get_filename_component(case ${out} NAME_WE)
    suite_transcript(${prefix}.${case} ${program} ${dir}/${case} ${ARGN})
  endforeach()
endfunction()

# Sets VAR to the plain case of program NAME, the first of its transcript
# cases (the path without extension) that runs on empty input with nothing
# set up and exits with status 0: how the program runs when nothing is asked
# of it. The checks that change one thing about a run start from it. With
# WITH_INPUT, the first such case that has input (CASE.in) instead.
function(suite_plain_case name var)
  get_property(dir GLOBAL PROPERTY SUITE_DIR_${name})
  set(kind out)
  if(ARGN STREQUAL "WITH_INPUT")
    set(kind in)
  endif()
  file(GLOB files ${dir}/transcripts/*.${kind})
  list(SORT files)
  foreach(file IN LISTS files)
    string(REGEX REPLACE "\\.${kind}$" "" case ${file})
    if(NOT EXISTS ${case}.status AND NOT IS_DIRECTORY ${case}.setup AND (ARGN OR NOT EXISTS ${case}.in))
      set(${var} ${case} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "${name} has no transcript that exits with status 0 with nothing set up \
(and no input, or with WITH_INPUT some), in ${dir}/transcripts")
endfunction()

function(suite_program_tests name page)
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  set_property(DIRECTORY APPEND PROPERTY LABELS ${name})
  suite_transcripts($<TARGET_FILE:${name}> ${dir}/transcripts ${name})
  if(SUITE_TEST_INSTALLED)
    return()
  endif()

  suite_tool_test(${name}.manpage mandoc mandoc ${CMAKE_COMMAND} -DPAGE=${page} -P
                  ${SUITE_TESTS_DIR}/lint_manpage.cmake)
  set_tests_properties(${name}.manpage PROPERTIES LABELS manpage)
  if(EXISTS ${dir}/${name}.desktop.in)
    # desktop-file-validate prints nothing about a good entry.
    suite_tool_test(${name}.desktop desktop-file-validate desktop-file-utils desktop-file-validate
                    ${CMAKE_CURRENT_BINARY_DIR}/${name}.desktop)
    add_test(NAME ${name}.metainfo COMMAND ${PROJECT_SOURCE_DIR}/packaging/appstream-validate
                                           ${dir}/${name}.metainfo.xml)
    set_tests_properties(${name}.desktop PROPERTIES LABELS desktop FAIL_REGULAR_EXPRESSION ".")
    set_tests_properties(${name}.metainfo PROPERTIES LABELS metainfo SKIP_RETURN_CODE 77)
  endif()

  if(EXISTS ${dir}/${name}_test.cpp AND TARGET GTest::gtest_main)
    add_executable(${name}_test ${name}_test.cpp)
    target_link_libraries(${name}_test PRIVATE suite_options suite_testing GTest::gtest_main)
    # The test's own code builds in about 60 % of the time without the
    # costly optimisations; the code it tests, NAME_lib, keeps the build's.
    target_compile_options(${name}_test PRIVATE $<$<NOT:$<CONFIG:Debug>>:-Og>)
    if(TARGET ${name}_lib)
      target_link_libraries(${name}_test PRIVATE ${name}_lib)
    endif()
    set_target_properties(${name}_test PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
    # Parameterised cases are named by the tests (tests/include/cases.hpp),
    # not by their printed data. A suite named *WorstCase runs inputs that
    # take well under a second at the intended cost and hours at a higher
    # one; its limit of a minute turns a slower algorithm into a failure
    # with a wide margin, never a flake.
    gtest_discover_tests(${name}_test DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES TEST_FILTER
                         -*WorstCase.* PROPERTIES LABELS unit TIMEOUT 300)
    gtest_discover_tests(
      ${name}_test DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES TEST_FILTER *WorstCase.*
      TEST_LIST ${name}_worst_case_tests PROPERTIES LABELS unit TIMEOUT 60)
  endif()
endfunction()
