# suite_program(NAME) wires one program from the folder it is called in:
#
#   NAME.cpp         the program's functions, built as the library NAME_lib
#                    (optional; NAME.hpp beside it declares them)
#   main.cpp         the executable NAME, placed in build/bin
#   NAME_test.cpp    GoogleTest unit tests, one CTest test per TEST (optional)
#   transcripts/     one CTest test per CASE.out (see RunTranscript.cmake)

set(SUITE_TRANSCRIPT_RUNNER ${CMAKE_CURRENT_LIST_DIR}/RunTranscript.cmake)

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

  if(EXISTS ${dir}/${name}.cpp)
    add_library(${name}_lib STATIC ${name}.cpp)
    target_include_directories(${name}_lib PUBLIC ${dir})
    target_link_libraries(${name}_lib PRIVATE suite_options)
    target_link_libraries(${name} PRIVATE ${name}_lib)
  endif()

  if(NOT SUITE_BUILD_TESTS)
    return()
  endif()

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
      PROPERTIES LABELS unit TIMEOUT 300)
  endif()

  suite_transcripts($<TARGET_FILE:${name}> ${dir}/transcripts ${name})
endfunction()
