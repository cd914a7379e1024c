# Installs the build into a scratch prefix and checks it: exactly the games
# in games, the exercises in bin, their manual pages compressed in
# share/man, each package's documentation in share/doc, and each installed
# program passing the first of its transcripts. Then the uninstall target
# must remove all of it, and only it.
include(${CMAKE_CURRENT_LIST_DIR}/DeliveryCheck.cmake)

# The build tree's record of a real installation is kept aside meanwhile, so
# that the uninstall target still removes that one afterwards.
set(records install_manifest.txt install_created_dirs.txt)
foreach(record IN LISTS records)
  if(EXISTS ${BUILD_DIR}/${record})
    file(RENAME ${BUILD_DIR}/${record} ${WORK}/${record})
  endif()
endforeach()

# Something that was there before: a directory the installation also uses,
# holding a file of somebody else's.
set(prefix ${WORK}/prefix)
file(WRITE ${prefix}/share/other.txt "not ours\n")
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                COMMAND_ERROR_IS_FATAL ANY OUTPUT_QUIET)
check_tree(${prefix} share/other.txt)
run_installed(${prefix})

execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target uninstall
                COMMAND_ERROR_IS_FATAL ANY OUTPUT_QUIET)
file(GLOB_RECURSE left LIST_DIRECTORIES true RELATIVE ${prefix} ${prefix}/*)
if(NOT left STREQUAL "share;share/other.txt")
  message(FATAL_ERROR "after uninstall the prefix should hold only share/other.txt, not: ${left}")
endif()
message(STATUS "uninstall removed everything it installed and nothing else")

foreach(record IN LISTS records)
  file(REMOVE ${BUILD_DIR}/${record})
  if(EXISTS ${WORK}/${record})
    file(RENAME ${WORK}/${record} ${BUILD_DIR}/${record})
  endif()
endforeach()
