# Installation of the whole suite, the Debian package, and the tests that
# prove both. Included after every program has been wired, so the list of
# programs is complete.

install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
set_property(GLOBAL APPEND PROPERTY SUITE_INSTALL_DIRS ${CMAKE_INSTALL_DOCDIR})

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
          ${SUITE_CMAKE_DIR}/Uninstall.cmake
  COMMENT "Removing what cmake --install put in place"
  VERBATIM)

set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small console games and exercise programs")
set(CPACK_PACKAGE_DESCRIPTION
    "Twenty-two small, independent programs for the Linux console: two games\n\
played against the computer (diceduel, marblepile) and twenty short exercise\n\
programs: string searches, array transforms, formulas, lookup tables, money\n\
totals and greetings. Each reads only standard input and writes only standard\n\
output, and comes with a manual page.")
set(CPACK_PACKAGE_CONTACT
    "Console suite maintainers <maintainers@users.noreply.c-seed-8b8b4cdd.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)

if(NOT SUITE_BUILD_TESTS)
  return()
endif()

get_property(programs GLOBAL PROPERTY SUITE_PROGRAMS)
get_property(dirs GLOBAL PROPERTY SUITE_PROGRAM_DIRS)
# Lists travel to the check scripts with '|' in place of ';'.
string(REPLACE ";" "|" programs "${programs}")
string(REPLACE ";" "|" dirs "${dirs}")

# Runs SCRIPT.cmake as the test suite.CHECK, with the list of programs.
function(suite_delivery_check check script)
  add_test(
    NAME suite.${check}
    COMMAND
      ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DWORK=${PROJECT_BINARY_DIR}/${check}-check
      -DPROGRAMS=${programs} -DDIRS=${dirs} -DEXPECTED=22 -DSTATIC_LINK=${SUITE_STATIC} -P
      ${SUITE_CMAKE_DIR}/${script}.cmake)
  # Both install from the same build tree: one at a time.
  set_tests_properties(suite.${check} PROPERTIES LABELS ${check} RESOURCE_LOCK build-install
                                                 TIMEOUT 600)
endfunction()

suite_delivery_check(install CheckInstall)

# ctest -L NAME must select every test of program NAME.
add_test(NAME suite.labels COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
                                   -DCTEST=${CMAKE_CTEST_COMMAND} -DPROGRAMS=${programs} -P
                                   ${SUITE_CMAKE_DIR}/CheckLabels.cmake)
set_tests_properties(suite.labels PROPERTIES LABELS labels TIMEOUT 120)
suite_delivery_check(package CheckPackage)
