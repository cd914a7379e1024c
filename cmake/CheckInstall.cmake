# Installs the build into a scratch prefix and checks it: every executable in
# bin, every manual page in share/man, the README in share/doc, and each
# installed program passing one of its transcripts.
include(${CMAKE_CURRENT_LIST_DIR}/DeliveryCheck.cmake)

set(prefix ${WORK}/prefix)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                COMMAND_ERROR_IS_FATAL ANY OUTPUT_QUIET)
check_tree(${prefix})
file(GLOB readme ${prefix}/share/doc/*/README.md)
if(NOT readme)
  message(FATAL_ERROR "README.md is not installed in ${prefix}/share/doc")
endif()
foreach(name dir IN ZIP_LISTS programs dirs)
  run_first_transcript(${name} ${prefix}/bin/${name} ${dir})
endforeach()
