# Checks the Debian packages of the build: builds them with cpack, or takes
# them from -DPACKAGES=folder when given. For each of the two packages: its
# control fields, exactly the files it should hold, its executables stripped
# and without a .comment section, and its -dbgsym package holding exactly
# their debug information and its documentation. Both packages unpacked
# into one scratch root then make the whole suite, and every program from
# there passes its first transcript.
include(${CMAKE_CURRENT_LIST_DIR}/DeliveryCheck.cmake)

# What cpack uses to find the executables, compute their dependencies and
# strip them.
require_tools(file=file dpkg-shlibdeps=dpkg-dev strip=binutils objcopy=binutils)

if(NOT PACKAGES)
  set(PACKAGES ${WORK}/out)
  execute_process(COMMAND cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${PACKAGES}
                  OUTPUT_VARIABLE log ERROR_VARIABLE log RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cpack -G DEB failed:\n${log}")
  endif()
endif()

set(root ${WORK}/root)
foreach(kind IN LISTS components)
  set(package ${project}-${kind})
  find_one(${PACKAGES}/${package}_*.deb deb)
  find_one(${PACKAGES}/${package}-dbgsym_*.deb debug_deb)
  message(STATUS "${kind}: ${deb}, ${debug_deb}")

  execute_process(COMMAND ${DPKG_DEB} --field ${deb} Package Section Priority Maintainer Depends
                          Description OUTPUT_VARIABLE fields COMMAND_ERROR_IS_FATAL ANY)
  message(STATUS "control fields:\n${fields}")
  set(section education)
  if(kind STREQUAL "games")
    set(section games)
  endif()
  foreach(field IN ITEMS "Package: ${package}" "Section: ${section}" "Priority: optional"
                         "Maintainer: [^\n]" "Description: [^\n]+\n [^\n]")
    if(NOT fields MATCHES "(^|\n)${field}")
      message(FATAL_ERROR "${deb} lacks the control field ${field}")
    endif()
  endforeach()
  execute_process(COMMAND ${DPKG_DEB} --field ${debug_deb} Section Depends
                  OUTPUT_VARIABLE debug_fields COMMAND_ERROR_IS_FATAL ANY)
  if(NOT debug_fields STREQUAL "Section: debug\nDepends: ${package} (= ${VERSION})\n")
    message(FATAL_ERROR "${debug_deb} has the control fields\n${debug_fields}")
  endif()
  if(STATIC_LINK)
    # Executables linked fully statically load no shared library, so the
    # package has nothing to depend on.
    if(fields MATCHES "(^|\n)Depends: [^\n]")
      message(FATAL_ERROR "the package of a static build should depend on nothing")
    endif()
  elseif(NOT fields MATCHES "(^|\n)Depends: [^\n]*libc6")
    message(FATAL_ERROR "${deb} has no Depends on the C library")
  endif()

  set(own ${WORK}/${kind})
  execute_process(COMMAND ${DPKG_DEB} -x ${deb} ${own} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${DPKG_DEB} -x ${debug_deb} ${own}-dbgsym COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${DPKG_DEB} -x ${deb} ${root} COMMAND_ERROR_IS_FATAL ANY)
  expected_files(${kind} files)
  list(TRANSFORM files PREPEND usr/)
  check_file_list(${own} ${files})

  # Each executable is stripped, without a .comment section, and its debug
  # information is in the debug package under its build ID.
  set(debug_files "")
  foreach(name dir IN ZIP_LISTS programs dirs)
    find_place(${name} ${dir})
    if(NOT component STREQUAL kind)
      continue()
    endif()
    set(exe ${own}/usr/${program_folder}/${name})
    execute_process(COMMAND ${READELF} -S ${exe} OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
    if(headers MATCHES "\\.symtab|\\.debug_|\\.comment")
      message(FATAL_ERROR "${exe} is not stripped, or keeps its .comment section")
    endif()
    debug_file(${exe} debug)
    list(APPEND debug_files ${debug})
  endforeach()
  foreach(doc IN ITEMS changelog.gz copyright)
    list(APPEND debug_files usr/share/doc/${package}-dbgsym/${doc})
  endforeach()
  list(SORT debug_files)
  check_file_list(${own}-dbgsym ${debug_files})
endforeach()

check_tree(${root}/usr)
run_installed(${root}/usr)
