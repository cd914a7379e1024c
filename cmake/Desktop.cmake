# A game's entry in the desktop's menu of games, from its folder: the entry
# NAME.desktop.in, its icon NAME.svg and its AppStream metainfo
# NAME.metainfo.xml. The games' AppStream IDs are this prefix, a dot and the
# program's name.
set(SUITE_APPSTREAM_ID_PREFIX org.example.consolesuite)

# Sets VAR to PATH written as one word of the shell command that a menu
# entry runs as Exec=sh -c "COMMAND". Each layer that reads the Exec key
# undoes one escape, so they are applied here in the reverse order:
#  - the shell: PATH stays bare when it holds only letters, digits and
#    / . _ + -, else it goes in single quotes (each ' as '\'');
#  - the quoted argument: \ " ` $ each get a backslash;
#  - field codes: % is written %%;
#  - the key file's string: each \ is written \\.
# A newline has no place in an Exec key, so PATH must not hold one.
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

# Configures and installs the menu entry, icon and metainfo of game NAME,
# installed as EXECUTABLE (relative to the prefix); sets VAR to the files
# installed, relative to the prefix. The entry names the program by the
# full path it is installed to, as configured: a session's PATH need not
# hold the games' folder, and installing elsewhere (cmake --install
# --prefix) does not change it.
function(suite_desktop_files name executable var)
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  set(metainfo ${dir}/${name}.metainfo.xml)
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
  # AppStream wants the metainfo file named by the component's ID.
  set(metainfo_name ${SUITE_APPSTREAM_ID_PREFIX}.${name}.metainfo.xml)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name}.desktop DESTINATION ${apps})
  install(FILES ${dir}/${name}.svg DESTINATION ${icons})
  install(FILES ${metainfo} DESTINATION ${metainfo_dir} RENAME ${metainfo_name})
  set_property(GLOBAL APPEND PROPERTY SUITE_INSTALL_DIRS ${apps} ${icons} ${metainfo_dir})
  set(${var} ${apps}/${name}.desktop ${icons}/${name}.svg ${metainfo_dir}/${metainfo_name}
      PARENT_SCOPE)
endfunction()
