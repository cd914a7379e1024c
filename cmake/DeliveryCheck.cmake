# Shared by the checks of what the suite delivers: the list of programs, and
# the checks of an installed tree (a prefix, or unpacked packages).
#   -DBUILD_DIR=       the build tree
#   -DSOURCE_DIR=      the source tree
#   -DWORK=            a scratch folder, emptied first
#   -DPROGRAMS=        program names, separated by '|'
#   -DDIRS=            their source folders, in the same order
#   -DEXPECTED=        how many programs the suite must have
#   -DEXPECTED_GAMES=  how many of them are games
cmake_minimum_required(VERSION 3.25)

set(runner ${CMAKE_CURRENT_LIST_DIR}/RunTranscript.cmake)
set(project console-suite)
set(components games exercises)
string(REPLACE "|" ";" programs "${PROGRAMS}")
string(REPLACE "|" ";" dirs "${DIRS}")
list(LENGTH programs count)
if(NOT count EQUAL EXPECTED)
  message(FATAL_ERROR "the build wires ${count} programs, expected ${EXPECTED}: ${programs}")
endif()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
# Stops the check, as skipped, when a tool it needs is missing: each argument
# is TOOL=PACKAGE, the Debian package that brings TOOL.
function(require_tools)
  foreach(pair IN LISTS ARGN)
    string(REPLACE "=" ";" pair ${pair})
    list(GET pair 0 tool)
    list(GET pair 1 package)
    find_program(found_${tool} ${tool})
    if(NOT found_${tool})
      message(FATAL_ERROR "${tool} is not installed (Debian package ${package})")
    endif()
  endforeach()
endfunction()

require_tools(dpkg-deb=dpkg readelf=binutils)
find_program(DPKG_DEB dpkg-deb REQUIRED)
find_program(READELF readelf REQUIRED)

# Sets OUT to the one file matching PATTERN.
function(find_one pattern out)
  file(GLOB found ${pattern})
  list(LENGTH found n)
  if(NOT n EQUAL 1)
    message(FATAL_ERROR "expected one file ${pattern}, found: ${found}")
  endif()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Sets OUT to where the debug package holds the debug information of the
# ELF executable EXE: usr/lib/debug/.build-id/NN/REST.debug, by its build ID.
function(debug_file exe out)
  execute_process(COMMAND ${READELF} -n ${exe} OUTPUT_VARIABLE notes COMMAND_ERROR_IS_FATAL ANY)
  if(NOT notes MATCHES "Build ID: ([0-9a-f][0-9a-f])([0-9a-f]+)")
    message(FATAL_ERROR "${exe} has no build ID")
  endif()
  set(${out} usr/lib/debug/.build-id/${CMAKE_MATCH_1}/${CMAKE_MATCH_2}.debug PARENT_SCOPE)
endfunction()

