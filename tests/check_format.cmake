# Formats the suite's C++ sources with clang-format, or checks that they are.
#   cmake -DMODE=check -P tests/check_format.cmake    fails on any unformatted file
#   cmake -DMODE=fix -P tests/check_format.cmake      rewrites files in place
get_filename_component(root ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
find_program(CLANG_FORMAT NAMES clang-format clang-format-14 REQUIRED)

set(sources "")
foreach(folder IN ITEMS games exercises support tests bench fuzz)
  file(GLOB_RECURSE found ${root}/${folder}/*.cpp ${root}/${folder}/*.hpp ${root}/${folder}/*.c)
  list(APPEND sources ${found})
endforeach()
list(SORT sources)

if(MODE STREQUAL "fix")
  execute_process(COMMAND ${CLANG_FORMAT} -i ${sources} COMMAND_ERROR_IS_FATAL ANY)
elseif(MODE STREQUAL "check")
  execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "Some sources are not formatted; run: cmake -DMODE=fix -P tests/check_format.cmake")
  endif()
  list(LENGTH sources count)
  message(STATUS "format check: ${count} files formatted")
else()
  message(FATAL_ERROR "MODE must be check or fix")
endif()
