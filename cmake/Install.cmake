# Installation of what the programs do not install themselves, and its
# undoing; included once every program is wired. The documentation goes
# where each Debian package keeps its own, /usr/share/doc/PACKAGE.
foreach(package IN ITEMS games exercises)
  set(docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc/${PROJECT_NAME}-${package})
  install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${docdir})
  set_property(GLOBAL APPEND PROPERTY SUITE_INSTALL_DIRS ${docdir})
endforeach()

# Every directory the installation puts files in, with its parents up to the
# prefix, for the uninstall target (cmake/Uninstall.cmake).
get_property(install_dirs GLOBAL PROPERTY SUITE_INSTALL_DIRS)
set(all_dirs .)
foreach(dir IN LISTS install_dirs)
  while(NOT dir STREQUAL "" AND NOT dir STREQUAL "/")
    list(APPEND all_dirs ${dir})
    cmake_path(GET dir PARENT_PATH dir)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES all_dirs)
list(JOIN all_dirs "\n" all_dirs)
file(WRITE ${PROJECT_BINARY_DIR}/install_dirs.txt "${all_dirs}\n")
add_custom_target(
  uninstall
  COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DMODE=remove -P
          ${CMAKE_CURRENT_LIST_DIR}/Uninstall.cmake
  COMMENT "Removing what cmake --install put in place"
  VERBATIM)