# Unpacks every .deb in the folder PACKAGES into ROOT, as dpkg -x does.
function(unpack_all root)
  file(GLOB debs ${PACKAGES}/*.deb)
  foreach(deb IN LISTS debs)
    execute_process(COMMAND ${DPKG_DEB} -x ${deb} ${root} COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
endfunction()

# Where the program in DIR belongs, by its manual page: a game (NAME.6)
# installs into games, an exercise (NAME.1) into bin. Sets page_section,
# program_folder and component.
function(find_place name dir)
  if(EXISTS ${dir}/${name}.6)
    set(place 6 games games)
  elseif(EXISTS ${dir}/${name}.1)
    set(place 1 bin exercises)
  else()
    message(FATAL_ERROR "${name} has no manual page in ${dir}")
  endif()
  list(GET place 0 page_section)
  list(GET place 1 program_folder)
  list(GET place 2 component)
  set(page_section ${page_section} PARENT_SCOPE)
  set(program_folder ${program_folder} PARENT_SCOPE)
  set(component ${component} PARENT_SCOPE)
endfunction()

# Sets OUT to the sorted files, relative to the prefix, that an install of
# COMPONENT holds ("all" for every component).
function(expected_files wanted out)
  set(files "")
  foreach(name dir IN ZIP_LISTS programs dirs)
    find_place(${name} ${dir})
    if(wanted STREQUAL "all" OR wanted STREQUAL component)
      list(APPEND files ${program_folder}/${name} share/man/man${page_section}/${name}.${page_section}.gz)
    endif()
  endforeach()
  foreach(component IN LISTS components)
    if(wanted STREQUAL "all" OR wanted STREQUAL component)
      foreach(doc IN ITEMS README.md changelog.gz copyright)
        list(APPEND files share/doc/${project}-${component}/${doc})
      endforeach()
    endif()
  endforeach()
  list(SORT files)
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# Fails unless the folder ROOT holds exactly the files given after it
# (sorted relative paths), naming the missing and the unexpected ones.
function(check_file_list root)
  file(GLOB_RECURSE present LIST_DIRECTORIES false RELATIVE ${root} ${root}/*)
  list(SORT present)
  if(NOT "${present}" STREQUAL "${ARGN}")
    set(missing ${ARGN})
    list(REMOVE_ITEM missing ${present})
    set(extra ${present})
    list(REMOVE_ITEM extra ${ARGN})
    message(FATAL_ERROR "${root} does not hold what it should:\n"
                        "  missing: ${missing}\n  unexpected: ${extra}")
  endif()
endfunction()

# Fails unless GZ is SOURCE compressed by gzip without a name or time stamp
# in its header (gzip -n).
function(check_gzip gz source)
  file(READ ${gz} header HEX LIMIT 8)
  if(NOT header STREQUAL "1f8b080000000000")
    message(FATAL_ERROR "${gz} is not gzip data without name and time stamp: ${header}")
  endif()
  get_filename_component(plain ${gz} NAME_WLE)
  execute_process(COMMAND gzip -dc ${gz} OUTPUT_FILE ${WORK}/${plain} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${source} ${WORK}/${plain}
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${gz} does not hold ${source}")
  endif()
endfunction()

# Checks that ROOT (an installed prefix) holds exactly the suite, and the
# files given after it: every program, executable, in its folder, every
# manual page compressed, and the documentation of both packages.
function(check_tree root)
  expected_files(all wanted)
  list(APPEND wanted ${ARGN})
  list(SORT wanted)
  check_file_list(${root} ${wanted})
  set(games 0)
  foreach(name dir IN ZIP_LISTS programs dirs)
    find_place(${name} ${dir})
    execute_process(COMMAND test -x ${root}/${program_folder}/${name} RESULT_VARIABLE not_executable)
    if(not_executable)
      message(FATAL_ERROR "${root}/${program_folder}/${name} is not executable")
    endif()
    check_gzip(${root}/share/man/man${page_section}/${name}.${page_section}.gz
               ${dir}/${name}.${page_section})
    if(component STREQUAL "games")
      math(EXPR games "${games} + 1")
    endif()
  endforeach()
  if(NOT games EQUAL EXPECTED_GAMES)
    message(FATAL_ERROR "found ${games} games, expected ${EXPECTED_GAMES}")
  endif()
  foreach(component IN LISTS components)
    set(doc ${root}/share/doc/${project}-${component})
    check_gzip(${doc}/changelog.gz ${SOURCE_DIR}/packaging/changelog)
    foreach(file IN ITEMS packaging/copyright README.md)
      get_filename_component(base ${file} NAME)
      execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SOURCE_DIR}/${file} ${doc}/${base}
                      RESULT_VARIABLE differs)
      if(differs)
        message(FATAL_ERROR "${doc}/${base} differs from ${file}")
      endif()
    endforeach()
  endforeach()
endfunction()

# Runs the installed program at EXE against the first of its transcripts
# in DIR, in a scratch folder below WORK.
function(run_first_transcript name exe dir)
  file(GLOB outs ${dir}/transcripts/*.out)
  list(SORT outs)
  list(GET outs 0 out)
  get_filename_component(case ${out} NAME_WE)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=${exe} -DCASE=${dir}/transcripts/${case}
            -DWORK=${WORK}/runs/${name} -P ${runner}
    RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "installed ${name} failed its transcript ${case}")
  endif()
  message(STATUS "${name}: installed program passes transcript ${case}")
endfunction()

# Runs every program installed below ROOT against its first transcript.
function(run_installed root)
  foreach(name dir IN ZIP_LISTS programs dirs)
    find_place(${name} ${dir})
    run_first_transcript(${name} ${root}/${program_folder}/${name} ${dir})
  endforeach()
endfunction()
