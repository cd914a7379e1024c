# A game's menu entry NAME.desktop.in, icon NAME.svg and AppStream metainfo NAME.metainfo.xml.
set(SUITE_APPSTREAM_ID_PREFIX org.example.consolesuite)

# Sets VAR to PATH as one word of an entry's Exec=sh -c "COMMAND": each layer that reads the key
# undoes one escape, so they go on in reverse: the shell's quotes, the quoted argument's
# backslashes, the field codes' %%, the key file's \\.
function(suite_desktop_word path var)
  if(path MATCHES "[\n\r]")
    message(FATAL_ERROR "a menu entry cannot name a path with a line break: ${path}")
  endif()
  set(word "${path}")
  if(NOT word MATCHES "^[A-Za-z0-9/._+-]+$")
    string(REPLACE "'" "'\\''" word "${word}")
    set(word "'${word}'")
  endif()
  string(REGEX REPLACE "([\\\\\"`$])" "\\\\\\1" word "${word}")
  string(REPLACE "%" "%%" word "${word}")
  string(REPLACE "\\" "\\\\" word "${word}")
  set(${var} "${word}" PARENT_SCOPE)
endfunction()

# Installs game NAME's entry, naming EXECUTABLE by its full installed path (a session's PATH need
# not hold it), its icon and metainfo; sets VAR to those files, relative to the prefix.
function(suite_desktop_files name executable var)
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  set(metainfo ${dir}/${name}.metainfo.xml)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${metainfo})
  # No validator compares the version of a release with the project's.
  file(STRINGS ${metainfo} newest REGEX "<release " LIMIT_COUNT 1)
  if(NOT newest MATCHES "version=\"${PROJECT_VERSION}\"")
    message(FATAL_ERROR "${metainfo}: the first <release> must be version ${PROJECT_VERSION}")
  endif()
  cmake_path(SET program NORMALIZE "${CMAKE_INSTALL_PREFIX}/${executable}")
  suite_desktop_word("${program}" program)
  configure_file(${name}.desktop.in ${name}.desktop @ONLY)

  set(apps ${CMAKE_INSTALL_DATAROOTDIR}/applications)
  set(icons ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
  set(metainfo_dir ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
  # AppStream wants the file named by the component's ID.
  set(metainfo_name ${SUITE_APPSTREAM_ID_PREFIX}.${name}.metainfo.xml)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name}.desktop DESTINATION ${apps})
  install(FILES ${dir}/${name}.svg DESTINATION ${icons})
  install(FILES ${metainfo} DESTINATION ${metainfo_dir} RENAME ${metainfo_name})
  set_property(TARGET uninstall APPEND PROPERTY SUITE_INSTALL_DIRS ${apps} ${icons} ${metainfo_dir})
  set(${var} ${apps}/${name}.desktop ${icons}/${name}.svg ${metainfo_dir}/${metainfo_name}
      PARENT_SCOPE)
endfunction()
