# Shared by CheckInstall.cmake and CheckPackage.cmake: the list of programs,
# and the checks of an installed tree (a prefix, or an unpacked package).
#   -DBUILD_DIR=  the build tree
#   -DWORK=       a scratch folder, emptied first
#   -DPROGRAMS=   program names, separated by '|'
#   -DDIRS=       their source folders, in the same order
#   -DEXPECTED=   how many programs the suite must have
cmake_minimum_required(VERSION 3.25)

set(runner ${CMAKE_CURRENT_LIST_DIR}/RunTranscript.cmake)
string(REPLACE "|" ";" programs "${PROGRAMS}")
string(REPLACE "|" ";" dirs "${DIRS}")
list(LENGTH programs count)
if(NOT count EQUAL EXPECTED)
  message(FATAL_ERROR "the build wires ${count} programs, expected ${EXPECTED}: ${programs}")
endif()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# The manual page of the program in DIR: NAME.1 or NAME.6. Sets page_file
# (the source file) and page_section.
function(find_page name dir)
  foreach(section IN ITEMS 1 6)
    if(EXISTS ${dir}/${name}.${section})
      set(page_file ${dir}/${name}.${section} PARENT_SCOPE)
      set(page_section ${section} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "${name} has no manual page in ${dir}")
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

# Checks that ROOT (an installed prefix) holds every program, executable, and
# every manual page, and nothing else in bin.
function(check_tree root)
  foreach(name dir IN ZIP_LISTS programs dirs)
    if(NOT EXISTS ${root}/bin/${name} OR IS_DIRECTORY ${root}/bin/${name})
      message(FATAL_ERROR "missing executable ${root}/bin/${name}")
    endif()
    execute_process(COMMAND test -x ${root}/bin/${name} RESULT_VARIABLE not_executable)
    if(not_executable)
      message(FATAL_ERROR "${root}/bin/${name} is not executable")
    endif()
    find_page(${name} ${dir})
    set(installed ${root}/share/man/man${page_section}/${name}.${page_section})
    if(NOT EXISTS ${installed})
      message(FATAL_ERROR "missing manual page ${installed}")
    endif()
  endforeach()
  file(GLOB present RELATIVE ${root}/bin ${root}/bin/*)
  foreach(name IN LISTS present)
    if(NOT name IN_LIST programs)
      message(FATAL_ERROR "unexpected file in ${root}/bin: ${name}")
    endif()
  endforeach()
  file(GLOB pages ${root}/share/man/man*/*)
  list(LENGTH pages page_count)
  if(NOT page_count EQUAL EXPECTED)
    message(FATAL_ERROR "found ${page_count} manual pages, expected ${EXPECTED}")
  endif()
endfunction()
