# suite_program(NAME [READS_INPUT] [PRINTS_NOTHING]) builds and installs one
# program from the folder it is called in: the library NAME_lib of NAME.cpp
# (optional; NAME.hpp declares its functions), the executable NAME of
# main.cpp in build/bin, and the manual page NAME.1 (an exercise, installed
# into PREFIX/bin) or NAME.6 (a game, into PREFIX/games, with its menu
# entry: Desktop.cmake). READS_INPUT: it reads standard input;
# PRINTS_NOTHING: it writes nothing to standard output. Said here once,
# these reach every check over all programs through suite_programs(), and
# scripts through programs.tsv. Its tests: ProgramTests.cmake. With
# SUITE_TEST_INSTALLED nothing is built: NAME stands for the installed
# program, which its tests then run.

# With no language enabled (SUITE_TEST_INSTALLED), GNUInstallDirs cannot
# tell the library folder, which the suite does not use.
if(SUITE_TEST_INSTALLED)
  set(CMAKE_INSTALL_LIBDIR lib)
endif()
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/Desktop.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/ProgramTests.cmake)

# Compiler options shared by every target of the suite. C++20 is the
# suite's level; -DCMAKE_CXX_STANDARD=23 raises it.
add_library(suite_options INTERFACE)
target_compile_features(suite_options INTERFACE cxx_std_20)
target_compile_options(
  suite_options INTERFACE -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
                          -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wdouble-promotion
                          -Wformat=2 -Wimplicit-fallthrough $<$<BOOL:${SUITE_WERROR}>:-Werror>)

# How every program ends: main hands its exit status to exitStatus(), which
# reports a failed read or write. suite_link_support() links it and tells
# main.cpp the program's name as SUITE_PROGRAM.
if(NOT SUITE_TEST_INSTALLED)
  add_library(suite_support STATIC ${PROJECT_SOURCE_DIR}/support/exitstatus.cpp)
  target_include_directories(suite_support PUBLIC ${PROJECT_SOURCE_DIR}/support)
  target_link_libraries(suite_support PRIVATE suite_options)
endif()

function(suite_link_support target name)
  target_link_libraries(${target} PRIVATE suite_support)
  target_compile_definitions(${target} PRIVATE SUITE_PROGRAM="${name}")
endfunction()

# Sets VAR to the programs in the order they were declared; with a TRAIT
# (reads_input, prints_nothing, game), to those that have it.
function(suite_programs var)
  get_property(programs GLOBAL PROPERTY SUITE_PROGRAMS${ARGN})
  set(${var} "${programs}" PARENT_SCOPE)
endfunction()

# Writes PROJECT_BINARY_DIR/programs.tsv, for the scripts that check or
# package all programs: one line per program, tab-separated, with its name,
# its folder (from the top of the sources), its traits (comma-separated,
# "-" for none), the files it installs (from the prefix, separated by
# spaces), the summary of its manual page, and its package (games or
# exercises). Runs once every program has been declared, at the end of the
# top folder, and first makes sure that each folder under games/ and
# exercises/ with a main.cpp is a program named as its folder: any other
# would be built, tested and packaged by no one.
function(suite_write_program_list)
  suite_programs(programs)
  file(GLOB_RECURSE mains ${PROJECT_SOURCE_DIR}/games/*/main.cpp
       ${PROJECT_SOURCE_DIR}/exercises/*/main.cpp)
  set(lines "")
  foreach(program IN LISTS programs)
    get_property(dir GLOBAL PROPERTY SUITE_DIR_${program})
    get_filename_component(base ${dir} NAME)
    if(NOT base STREQUAL program OR NOT EXISTS ${dir}/main.cpp)
      message(FATAL_ERROR "${program} must live in a folder of its own name, with a main.cpp")
    endif()
    list(REMOVE_ITEM mains ${dir}/main.cpp)
    get_property(row GLOBAL PROPERTY SUITE_ROW_${program})
    string(APPEND lines "${row}\n")
  endforeach()
  if(mains)
    message(FATAL_ERROR "a main.cpp in a folder that declares no program (suite_program in its \
CMakeLists.txt, add_subdirectory in its group's): ${mains}")
  endif()
  file(WRITE ${PROJECT_BINARY_DIR}/programs.tsv "${lines}")
endfunction()

cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL suite_write_program_list)

