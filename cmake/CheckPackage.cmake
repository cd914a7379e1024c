# Builds the Debian package from the build tree and checks it: its control
# fields, that it lists every executable and manual page, and that a game
# unpacked from it plays.
include(${CMAKE_CURRENT_LIST_DIR}/DeliveryCheck.cmake)

find_program(DPKG_DEB dpkg-deb REQUIRED)
execute_process(COMMAND cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK}/out
                OUTPUT_VARIABLE log ERROR_VARIABLE log RESULT_VARIABLE failed)
file(GLOB deb ${WORK}/out/*.deb)
if(failed OR NOT deb)
  message(FATAL_ERROR "cpack -G DEB failed:\n${log}")
endif()
message(STATUS "package: ${deb}")

execute_process(COMMAND ${DPKG_DEB} --field ${deb} Package Version Maintainer Depends Description
                OUTPUT_VARIABLE fields COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "control fields:\n${fields}")
set(required Package Version Maintainer Description)
if(STATIC_LINK)
  # Executables linked fully statically load no shared library, so the
  # package has nothing to depend on.
  if(fields MATCHES "(^|\n)Depends: [^\n]")
    message(FATAL_ERROR "the package of a static build should depend on nothing")
  endif()
else()
  list(APPEND required Depends)
endif()
foreach(field IN LISTS required)
  if(NOT fields MATCHES "(^|\n)${field}: [^\n]")
    message(FATAL_ERROR "the package has no ${field} field")
  endif()
endforeach()

execute_process(COMMAND ${DPKG_DEB} -c ${deb} OUTPUT_VARIABLE listing COMMAND_ERROR_IS_FATAL ANY)
foreach(name dir IN ZIP_LISTS programs dirs)
  find_page(${name} ${dir})
  foreach(path IN ITEMS ./usr/bin/${name} ./usr/share/man/man${page_section}/${name}.${page_section})
    string(FIND "${listing}" " ${path}\n" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "the package does not hold ${path}")
    endif()
  endforeach()
endforeach()

set(root ${WORK}/root)
execute_process(COMMAND ${DPKG_DEB} -x ${deb} ${root} COMMAND_ERROR_IS_FATAL ANY)
check_tree(${root}/usr)
foreach(name dir IN ZIP_LISTS programs dirs)
  if(name STREQUAL "diceduel")
    run_first_transcript(${name} ${root}/usr/bin/${name} ${dir})
  endif()
endforeach()
