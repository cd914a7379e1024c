# Undoing `cmake --install`, in two steps run by this one script:
#   MODE=record  runs first of all install rules: notes, in
#                BUILD_DIR/install_created_dirs.txt, which of the suite's
#                install folders (BUILD_DIR/install_dirs.txt, relative to
#                the prefix) do not exist yet.
#   MODE=remove  the uninstall target: removes every file of
#                BUILD_DIR/install_manifest.txt, then the folders that the
#                installation created, once they are empty.
# Folders that existed before stay, empty or not; so do files that the suite
# did not install. A staged installation (DESTDIR, as for a package)
# records nothing: it is never uninstalled from here.
cmake_minimum_required(VERSION 3.25)
set(created_file ${BUILD_DIR}/install_created_dirs.txt)
set(created "")
if(EXISTS ${created_file})
  file(STRINGS ${created_file} created)
endif()

if(MODE STREQUAL "record")
  if("$ENV{DESTDIR}" STREQUAL "")
    file(STRINGS ${BUILD_DIR}/install_dirs.txt dirs)
    foreach(dir IN LISTS dirs)
      cmake_path(ABSOLUTE_PATH dir BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX} NORMALIZE)
      string(REGEX REPLACE "(.)/$" "\\1" dir "${dir}")
      if(NOT IS_DIRECTORY ${dir})
        list(APPEND created ${dir})
      endif()
    endforeach()
    list(REMOVE_DUPLICATES created)
    list(JOIN created "\n" text)
    file(WRITE ${created_file} "${text}\n")
  endif()
elseif(MODE STREQUAL "remove")
  set(manifest ${BUILD_DIR}/install_manifest.txt)
  if(NOT EXISTS ${manifest})
    message(FATAL_ERROR "nothing to uninstall: ${manifest} is missing (run cmake --install first)")
  endif()
  file(STRINGS ${manifest} files)
  file(REMOVE ${files})
  list(LENGTH files count)
  message(STATUS "removed ${count} installed files")
  # Deepest first, so that a folder is empty once its own are gone.
  list(SORT created ORDER DESCENDING)
  foreach(dir IN LISTS created)
    file(GLOB entries ${dir}/* ${dir}/.*)
    if(IS_DIRECTORY ${dir} AND NOT entries)
      file(REMOVE_RECURSE ${dir})
      message(STATUS "removed directory ${dir}")
    endif()
  endforeach()
  file(REMOVE ${created_file} ${manifest})
else()
  message(FATAL_ERROR "Uninstall.cmake needs -DMODE=record or -DMODE=remove")
endif()
