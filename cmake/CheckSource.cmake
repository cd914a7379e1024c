# Checks the source tarball console-suite-VERSION.tar.gz in PACKAGES: it
# holds the files git tracks (those present in the working tree), in the
# folder console-suite-VERSION/, and nothing else; unpacked, it configures
# with the default preset, builds, and passes every transcript. The unit
# tests are left out of that build (SUITE_UNIT_TESTS=OFF): they are the
# same sources as in the checkout, and the file list proves they are there.
include(${CMAKE_CURRENT_LIST_DIR}/DeliveryCheck.cmake)

set(top ${project}-${VERSION})
find_one(${PACKAGES}/${top}.tar.gz tarball)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xzf ${tarball} WORKING_DIRECTORY ${WORK}
                COMMAND_ERROR_IS_FATAL ANY)
file(GLOB unpacked RELATIVE ${WORK} ${WORK}/*)
if(NOT unpacked STREQUAL top)
  message(FATAL_ERROR "the tarball should hold the one folder ${top}, not: ${unpacked}")
endif()

find_program(GIT git REQUIRED)
execute_process(COMMAND ${GIT} -C ${SOURCE_DIR} ls-files OUTPUT_VARIABLE tracked
                COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" tracked "${tracked}")
set(wanted "")
foreach(path IN LISTS tracked)
  if(EXISTS ${SOURCE_DIR}/${path})
    list(APPEND wanted ${path})
  endif()
endforeach()
list(SORT wanted)
check_file_list(${WORK}/${top} ${wanted})
list(LENGTH wanted count)
message(STATUS "${tarball}: the ${count} tracked files and nothing else")

foreach(step IN ITEMS "cmake;--preset;default;-DSUITE_UNIT_TESTS=OFF" "cmake;--build;--preset;default"
                      "ctest;--preset;default;-L;transcript")
  execute_process(COMMAND ${step} WORKING_DIRECTORY ${WORK}/${top} OUTPUT_VARIABLE log
                  ERROR_VARIABLE log RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${step} failed in the unpacked tarball:\n${log}")
  endif()
endforeach()
string(REGEX MATCH "[0-9]+% tests passed[^\n]*" summary "${log}")
message(STATUS "unpacked, configured and built; transcripts: ${summary}")
