# suite_program(NAME) wires one program from the folder it is called in:
#
#   NAME.cpp         the program's functions, built as the library NAME_lib
#                    (optional; NAME.hpp beside it declares them)
#   main.cpp         the executable NAME, placed in build/bin
#   NAME_test.cpp    GoogleTest unit tests, one CTest test per TEST (optional)
#   transcripts/     one CTest test per CASE.out (see run_transcript.cmake)
#   NAME.1 / NAME.6  the manual page (section 1 for exercises, 6 for games),
#                    installed with the executable and checked by mandoc
#   NAME.desktop     for a game: its menu entry, its icon NAME.svg and its
#   NAME.svg         AppStream metainfo, installed for the desktop and
#   NAME.metainfo.xml  checked by desktop-file-validate and appstreamcli
#
# The page's section also decides where the program goes: games (section 6)
# install into PREFIX/games, the exercises (section 1) into PREFIX/bin.
#
# With SUITE_TEST_INSTALLED nothing is built: NAME stands for the program
# installed in PREFIX/games or PREFIX/bin (CMAKE_INSTALL_PREFIX), which its
# tests then run.

# With no language enabled (SUITE_TEST_INSTALLED), GNUInstallDirs cannot
# tell the library folder, which the suite does not use.
if(SUITE_TEST_INSTALLED)
  set(CMAKE_INSTALL_LIBDIR lib)
endif()
include(GNUInstallDirs)

set(SUITE_CMAKE_DIR ${CMAKE_CURRENT_LIST_DIR})
# Scripts run at test time, and the helpers of the in-process tests.
set(SUITE_TESTING_DIR ${PROJECT_SOURCE_DIR}/testing)
set(SUITE_TRANSCRIPT_RUNNER ${SUITE_TESTING_DIR}/run_transcript.cmake)
set(SUITE_INSTALL_GAMESDIR games)
# The games' AppStream IDs are this prefix, a dot and the program's name.
set(SUITE_APPSTREAM_ID_PREFIX org.example.consolesuite)

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

# How every program ends: main hands its exit status to exitStatus(), which
# reports a failed write to standard output. suite_link_support() links it
# into an executable and tells main.cpp the program's name as SUITE_PROGRAM.
if(NOT SUITE_TEST_INSTALLED)
  add_library(suite_support STATIC ${PROJECT_SOURCE_DIR}/support/exitstatus.cpp)
  target_include_directories(suite_support PUBLIC ${PROJECT_SOURCE_DIR}/support)
  target_link_libraries(suite_support PRIVATE suite_options)
endif()

function(suite_link_support target name)
  target_link_libraries(${target} PRIVATE suite_support)
  target_compile_definitions(${target} PRIVATE SUITE_PROGRAM="${name}")
endfunction()

# Shared helpers for in-process tests (console capture).
add_library(suite_testing INTERFACE)
target_include_directories(suite_testing INTERFACE ${PROJECT_SOURCE_DIR}/testing)

# Adds the test NAME.KIND that runs TOOL (from the Debian package PACKAGE)
# with the given arguments; it passes when the tool succeeds and prints
# nothing, and is skipped, naming the package, when the tool is missing.
function(suite_validate name kind tool package)
  add_test(NAME ${name}.${kind} COMMAND ${CMAKE_COMMAND} -DTOOL=${tool} -DPACKAGE=${package}
                                        "-DARGS=${ARGN}" -P ${SUITE_TESTING_DIR}/check_tool_silent.cmake)
  set_tests_properties(${name}.${kind} PROPERTIES LABELS ${kind} SKIP_REGULAR_EXPRESSION
                                                   "${tool} is not installed")
endfunction()

# Adds the CTest test TEST that runs PROGRAM on the transcript case CASE (its
# path without extension) through the transcript runner. Further arguments
# go to the runner as they are, e.g. -DSTDOUT=full.
function(suite_transcript test program case)
  add_test(
    NAME ${test}
    COMMAND
      ${CMAKE_COMMAND} -DPROGRAM=${program} "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
      -DCASE=${case} -DWORK=${CMAKE_CURRENT_BINARY_DIR}/transcripts/${test} ${ARGN} -P
      ${SUITE_TRANSCRIPT_RUNNER})
  set_tests_properties(${test} PROPERTIES LABELS transcript TIMEOUT 120)
endfunction()

