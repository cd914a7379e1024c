# Builds the packages of the checked-out commit twice more, each time from a
# fresh clone, in folders of different names and lengths, one after the
# other, with the release preset's own commands; the .deb files must be the
# same bytes. When the working tree has no changes, the packages in PACKAGES
# (built from that same commit) must match them too. On a difference the
# check names the files inside the packages that differ, with diffoscope's
# report when it is installed.
include(${CMAKE_CURRENT_LIST_DIR}/DeliveryCheck.cmake)

find_program(GIT git REQUIRED)
execute_process(COMMAND ${GIT} -C ${SOURCE_DIR} rev-parse HEAD OUTPUT_VARIABLE commit
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${GIT} -C ${SOURCE_DIR} status --porcelain OUTPUT_VARIABLE changes
                COMMAND_ERROR_IS_FATAL ANY)

# Clones the commit into DIR and makes its packages there; sets OUT to the
# folder that holds them.
function(build_clone dir out)
  execute_process(COMMAND ${GIT} clone --quiet --no-checkout ${SOURCE_DIR} ${dir}
                  COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${GIT} -C ${dir} checkout --quiet --detach ${commit}
                  COMMAND_ERROR_IS_FATAL ANY)
  string(TIMESTAMP now "%H:%M:%S")
  message(STATUS "${now}: building ${commit} in ${dir}")
  foreach(step IN ITEMS "cmake;--preset;release;-DSUITE_BUILD_TESTS=OFF"
                        "cmake;--build;--preset;release" "cpack;--preset;release")
    execute_process(COMMAND ${step} WORKING_DIRECTORY ${dir} OUTPUT_VARIABLE log ERROR_VARIABLE log
                    RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "${step} failed in ${dir}:\n${log}")
    endif()
  endforeach()
  set(${out} ${dir}/build-release/packages PARENT_SCOPE)
endfunction()

# Unpacks the package DEB whole (control files too) into DIR.
function(unpack_raw deb dir)
  file(MAKE_DIRECTORY ${dir})
  execute_process(COMMAND ${DPKG_DEB} -R ${deb} ${dir} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

# Compares the packages in folder A with those of the same names in folder
# B; appends a description of each difference to the list differences.
function(compare_packages a b)
  file(GLOB names RELATIVE ${a} ${a}/*.deb)
  file(GLOB others RELATIVE ${b} ${b}/*.deb)
  list(SORT names)
  list(SORT others)
  if(NOT names STREQUAL others OR NOT names)
    list(APPEND differences "${a} holds ${names}, ${b} holds ${others}")
  endif()
  foreach(name IN LISTS names)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${a}/${name} ${b}/${name}
                    RESULT_VARIABLE differs)
    if(NOT differs)
      continue()
    endif()
    set(left ${WORK}/differ/${name}/1)
    set(right ${WORK}/differ/${name}/2)
    unpack_raw(${a}/${name} ${left})
    unpack_raw(${b}/${name} ${right})
    file(GLOB_RECURSE inside RELATIVE ${left} ${left}/*)
    set(files "")
    foreach(file IN LISTS inside)
      execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${left}/${file} ${right}/${file}
                      RESULT_VARIABLE file_differs)
      if(file_differs)
        list(APPEND files ${file})
      endif()
    endforeach()
    if(NOT files)
      # Same contents: the entries' modes, owners or time stamps differ, or
      # their order; dpkg-deb's listings show which.
      foreach(side IN ITEMS a b)
        execute_process(COMMAND ${DPKG_DEB} --contents ${${side}}/${name}
                        OUTPUT_VARIABLE listing_${side} COMMAND_ERROR_IS_FATAL ANY)
        string(REPLACE "\n" ";" listing_${side} "${listing_${side}}")
      endforeach()
      set(entries ${listing_a})
      list(REMOVE_ITEM entries ${listing_b})
      list(JOIN entries "\n    " files)
      if(entries)
        set(files "the entries\n    ${files}")
      else()
        set(files "the order of the archive members")
      endif()
    endif()
    list(APPEND differences "${name} differs between ${a} and ${b} in: ${files}")
    find_program(DIFFOSCOPE diffoscope)
    if(DIFFOSCOPE)
      execute_process(COMMAND ${DIFFOSCOPE} --text - ${a}/${name} ${b}/${name}
                      OUTPUT_VARIABLE report)
      message("${report}")
    endif()
  endforeach()
  set(differences ${differences} PARENT_SCOPE)
endfunction()

set(differences "")
build_clone(${WORK}/first first)
build_clone(${WORK}/second-clone-of-the-same-commit second)
compare_packages(${first} ${second})
if(changes STREQUAL "")
  compare_packages(${PACKAGES} ${first})
else()
  message(STATUS "the working tree has changes: ${PACKAGES} are not compared")
endif()

if(differences)
  list(JOIN differences "\n  " differences)
  message(FATAL_ERROR "the packages are not reproducible:\n  ${differences}")
endif()
file(GLOB debs RELATIVE ${first} ${first}/*.deb)
message(STATUS "the same bytes from both clones: ${debs}")
