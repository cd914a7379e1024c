# Undoing `cmake --install`, in two steps run by this one script:
#
#   MODE=record  runs first of all install rules: notes which of the
#                suite's install directories (BUILD_DIR/install_dirs.txt,
#                relative to the prefix) do not exist yet, in
#                BUILD_DIR/install_created_dirs.txt.
#   MODE=remove  the uninstall target: removes every file of
#                BUILD_DIR/install_manifest.txt, then the directories that
#                the installation created, once they are empty.
#
# Directories that existed before stay, empty or not; so do files that the
# suite did not install. A staged installation (DESTDIR, as for a package)
# records nothing: it is never uninstalled from here.
cmake_minimum_required(VERSION 3.25)

set(created_file ${BUILD_DIR}/install_created_dirs.txt)

if(MODE STREQUAL "record")
  if(NOT "$ENV{DESTDIR}" STREQUAL "")
    return()
  endif()
  set(created "")
  if(EXISTS ${created_file})
    file(STRINGS ${created_file} created)
  endif()
  file(STRINGS ${BUILD_DIR}/install_dirs.txt dirs)
  foreach(dir IN LISTS dirs)
    cmake_path(ABSOLUTE_PATH dir BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX} NORMALIZE OUTPUT_VARIABLE
               path)
    string(REGEX REPLACE "(.)/$" "\\1" path "${path}")
    if(NOT IS_DIRECTORY ${path})
      list(APPEND created ${path})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES created)
  list(JOIN created "\n" text)
  file(WRITE ${created_file} "${text}\n")
  return()
endif()

if(NOT MODE STREQUAL "remove")
  message(FATAL_ERROR "Uninstall.cmake needs -DMODE=record or -DMODE=remove")
endif()

set(manifest ${BUILD_DIR}/install_manifest.txt)
if(NOT EXISTS ${manifest})
  message(FATAL_ERROR "nothing to uninstall: ${manifest} is missing (run cmake --install first)")
endif()
file(STRINGS ${manifest} files)
set(removed 0)
foreach(path IN LISTS files)
  if(EXISTS ${path} OR IS_SYMLINK ${path})
    file(REMOVE ${path})
    math(EXPR removed "${removed} + 1")
  endif()
endforeach()
message(STATUS "removed ${removed} installed files")

if(EXISTS ${created_file})
  file(STRINGS ${created_file} created)
  # Deepest first, so that a directory is empty once its own are gone.
  list(SORT created ORDER DESCENDING)
  foreach(dir IN LISTS created)
    file(GLOB entries ${dir}/* ${dir}/.*)
    if(IS_DIRECTORY ${dir} AND NOT entries)
      file(REMOVE_RECURSE ${dir})
      message(STATUS "removed directory ${dir}")
    endif()
  endforeach()
  file(REMOVE ${created_file})
endif()
file(REMOVE ${manifest})