# Adds one CTest test per CASE.out in DIR, running PROGRAM through the
# transcript runner. Tests are named PREFIX.CASE; further arguments go to the
# runner.
function(suite_transcripts program dir prefix)
  file(GLOB outs CONFIGURE_DEPENDS ${dir}/*.out)
  foreach(out IN LISTS outs)
    get_filename_component(case ${out} NAME_WE)
    suite_transcript(${prefix}.${case} ${program} ${dir}/${case} ${ARGN})
  endforeach()
endfunction()

function(suite_program name)
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  if(EXISTS ${dir}/${name}.6)
    set(section 6)
    set(destination ${SUITE_INSTALL_GAMESDIR})
  elseif(EXISTS ${dir}/${name}.1)
    set(section 1)
    set(destination ${CMAKE_INSTALL_BINDIR})
  else()
    message(FATAL_ERROR "${name} has no manual page ${name}.1 or ${name}.6 in ${dir}")
  endif()
  set(page ${dir}/${name}.${section})
  set_property(GLOBAL APPEND PROPERTY SUITE_PROGRAMS ${name})
  set_property(GLOBAL APPEND PROPERTY SUITE_PROGRAM_DIRS ${dir})

  if(SUITE_TEST_INSTALLED)
    # The installed program stands in for the target, so that every test
    # that runs $<TARGET_FILE:NAME> runs it.
    add_executable(${name} IMPORTED GLOBAL)
    set_target_properties(${name} PROPERTIES IMPORTED_LOCATION
                                             ${CMAKE_INSTALL_PREFIX}/${destination}/${name})
    set_property(DIRECTORY APPEND PROPERTY LABELS ${name})
    suite_transcripts($<TARGET_FILE:${name}> ${dir}/transcripts ${name})
    return()
  endif()

  add_executable(${name} main.cpp)
  target_link_libraries(${name} PRIVATE suite_options)
  suite_link_support(${name} ${name})
  if(SUITE_STATIC)
    # A single file that runs without the C++ runtime, or any shared library,
    # installed; position-independent when hardened. Given as a link item,
    # so that it follows (and overrides) the -pie that CMake puts among the
    # link options. Test executables stay dynamic.
    target_link_libraries(${name} PRIVATE $<IF:$<BOOL:${SUITE_HARDENING}>,-static-pie,-static>)
  endif()

  if(EXISTS ${dir}/${name}.cpp)
    add_library(${name}_lib STATIC ${name}.cpp)
    target_include_directories(${name}_lib PUBLIC ${dir})
    target_link_libraries(${name}_lib PRIVATE suite_options)
    target_link_libraries(${name} PRIVATE ${name}_lib)
  endif()

  install(TARGETS ${name} RUNTIME DESTINATION ${destination})
  install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
  set_property(GLOBAL APPEND PROPERTY SUITE_INSTALL_DIRS ${CMAKE_INSTALL_MANDIR}/man${section}
                                                         ${destination})

  # A game's entry in the desktop's menus. AppStream wants the metainfo file
  # named by the component's ID.
  set(desktop ${dir}/${name}.desktop)
  set(metainfo ${dir}/${name}.metainfo.xml)
  if(EXISTS ${desktop})
    set(apps ${CMAKE_INSTALL_DATAROOTDIR}/applications)
    set(icons ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
    set(metainfo_dir ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
    install(FILES ${desktop} DESTINATION ${apps})
    install(FILES ${dir}/${name}.svg DESTINATION ${icons})
    install(FILES ${metainfo} DESTINATION ${metainfo_dir}
            RENAME ${SUITE_APPSTREAM_ID_PREFIX}.${name}.metainfo.xml)
    set_property(GLOBAL APPEND PROPERTY SUITE_INSTALL_DIRS ${apps} ${icons} ${metainfo_dir})
    # No validator compares the version of a release with the project's.
    file(STRINGS ${metainfo} newest REGEX "<release " LIMIT_COUNT 1)
    if(NOT newest MATCHES "version=\"${PROJECT_VERSION}\"")
      message(FATAL_ERROR "${metainfo}: the first <release> must be version ${PROJECT_VERSION}")
    endif()
  endif()

  if(NOT SUITE_BUILD_TESTS)
    return()
  endif()
  # Every test of this program, whatever its kind, carries the program's
  # name as a label: ctest -L NAME runs them all.
  set_property(DIRECTORY APPEND PROPERTY LABELS ${name})

  add_test(NAME ${name}.manpage COMMAND ${CMAKE_COMMAND} -DPAGE=${page} -P
                                        ${SUITE_TESTING_DIR}/lint_manpage.cmake)
  set_tests_properties(${name}.manpage PROPERTIES LABELS manpage SKIP_REGULAR_EXPRESSION
                                                   "mandoc is not installed")
  if(EXISTS ${desktop})
    suite_validate(${name} desktop desktop-file-validate desktop-file-utils ${desktop})
    suite_validate(${name} metainfo appstreamcli appstream validate --pedantic --no-net ${metainfo})
  endif()

  if(EXISTS ${dir}/${name}_test.cpp AND SUITE_HAVE_GTEST)
    add_executable(${name}_test ${name}_test.cpp)
    target_link_libraries(${name}_test PRIVATE suite_options suite_testing GTest::gtest_main)
    if(TARGET ${name}_lib)
      target_link_libraries(${name}_test PRIVATE ${name}_lib)
    endif()
    set_target_properties(${name}_test PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
    gtest_discover_tests(
      ${name}_test
      DISCOVERY_MODE PRE_TEST
      # Parameterised cases are named by the tests (testing/cases.hpp), not
      # by their printed data.
      NO_PRETTY_VALUES
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
      NO_PRETTY_VALUES
      PROPERTIES LABELS unit TIMEOUT 60)
  endif()

  suite_transcripts($<TARGET_FILE:${name}> ${dir}/transcripts ${name})
endfunction()
