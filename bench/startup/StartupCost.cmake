# Counts, with callgrind, the instructions of one run of each fixed-output
# program in the default and the static build, of its floor and of the
# do-nothing C++ programs, and prints them as a table with the ratios:
#   cmake -DPROGRAMS=build-bench/startup/programs.cmake -DWORK=scratch-dir -P StartupCost.cmake
# Each run starts in an empty working directory with empty standard input and
# an empty environment (start-up walks the environment, so its size would show
# in the counts).
# Before counting, the script checks that each program and its floor leave the
# same standard output and the same files.

cmake_minimum_required(VERSION 3.25)

foreach(var PROGRAMS WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "StartupCost.cmake needs -D${var}=...")
  endif()
endforeach()
get_filename_component(WORK ${WORK} ABSOLUTE)
include(${PROGRAMS})

find_program(VALGRIND valgrind)
if(NOT VALGRIND)
  message(FATAL_ERROR "valgrind is needed to count instructions (Debian: apt-get install valgrind)")
endif()

# Targets: a default build within this many times the do-nothing program that
# loads the C++ runtime, a static build within this many times its floor; in
# hundredths.
set(default_target 110)
set(static_target 300)

# Runs exe once under callgrind: sets <prefix>_ir to the instructions counted
# and <prefix>_leaves to what the run left: its standard output and the name
# and contents of each file it wrote.
function(measure exe prefix)
  set(cwd ${WORK}/cwd)
  file(REMOVE_RECURSE ${cwd})
  file(MAKE_DIRECTORY ${cwd})
  execute_process(
    COMMAND env -i ${VALGRIND} --tool=callgrind --callgrind-out-file=${WORK}/callgrind.out ${exe}
    WORKING_DIRECTORY ${cwd}
    INPUT_FILE /dev/null
    OUTPUT_VARIABLE stdout
    ERROR_VARIABLE stderr
    RESULT_VARIABLE status)
  if(NOT status STREQUAL "0" OR NOT stderr MATCHES "Collected : ([0-9]+)")
    message(FATAL_ERROR "${exe} under callgrind: status ${status}\n${stderr}")
  endif()
  set(${prefix}_ir ${CMAKE_MATCH_1} PARENT_SCOPE)
  set(leaves "${stdout}")
  file(GLOB written RELATIVE ${cwd} ${cwd}/*)
  foreach(name IN LISTS written)
    file(READ ${cwd}/${name} content HEX)
    string(APPEND leaves "\n[${name}: ${content}]")
  endforeach()
  set(${prefix}_leaves "${leaves}" PARENT_SCOPE)
endfunction()

# a / b with two decimals, rounded; sets var to it and var_hundredths.
function(ratio a b var)
  math(EXPR hundredths "(${a} * 100 + ${b} / 2) / ${b}")
  math(EXPR whole "${hundredths} / 100")
  math(EXPR part "${hundredths} % 100")
  if(part LESS 10)
    set(part "0${part}")
  endif()
  set(${var} "${whole}.${part}" PARENT_SCOPE)
  set(${var}_hundredths ${hundredths} PARENT_SCOPE)
endfunction()

measure(${minimal} minimal)
measure(${minimal_runtime} runtime)
measure(${minimal_static} minimal_static)
measure(${one_char} one_char)
measure(${one_char_static} one_char_static)

string(CONCAT table
    "| Program | Output bytes | Default build | / do-nothing C++ with its runtime (target <= 1.10) "
    "| Static build | / floor (target <= 3.00) | Floor | Targets met |\n"
    "|---|--:|--:|--:|--:|--:|--:|---|\n")
set(missed "")
foreach(program IN LISTS programs)
  measure(${${program}_default} default)
  measure(${${program}_static} static)
  measure(${${program}_floor} floor)
  foreach(build default static)
    if(NOT "${${build}_leaves}" STREQUAL "${floor_leaves}")
      message(FATAL_ERROR "${program}: the ${build} build and its floor leave different output:\n"
                          "${${build}_leaves}\nversus\n${floor_leaves}")
    endif()
  endforeach()
  ratio(${default_ir} ${runtime_ir} to_runtime)
  ratio(${static_ir} ${floor_ir} to_floor)
  set(met yes)
  if(to_runtime_hundredths GREATER default_target OR to_floor_hundredths GREATER static_target)
    set(met no)
    list(APPEND missed ${program})
  endif()
  string(APPEND table "| ${program} | ${${program}_bytes} | ${default_ir} | ${to_runtime} "
         "| ${static_ir} | ${to_floor} | ${floor_ir} | ${met} |\n")
endforeach()

ratio(${one_char_ir} ${runtime_ir} one_char_to_runtime)
ratio(${one_char_static_ir} ${minimal_static_ir} one_char_to_floor)
string(APPEND table
       "\nInstructions of one run, counted by callgrind, in an empty environment. "
       "Do-nothing C++ program (int main() { return 0; }): ${runtime_ir} when it loads the C++ "
       "runtime as the programs do, ${minimal_ir} when the linker leaves the runtime out, "
       "${minimal_static_ir} linked statically (as much as a floor). A program that writes one "
       "character through std::cout: ${one_char_ir} (${one_char_to_runtime} x the do-nothing "
       "program with its runtime), ${one_char_static_ir} linked statically "
       "(${one_char_to_floor} x the static do-nothing program).\n")
if(missed)
  string(JOIN ", " missed ${missed})
  string(APPEND table "Targets missed by: ${missed}\n")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E echo "\n## Start-up cost\n\n${table}")
