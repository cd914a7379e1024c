# suite_program(NAME [READS_INPUT] [PRINTS_NOTHING]) wires one program from
# the folder it is called in:
#
#   NAME.cpp         the program's functions, built as the library NAME_lib
#                    (optional; NAME.hpp beside it declares them)
#   main.cpp         the executable NAME, placed in build/bin
#   NAME_test.cpp    GoogleTest unit tests, one CTest test per TEST (optional)
#   transcripts/     one CTest test per CASE.out (see run_transcript.cmake);
#                    at least one case runs on empty input with nothing set
#                    up and exits with status 0 (see suite_plain_case)
#   NAME.1 / NAME.6  the manual page (section 1 for exercises, 6 for games),
#                    installed with the executable and checked by mandoc
#   NAME.desktop.in  for a game: its menu entry, its icon NAME.svg and its
#   NAME.svg         AppStream metainfo, installed for the desktop and
#   NAME.metainfo.xml  checked by desktop-file-validate and appstreamcli;
#                    configuring fills @program@ in the entry with the
#                    installed program's full path (see suite_desktop_word)
#
# What the program is, it says here, once; every check and benchmark that
# runs over all programs asks suite_programs() or reads the list the build
# writes (suite_write_program_list):
#
#   READS_INPUT      it reads standard input (else it reads nothing)
#   PRINTS_NOTHING   it writes nothing to standard output
#
# The page's section decides whether it is a game (trait "game"): games
# (section 6) install into PREFIX/games, the exercises (section 1) into
# PREFIX/bin.
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
# After ACCEPT come the issues that appstreamcli may note at severity info
# (see check_tool_silent.cmake).
function(suite_validate name kind tool package)
  cmake_parse_arguments(PARSE_ARGV 4 arg "" "" ACCEPT)
  add_test(NAME ${name}.${kind} COMMAND ${CMAKE_COMMAND} -DTOOL=${tool} -DPACKAGE=${package}
                                        "-DARGS=${arg_UNPARSED_ARGUMENTS}" "-DACCEPT=${arg_ACCEPT}"
                                        -P ${SUITE_TESTING_DIR}/check_tool_silent.cmake)
  set_tests_properties(${name}.${kind} PROPERTIES LABELS ${kind} SKIP_REGULAR_EXPRESSION
                                                   "${tool} is not installed")
endfunction()

# What the metainfo test hands appstreamcli beyond --pedantic, and the notes
# it accepts from it, both for reasons of the validator, not of the files:
#
# - The suite has no web site, so its metainfo names no homepage. AppStream
#   1.0 (Debian 13) warns of that, url-homepage-missing, which fails the
#   validation; the validator's own override lowers it to info, and the test
#   accepts that note. AppStream 0.16 (Debian 12) has no such tag and refuses
#   to override it, so the override goes only to a validator that takes it.
# - <developer id="..."><name> came with AppStream 1.0, which deprecates
#   <developer_name>. AppStream 0.16 notes the new tag as "unknown-tag
#   developer", at severity info, and still accepts the file; no override
#   hides an info under --pedantic, so the test accepts that note (any other
#   unknown tag still fails it).
#
# Sets OVERRIDES_VAR to the options and ACCEPT_VAR to the accepted notes.
function(suite_metainfo_validation metainfo overrides_var accept_var)
  get_property(probed GLOBAL PROPERTY SUITE_METAINFO_PROBED SET)
  if(NOT probed)
    find_program(SUITE_APPSTREAMCLI appstreamcli)
    set(overrides "")
    if(SUITE_APPSTREAMCLI)
      execute_process(COMMAND ${SUITE_APPSTREAMCLI} validate --no-net --override=url-homepage-missing=info
                              ${metainfo} OUTPUT_QUIET ERROR_VARIABLE err)
      if(NOT err MATCHES "issue tag 'url-homepage-missing' is not recognized")
        set(overrides --override=url-homepage-missing=info)
      endif()
    endif()
    set_property(GLOBAL PROPERTY SUITE_METAINFO_PROBED "${overrides}")
  endif()
  get_property(overrides GLOBAL PROPERTY SUITE_METAINFO_PROBED)
  set(${overrides_var} "${overrides}" PARENT_SCOPE)
  set(${accept_var} url-homepage-missing "unknown-tag developer" PARENT_SCOPE)
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

