# The documents, and the uninstall target: it removes what cmake --install put in place and the
# folders it created, once empty. Included before the programs, so that its first rule runs first.
add_custom_target(uninstall COMMAND ${CMAKE_COMMAND} -P ${PROJECT_BINARY_DIR}/uninstall.cmake
                  COMMENT "Removing what cmake --install put in place" VERBATIM)
set(created ${PROJECT_BINARY_DIR}/install_created_dirs.txt)

# Notes the install folders that do not exist yet; a staged install (DESTDIR) is never undone here.
string(CONFIGURE [[
if("$ENV{DESTDIR}" STREQUAL "")
  set(created "")
  foreach(dir IN ITEMS $<TARGET_PROPERTY:uninstall,SUITE_INSTALL_DIRS>)
    cmake_path(ABSOLUTE_PATH dir BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE)
    while(NOT IS_DIRECTORY "${dir}")
      list(APPEND created "${dir}")
      cmake_path(GET dir PARENT_PATH dir)
    endwhile()
  endforeach()
  file(WRITE [==[@created@]==] "${created}")
endif()]] code @ONLY)
install(CODE "${code}")

file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/uninstall.cmake @ONLY CONTENT [[
if(NOT EXISTS [==[@PROJECT_BINARY_DIR@/install_manifest.txt]==])
  message(FATAL_ERROR "nothing to uninstall: run cmake --install first")
endif()
file(STRINGS [==[@PROJECT_BINARY_DIR@/install_manifest.txt]==] files)
file(REMOVE ${files})
set(created "")
if(EXISTS [==[@created@]==])
  file(READ [==[@created@]==] created)
endif()
list(REMOVE_DUPLICATES created)
list(SORT created ORDER DESCENDING)
foreach(dir IN LISTS created)
  file(GLOB entries "${dir}/*" "${dir}/.*")
  if(IS_DIRECTORY "${dir}" AND NOT entries)
    file(REMOVE_RECURSE "${dir}")
  endif()
endforeach()
file(REMOVE [==[@created@]==] [==[@PROJECT_BINARY_DIR@/install_manifest.txt]==])
]])

foreach(package IN ITEMS games exercises)
  set(docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc/${PROJECT_NAME}-${package})
  install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${docdir})
  set_property(TARGET uninstall APPEND PROPERTY SUITE_INSTALL_DIRS ${docdir})
endforeach()
