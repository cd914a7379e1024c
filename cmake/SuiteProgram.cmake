# suite_program(NAME) wires one program from the folder it is called in:
#
#   NAME.cpp         the program's functions, built as the library NAME_lib
#                    (optional; NAME.hpp beside it declares them)
#   main.cpp         the executable NAME, placed in build/bin
#   NAME_test.cpp    GoogleTest unit tests, one CTest test per TEST (optional)
#   transcripts/     one CTest test per CASE.out (see RunTranscript.cmake)
#   NAME.1 / NAME.6  the manual page (section 1 for exercises, 6 for games),
#                    installed with the executable and checked by mandoc

include(GNUInstallDirs)

set(SUITE_CMAKE_DIR ${CMAKE_CURRENT_LIST_DIR})
set(SUITE_TRANSCRIPT_RUNNER ${SUITE_CMAKE_DIR}/RunTranscript.cmake)

# Compiler options shared by every target of the suite.
add_library(suite_options INTERFACE)
target_compile_options(
  suite_options
  INTERFACE -Wall
            -Wextra
            -Wpedantic
            -Wconversion
            -Wsign-conversion
            -Wshadow
            -Wold-style-cast
            -Wnon-virtual-dtor
            -Woverloaded-virtual
            -Wdouble-promotion
            -Wformat=2
            -Wimplicit-fallthrough
            $<$<BOOL:${SUITE_WERROR}>:-Werror>)

# Shared helpers for in-process tests (console capture).
add_library(suite_testing INTERFACE)
target_include_directories(suite_testing INTERFACE ${PROJECT_SOURCE_DIR}/testing)

# Adds one CTest test per CASE.out in DIR, running PROGRAM through the
# transcript runner. Tests are named PREFIX.CASE.
function(suite_transcripts program dir prefix)
  file(GLOB outs CONFIGURE_DEPENDS ${dir}/*.out)
  foreach(out IN LISTS outs)
    get_filename_component(case ${out} NAME_WE)
    add_test(
      NAME ${prefix}.${case}
      COMMAND
        ${CMAKE_COMMAND} -DPROGRAM=${program} -DCASE=${dir}/${case}
        -DWORK=${CMAKE_CURRENT_BINARY_DIR}/transcripts/${case} -P
        ${SUITE_TRANSCRIPT_RUNNER})
    set_tests_properties(${prefix}.${case} PROPERTIES LABELS transcript TIMEOUT 120)
  endforeach()
endfunction()

function(suite_program name)
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})

  add_executable(${name} main.cpp)
  target_link_libraries(${name} PRIVATE suite_options)
  if(SUITE_STATIC)
    # A single file that runs without the C++ runtime, or any shared library,
    # installed. Test executables stay dynamic.
    target_link_options(${name} PRIVATE -static)
  endif()

  if(EXISTS ${dir}/${name}.cpp)
    add_library(${name}_lib STATIC ${name}.cpp)
    target_include_directories(${name}_lib PUBLIC ${dir})
    target_link_libraries(${name}_lib PRIVATE suite_options)
    target_link_libraries(${name} PRIVATE ${name}_lib)
  endif()

  set(page "")
  foreach(section IN ITEMS 1 6)
    if(EXISTS ${dir}/${name}.${section})
      set(page ${dir}/${name}.${section})
      install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
    endif()
  endforeach()
  if(page STREQUAL "")
    message(FATAL_ERROR "${name} has no manual page ${name}.1 or ${name}.6 in ${dir}")
  endif()
  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set_property(GLOBAL APPEND PROPERTY SUITE_PROGRAMS ${name})
  set_property(GLOBAL APPEND PROPERTY SUITE_PROGRAM_DIRS ${dir})

  if(NOT SUITE_BUILD_TESTS)
    return()
  endif()

  add_test(NAME ${name}.manpage COMMAND ${CMAKE_COMMAND} -DPAGE=${page} -P
                                        ${SUITE_CMAKE_DIR}/LintManPage.cmake)
  set_tests_properties(${name}.manpage PROPERTIES LABELS manpage SKIP_REGULAR_EXPRESSION
                                                   "mandoc is not installed")

  if(EXISTS ${dir}/${name}_test.cpp)
    add_executable(${name}_test ${name}_test.cpp)
    target_link_libraries(${name}_test PRIVATE suite_options suite_testing GTest::gtest_main)
    if(TARGET ${name}_lib)
      target_link_libraries(${name}_test PRIVATE ${name}_lib)
    endif()
    set_target_properties(${name}_test PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
    gtest_discover_tests(
      ${name}_test
      DISCOVERY_MODE PRE_TEST
      TEST_FILTER -*WorstCase.*
      PROPERTIES LABELS unit TIMEOUT 300)
    # A suite named *WorstCase runs inputs that take well under a second at
    # the intended cost and hours at a higher one; its limit of a minute turns
    # a slower algorithm into a failure with a wide margin, never a flake.
    gtest_discover_tests(
      ${name}_test
      DISCOVERY_MODE PRE_TEST
      TEST_FILTER *WorstCase.*
      TEST_LIST ${name}_worst_case_tests
      PROPERTIES LABELS unit TIMEOUT 60)
  endif()

  suite_transcripts($<TARGET_FILE:${name}> ${dir}/transcripts ${name})
endfunction()