# Sets VAR to the programs, in the order they were declared, that have every
# trait named after WITH and none named after WITHOUT (reads_input,
# prints_nothing, game).
function(suite_programs var)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "WITH;WITHOUT")
  get_property(programs GLOBAL PROPERTY SUITE_PROGRAMS)
  set(chosen "")
  foreach(program IN LISTS programs)
    get_property(traits GLOBAL PROPERTY SUITE_TRAITS_${program})
    set(wanted TRUE)
    foreach(trait IN LISTS arg_WITH)
      if(NOT trait IN_LIST traits)
        set(wanted FALSE)
      endif()
    endforeach()
    foreach(trait IN LISTS arg_WITHOUT)
      if(trait IN_LIST traits)
        set(wanted FALSE)
      endif()
    endforeach()
    if(wanted)
      list(APPEND chosen ${program})
    endif()
  endforeach()
  set(${var} "${chosen}" PARENT_SCOPE)
endfunction()

# Sets VAR to the folder of program NAME.
function(suite_program_dir name var)
  get_property(dir GLOBAL PROPERTY SUITE_DIR_${name})
  set(${var} ${dir} PARENT_SCOPE)
endfunction()

# Sets VAR to the plain case of program NAME, the first of its transcript
# cases (the path without extension) that runs on empty input with nothing
# set up and exits with status 0: how the program runs when nothing is asked
# of it. The checks that change one thing about a run (its output, its
# input) start from it.
function(suite_plain_case name var)
  suite_program_dir(${name} dir)
  file(GLOB outs ${dir}/transcripts/*.out)
  list(SORT outs)
  foreach(out IN LISTS outs)
    string(REGEX REPLACE "\\.out$" "" case ${out})
    if(NOT EXISTS ${case}.in AND NOT EXISTS ${case}.status AND NOT IS_DIRECTORY ${case}.setup)
      set(${var} ${case} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "${name} has no transcript that runs on empty input with nothing set up \
and exits with status 0, in ${dir}/transcripts")
endfunction()

# Writes PROJECT_BINARY_DIR/programs.tsv, the list of the programs as their
# folders declare them, for the scripts that check or package all of them:
# one line per program with its name, its folder (from the top of the
# sources), its traits (comma-separated, "-" for none), the files it
# installs (from the prefix, separated by spaces), the summary of its
# manual page and the package it belongs to (games for a game, exercises
# for the others), tab-separated.
function(suite_write_program_list)
  get_property(programs GLOBAL PROPERTY SUITE_PROGRAMS)
  set(lines "")
  foreach(program IN LISTS programs)
    suite_program_dir(${program} dir)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${dir})
    get_property(traits GLOBAL PROPERTY SUITE_TRAITS_${program})
    get_property(installs GLOBAL PROPERTY SUITE_INSTALLS_${program})
    get_property(summary GLOBAL PROPERTY SUITE_SUMMARY_${program})
    set(package exercises)
    if(game IN_LIST traits)
      set(package games)
    endif()
    list(JOIN traits "," traits)
    list(JOIN installs " " installs)
    if(traits STREQUAL "")
      set(traits -)
    endif()
    string(APPEND lines "${program}\t${folder}\t${traits}\t${installs}\t${summary}\t${package}\n")
  endforeach()
  file(WRITE ${PROJECT_BINARY_DIR}/programs.tsv "${lines}")
endfunction()

# Sets VAR to PATH written as one word of the shell command that a menu
# entry runs as Exec=sh -c "COMMAND". Each layer that reads the Exec key
# undoes one escape, so they are applied here in the reverse order:
#  - the shell: PATH stays bare when it holds only letters, digits and
#    / . _ + -, else it goes in single quotes (each ' as '\'');
#  - the quoted argument: \ " ` $ each get a backslash;
#  - field codes: % is written %%;
#  - the key file's string: each \ is written \\.
# A newline has no place in an Exec key, so PATH must not hold one.
function(suite_desktop_word path var)
  if(path MATCHES "[\n\r]")
    message(FATAL_ERROR "a menu entry cannot name a path with a line break: ${path}")
  endif()
  set(word "${path}")
  if(NOT word MATCHES "^[A-Za-z0-9/._+-]+$")
    string(REPLACE "'" "'\\''" word "${word}")
    set(word "'${word}'")
  endif()
  string(REGEX REPLACE "([\\\\\"`$])" "\\\\\\1" word "${word}")
  string(REPLACE "%" "%%" word "${word}")
  string(REPLACE "\\" "\\\\" word "${word}")
  set(${var} "${word}" PARENT_SCOPE)
endfunction()

function(suite_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "READS_INPUT;PRINTS_NOTHING" "" "")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "suite_program(${name}): unknown ${arg_UNPARSED_ARGUMENTS}")
  endif()
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  set(traits "")
  if(EXISTS ${dir}/${name}.6)
    set(section 6)
    set(destination ${SUITE_INSTALL_GAMESDIR})
    list(APPEND traits game)
  elseif(EXISTS ${dir}/${name}.1)
    set(section 1)
    set(destination ${CMAKE_INSTALL_BINDIR})
  else()
    message(FATAL_ERROR "${name} has no manual page ${name}.1 or ${name}.6 in ${dir}")
  endif()
  if(arg_READS_INPUT)
    list(APPEND traits reads_input)
  endif()
  if(arg_PRINTS_NOTHING)
    list(APPEND traits prints_nothing)
  endif()
  set(page ${dir}/${name}.${section})
  set(installs ${destination}/${name} ${CMAKE_INSTALL_MANDIR}/man${section}/${name}.${section})
  set(desktop_in ${dir}/${name}.desktop.in)
  set(desktop ${CMAKE_CURRENT_BINARY_DIR}/${name}.desktop)
  set(metainfo ${dir}/${name}.metainfo.xml)
  set(apps ${CMAKE_INSTALL_DATAROOTDIR}/applications)
  set(icons ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
  set(metainfo_dir ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
  # AppStream wants the metainfo file named by the component's ID.
  set(metainfo_name ${SUITE_APPSTREAM_ID_PREFIX}.${name}.metainfo.xml)
  if(EXISTS ${desktop_in})
    list(APPEND installs ${apps}/${name}.desktop ${icons}/${name}.svg
         ${metainfo_dir}/${metainfo_name})
  endif()
  set_property(GLOBAL APPEND PROPERTY SUITE_PROGRAMS ${name})
  set_property(GLOBAL PROPERTY SUITE_DIR_${name} ${dir})
  set_property(GLOBAL PROPERTY SUITE_TRAITS_${name} ${traits})
  set_property(GLOBAL PROPERTY SUITE_INSTALLS_${name} ${installs})
  # The page's NAME line, "NAME \- SUMMARY", says in a line what it does.
  file(STRINGS ${page} line REGEX "^${name} \\\\- " LIMIT_COUNT 1)
  if(NOT line MATCHES "^${name} \\\\- (.+)$")
    message(FATAL_ERROR "${page} has no NAME line '${name} \\- SUMMARY'")
  endif()
  set_property(GLOBAL PROPERTY SUITE_SUMMARY_${name} "${CMAKE_MATCH_1}")

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

  # A game's entry in the desktop's menus. It names the program by the full
  # path it is installed to: a session's PATH need not hold the games'
  # folder. The path is the one configured; installing elsewhere
  # (cmake --install --prefix) does not change it.
  if(EXISTS ${desktop_in})
    cmake_path(SET program NORMALIZE "${CMAKE_INSTALL_PREFIX}/${destination}/${name}")
    suite_desktop_word("${program}" program)
    configure_file(${desktop_in} ${desktop} @ONLY)
    install(FILES ${desktop} DESTINATION ${apps})
    install(FILES ${dir}/${name}.svg DESTINATION ${icons})
    install(FILES ${metainfo} DESTINATION ${metainfo_dir} RENAME ${metainfo_name})
    set_property(GLOBAL APPEND PROPERTY SUITE_INSTALL_DIRS ${apps} ${icons} ${metainfo_dir})
    # No validator compares the version of a release with the project's.
    file(STRINGS ${metainfo} newest REGEX "<release " LIMIT_COUNT 1)
    if(NOT newest MATCHES "version=\"${PROJECT_VERSION}\"")
      message(FATAL_ERROR "${metainfo}: the first <release> must be version ${PROJECT_VERSION}")
    endif()
  endif()

  if(NOT BUILD_TESTING)
    return()
  endif()
  # Every test of this program, whatever its kind, carries the program's
  # name as a label: ctest -L NAME runs them all.
  set_property(DIRECTORY APPEND PROPERTY LABELS ${name})

  add_test(NAME ${name}.manpage COMMAND ${CMAKE_COMMAND} -DPAGE=${page} -P
                                        ${SUITE_TESTING_DIR}/lint_manpage.cmake)
  set_tests_properties(${name}.manpage PROPERTIES LABELS manpage SKIP_REGULAR_EXPRESSION
                                                   "mandoc is not installed")
  if(EXISTS ${desktop_in})
    suite_validate(${name} desktop desktop-file-validate desktop-file-utils ${desktop})
    suite_metainfo_validation(${metainfo} overrides accept)
    suite_validate(${name} metainfo appstreamcli appstream validate --pedantic --no-net ${overrides}
                   ${metainfo} ACCEPT ${accept})
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
