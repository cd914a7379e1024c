# The tests of one program, each labelled with its name; the checks over all programs are in tests/.
set(SUITE_TESTS_DIR ${PROJECT_SOURCE_DIR}/tests)

add_library(suite_testing INTERFACE)
target_include_directories(suite_testing INTERFACE ${SUITE_TESTS_DIR}/include)

# TEST runs ARGN where TOOL is installed, and is skipped naming Debian's PACKAGE where not.
function(suite_tool_test test tool package)
  add_test(NAME ${test} COMMAND ${SUITE_TESTS_DIR}/with-tool ${tool} ${package} ${ARGN})
  set_tests_properties(${test} PROPERTIES SKIP_RETURN_CODE 77)
endfunction()

# TEST runs PROGRAM on the transcript CASE (its path less the extension); ARGN goes to the runner.
function(suite_transcript test program case)
  add_test(NAME ${test} COMMAND ${CMAKE_COMMAND} -DPROGRAM=${program}
                                "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}" -DCASE=${case}
                                -DWORK=${CMAKE_CURRENT_BINARY_DIR}/transcripts/${test} ${ARGN}
                                -P ${SUITE_TESTS_DIR}/run_transcript.cmake)
  set_tests_properties(${test} PROPERTIES LABELS transcript TIMEOUT 120)
endfunction()

# One test PREFIX.CASE per CASE.out in DIR.
function(suite_transcripts program dir prefix)
  file(GLOB outs CONFIGURE_DEPENDS ${dir}/*.out)
  foreach(out IN LISTS outs)
    cmake_path(GET out STEM case)
    suite_transcript(${prefix}.${case} ${program} ${dir}/${case} ${ARGN})
  endforeach()
endfunction()

# Sets VAR to the program's first transcript that exits 0 with nothing set up, and with no input
# or, given WITH_INPUT, with some: how it runs when nothing, or something plain, is asked of it.
function(suite_plain_case name var)
  get_property(dir GLOBAL PROPERTY SUITE_DIR_${name})
  set(kind out)
  if(ARGN STREQUAL "WITH_INPUT")
    set(kind in)
  endif()
  file(GLOB files ${dir}/transcripts/*.${kind})
  foreach(file IN LISTS files)
    string(REGEX REPLACE "\\.${kind}$" "" case ${file})
    if(NOT EXISTS ${case}.status AND NOT IS_DIRECTORY ${case}.setup AND (ARGN OR NOT EXISTS ${case}.in))
      set(${var} ${case} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "${name} has no transcript that exits 0 with nothing set up in ${dir}/transcripts")
endfunction()

function(suite_program_tests name page)
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  set_property(DIRECTORY APPEND PROPERTY LABELS ${name})
  suite_transcripts($<TARGET_FILE:${name}> ${dir}/transcripts ${name})
  if(SUITE_TEST_INSTALLED)
    return()
  endif()
  suite_tool_test(${name}.manpage mandoc mandoc mandoc -T lint -W all ${page})
  set_tests_properties(${name}.manpage PROPERTIES LABELS manpage FAIL_REGULAR_EXPRESSION .)
  if(EXISTS ${dir}/${name}.desktop.in)
    suite_tool_test(${name}.desktop desktop-file-validate desktop-file-utils desktop-file-validate
                    ${CMAKE_CURRENT_BINARY_DIR}/${name}.desktop)
    add_test(NAME ${name}.metainfo COMMAND ${PROJECT_SOURCE_DIR}/packaging/appstream-validate
                                           ${dir}/${name}.metainfo.xml)
    set_tests_properties(${name}.desktop PROPERTIES LABELS desktop FAIL_REGULAR_EXPRESSION .)
    set_tests_properties(${name}.metainfo PROPERTIES LABELS metainfo SKIP_RETURN_CODE 77)
  endif()

  if(EXISTS ${dir}/${name}_test.cpp AND TARGET GTest::gtest_main)
    add_executable(${name}_test ${name}_test.cpp)
    target_link_libraries(${name}_test PRIVATE suite_options suite_testing GTest::gtest_main)
    # The tests' own code needs no costly optimisations; NAME_lib keeps the build's.
    target_compile_options(${name}_test PRIVATE $<$<NOT:$<CONFIG:Debug>>:-Og>)
    if(TARGET ${name}_lib)
      target_link_libraries(${name}_test PRIVATE ${name}_lib)
    endif()
    set_target_properties(${name}_test PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
    # A *WorstCase suite takes well under a second at the intended cost, hours at a higher one.
    gtest_discover_tests(${name}_test DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES TEST_FILTER
                         -*WorstCase.* PROPERTIES LABELS unit TIMEOUT 300)
    gtest_discover_tests(
      ${name}_test DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES TEST_FILTER *WorstCase.*
      TEST_LIST ${name}_worst_case_tests PROPERTIES LABELS unit TIMEOUT 60)
  endif()
endfunction()