function(suite_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "READS_INPUT;PRINTS_NOTHING" "" "")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "suite_program(${name}): unknown ${arg_UNPARSED_ARGUMENTS}")
  endif()
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  if(EXISTS ${dir}/${name}.6)
    set(section 6)
    set(destination games)
    set(package games)
    set(traits game)
  elseif(EXISTS ${dir}/${name}.1)
    set(section 1)
    set(destination ${CMAKE_INSTALL_BINDIR})
    set(package exercises)
    set(traits "")
  else()
    message(FATAL_ERROR "${name} has no manual page ${name}.1 or ${name}.6 in ${dir}")
  endif()
  if(arg_READS_INPUT)
    list(APPEND traits reads_input)
  endif()
  if(arg_PRINTS_NOTHING)
    list(APPEND traits prints_nothing)
  endif()
  set(page ${dir}/${name}.${section})
  set(mandir ${CMAKE_INSTALL_MANDIR}/man${section})
  set(installs ${destination}/${name} ${mandir}/${name}.${section})
  set_property(GLOBAL APPEND PROPERTY SUITE_PROGRAMS ${name})
  foreach(trait IN LISTS traits)
    set_property(GLOBAL APPEND PROPERTY SUITE_PROGRAMS${trait} ${name})
  endforeach()
  set_property(GLOBAL PROPERTY SUITE_DIR_${name} ${dir})
  set_property(GLOBAL APPEND PROPERTY SUITE_INSTALL_DIRS ${mandir} ${destination})

  if(SUITE_TEST_INSTALLED)
    # The installed program stands in for the target, so that every test
    # that runs $<TARGET_FILE:NAME> runs it.
    add_executable(${name} IMPORTED GLOBAL)
    set_target_properties(${name} PROPERTIES IMPORTED_LOCATION
                                             ${CMAKE_INSTALL_PREFIX}/${destination}/${name})
  else()
    add_executable(${name} main.cpp)
    target_link_libraries(${name} PRIVATE suite_options)
    suite_link_support(${name} ${name})
    if(SUITE_STATIC)
      # A single file that runs without the C++ runtime, or any shared
      # library, installed; position-independent when hardened. Given as a
      # link item, so that it follows (and overrides) the -pie that CMake
      # puts among the link options. Test executables stay dynamic.
      target_link_libraries(${name} PRIVATE $<IF:$<BOOL:${SUITE_HARDENING}>,-static-pie,-static>)
    endif()
    if(EXISTS ${dir}/${name}.cpp)
      add_library(${name}_lib STATIC ${name}.cpp)
      target_include_directories(${name}_lib PUBLIC ${dir})
      target_link_libraries(${name}_lib PRIVATE suite_options)
      target_link_libraries(${name} PRIVATE ${name}_lib)
    endif()
    install(TARGETS ${name} RUNTIME DESTINATION ${destination})
    install(FILES ${page} DESTINATION ${mandir})
  endif()
  if(EXISTS ${dir}/${name}.desktop.in)
    suite_desktop_files(${name} ${destination}/${name} desktop_files)
    list(APPEND installs ${desktop_files})
  endif()

  # The page's NAME line, "NAME \- SUMMARY", says in a line what it does.
  file(STRINGS ${page} line REGEX "^${name} \\\\- " LIMIT_COUNT 1)
  if(NOT line MATCHES "^${name} \\\\- (.+)$")
    message(FATAL_ERROR "${page} has no NAME line '${name} \\- SUMMARY'")
  endif()
  set(summary "${CMAKE_MATCH_1}")
  if(NOT SUITE_TEST_INSTALLED)
    target_compile_definitions(${name} PRIVATE SUITE_SUMMARY="${summary}" SUITE_SECTION=${section}
                                               SUITE_VERSION="${PROJECT_VERSION}")
  endif()
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${dir})
  list(JOIN traits "," traits)
  list(JOIN installs " " installs)
  if(traits STREQUAL "")
    set(traits -)
  endif()
  set_property(GLOBAL PROPERTY SUITE_TRAITS_${name} ${traits})
  set_property(GLOBAL PROPERTY SUITE_ROW_${name}
                               "${name}\t${folder}\t${traits}\t${installs}\t${summary}\t${package}")

  if(BUILD_TESTING)
    suite_program_tests(${name} ${page})
  endif()
endfunction()
