# Checks that the list of programs the build derives from their folders'
# declarations (BUILD_DIR/programs.tsv) holds every program folder of the
# sources and nothing else: a folder under games/ or exercises/ with a
# main.cpp is a program named as its folder, and one whose CMakeLists.txt
# is not reached by add_subdirectory would be built, tested and packaged by
# no one.
#   cmake -DSOURCE_DIR=... -DBUILD_DIR=... -P check_program_list.cmake
cmake_minimum_required(VERSION 3.25)

file(GLOB_RECURSE mains RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/games/*/main.cpp
     ${SOURCE_DIR}/exercises/*/main.cpp)
set(folders "")
foreach(main IN LISTS mains)
  get_filename_component(folder ${main} DIRECTORY)
  list(APPEND folders ${folder})
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/program_list.cmake)
program_list_column(${BUILD_DIR} 0 programs)
program_list_column(${BUILD_DIR} 1 listed)
set(failures "")
foreach(program folder IN ZIP_LISTS programs listed)
  get_filename_component(base ${folder} NAME)
  if(NOT base STREQUAL program)
    list(APPEND failures "${program} lives in ${folder}, a folder of another name")
  endif()
  if(NOT folder IN_LIST folders)
    list(APPEND failures "${program}: no ${folder}/main.cpp")
  endif()
endforeach()
foreach(folder IN LISTS folders)
  if(NOT folder IN_LIST listed)
    list(APPEND failures "${folder} holds a main.cpp but declares no program \
(suite_program in its CMakeLists.txt, add_subdirectory in its group's)")
  endif()
endforeach()

list(LENGTH listed count)
if(failures)
  list(JOIN failures "\n  " summary)
  message(FATAL_ERROR "program folders and programs.tsv disagree:\n  ${summary}")
endif()
message(STATUS "${count} program folders, each declared once")
