# Installation of the whole suite, the Debian packages, the source tarball,
# and the tests that prove them. Included after every program has been
# wired, so the list of programs is complete.
#
# `cpack -G DEB` makes one package per install component, named
# console-suite-COMPONENT: the games and the exercises, with their
# executables stripped, and beside each a -dbgsym package holding their
# debug information (cmake/InstallDebugInfo.cmake). `cpack --config
# CPackSourceConfig.cmake` makes console-suite-VERSION.tar.gz from the
# tracked sources.

set(SUITE_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(SUITE_COMPONENTS games exercises)

# The changelog's newest entry names the version that is packaged.
file(STRINGS ${SUITE_PACKAGING_DIR}/changelog newest LIMIT_COUNT 1)
if(NOT newest MATCHES "^${PROJECT_NAME} \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog must begin with an entry for ${PROJECT_VERSION}")
endif()
suite_gzip(${SUITE_PACKAGING_DIR}/changelog ${PROJECT_BINARY_DIR}/doc/changelog.gz)

# Every package documents itself in /usr/share/doc/PACKAGE; the debug
# packages, which cmake --install leaves out, without the README.
foreach(component IN LISTS SUITE_COMPONENTS)
  set(docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc/${PROJECT_NAME}-${component})
  set(docs ${SUITE_PACKAGING_DIR}/copyright ${PROJECT_BINARY_DIR}/doc/changelog.gz)
  install(FILES ${docs} ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${docdir} COMPONENT ${component})
  install(FILES ${docs} DESTINATION ${docdir}-dbgsym COMPONENT ${component}-debug EXCLUDE_FROM_ALL)
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
          ${SUITE_CMAKE_DIR}/Uninstall.cmake
  COMMENT "Removing what cmake --install put in place"
  VERBATIM)

set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT
    "Console suite maintainers <maintainers@users.noreply.c-seed-8b8b4cdd.example>")
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${SUITE_COMPONENTS})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# CPack's own debug packages (CPACK_DEBIAN_DEBUGINFO_PACKAGE) list the
# absolute paths of its staging folder in their md5sums, which lintian
# rejects and which differ from one build folder to the next; these are
# plain components instead.
# (CPack empties a folder named COMPONENT-dbgsym on the way, hence
# COMPONENT-debug.)
foreach(component IN LISTS SUITE_COMPONENTS)
  list(APPEND CPACK_COMPONENTS_ALL ${component}-debug)
  string(TOUPPER ${component}-debug upper)
  set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${PROJECT_NAME}-${component}-dbgsym)
  set(CPACK_DEBIAN_${upper}_PACKAGE_SECTION debug)
  set(CPACK_DEBIAN_${upper}_PACKAGE_SHLIBDEPS OFF)
  set(CPACK_DEBIAN_${upper}_PACKAGE_DEPENDS "${PROJECT_NAME}-${component} (= ${PROJECT_VERSION})")
  set(CPACK_COMPONENT_${upper}_DESCRIPTION "debug symbols for ${PROJECT_NAME}-${component}
The debug information of the executables in ${PROJECT_NAME}-${component},
which debuggers find by the build ID of each executable.")
endforeach()
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackProjectConfig.cmake)
configure_file(${SUITE_PACKAGING_DIR}/CPackProjectConfig.cmake.in ${CPACK_PROJECT_CONFIG_FILE} @ONLY)

set(CPACK_DEBIAN_GAMES_PACKAGE_SECTION games)
set(CPACK_COMPONENT_GAMES_DESCRIPTION
    "two console games against the computer: dice and marbles
diceduel is a game of one die between you and the computer: roll on to pile
up points for the turn, or hold to keep them, until one of you reaches 100.
marblepile is a take-away game on a pile of 11 marbles against a computer
that plays a smart strategy.

Both are played in a terminal: they read your answers from standard input
and write to standard output. Each has a manual page in section 6.")

set(CPACK_DEBIAN_EXERCISES_PACKAGE_SECTION education)
set(CPACK_COMPONENT_EXERCISES_DESCRIPTION
    "twenty short C++ exercise programs for the console
Each program computes one thing and, most of them, prints it: string searches
and rewrites (strprobe, starstrip, charwalk), array transformations and
counts (peaksmooth, gridscan, primetally, sumcheck, oddsumfile), small
formulas (lumencalc, largest3, hikecalc, divisiondemo, storedvals), table
look-ups (shapetable, menutable, rosterfilter), money totals (tallyshow,
tillbook) and greetings (coursegreet, namegreet).

They take no arguments. coursegreet and namegreet read from standard input;
oddsumfile writes its result to the file a.txt in the current directory.
Each has a manual page in section 1.")

set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION})
include(CPack)

if(NOT SUITE_BUILD_TESTS)
  return()
endif()

get_property(programs GLOBAL PROPERTY SUITE_PROGRAMS)
get_property(dirs GLOBAL PROPERTY SUITE_PROGRAM_DIRS)
# Lists travel to the check scripts with '|' in place of ';'.
string(REPLACE ";" "|" programs "${programs}")
string(REPLACE ";" "|" dirs "${dirs}")

# Runs SCRIPT.cmake as the test PREFIX.CHECK with label LABEL, the list of
# programs, and any further -D arguments.
function(suite_delivery_check prefix check label script)
  add_test(
    NAME ${prefix}.${check}
    COMMAND
      ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
      -DWORK=${PROJECT_BINARY_DIR}/${check}-check -DPROGRAMS=${programs} -DDIRS=${dirs}
      -DVERSION=${PROJECT_VERSION} -DEXPECTED=22 -DEXPECTED_GAMES=2 -DSTATIC_LINK=${SUITE_STATIC}
      ${ARGN} -P
      ${SUITE_CMAKE_DIR}/${script}.cmake)
  set_tests_properties(${prefix}.${check} PROPERTIES LABELS ${label} TIMEOUT 600)
endfunction()

# Both install from the same build tree: one at a time.
suite_delivery_check(suite install install CheckInstall)
suite_delivery_check(suite package package CheckPackage)
set_tests_properties(suite.install suite.package PROPERTIES RESOURCE_LOCK build-install
                                                           SKIP_REGULAR_EXPRESSION "is not installed")

# ctest -L NAME must select every test of program NAME.
add_test(NAME suite.labels COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
                                   -DCTEST=${CMAKE_CTEST_COMMAND} -DPROGRAMS=${programs} -P
                                   ${SUITE_CMAKE_DIR}/CheckLabels.cmake)
set_tests_properties(suite.labels PROPERTIES LABELS labels TIMEOUT 120)

if(SUITE_RELEASE_CHECKS)
  include(${SUITE_CMAKE_DIR}/ReleaseChecks.cmake)
endif()
