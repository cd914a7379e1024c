include("${RUNS}")
set(default_target 1.10)
set(static_target 3.00)

# Sets NAME_ir to the instructions of one run of ARGN, which leaves its output and files in OUT/NAME.
function(measure name)
  file(REMOVE_RECURSE "${out}/${name}")
  file(MAKE_DIRECTORY "${out}/${name}/cwd")
  # An empty environment: start-up walks it, so its size would show in the counts.
  execute_process(COMMAND env -i "${VALGRIND}" --tool=callgrind --callgrind-out-file=/dev/null ${ARGN}
                  WORKING_DIRECTORY "${out}/${name}/cwd" INPUT_FILE /dev/null
                  OUTPUT_FILE "${out}/${name}/stdout" ERROR_VARIABLE log RESULT_VARIABLE status)
  if(NOT status STREQUAL "0" OR NOT log MATCHES "Collected : ([0-9]+)")
    message(FATAL_ERROR "${ARGN} under callgrind: status ${status}\n${log}")
  endif()
  set(${name}_ir ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()

function(ratio a b var)
  math(EXPR hundredths "(${a} * 100 + ${b} / 2) / ${b}")
  math(EXPR whole "${hundredths} / 100")
  math(EXPR part "${hundredths} % 100 + 100")
  string(SUBSTRING ${part} 1 2 part)
  set(${var} ${whole}.${part} PARENT_SCOPE)
endfunction()

set(out "${WORK}")
foreach(run minimal minimal_runtime minimal_static one_char one_char_static)
  measure(${run} "${dir}/${run}")
endforeach()
string(CONCAT table "| Program | Output bytes | Default build | / do-nothing C++ with its runtime "
       "(target <= ${default_target}) | Static build | / floor (target <= ${static_target}) "
       "| Floor | Targets met |\n|---|--:|--:|--:|--:|--:|--:|---|\n")
foreach(program IN LISTS programs)
  list(POP_FRONT ${program} default case)
  set(out "${WORK}/${program}")
  set(file -)
  set(bytes "${case}.out")
  if(IS_DIRECTORY "${case}.files")
    file(GLOB file RELATIVE "${case}.files" "${case}.files/*")
    set(bytes "${case}.files/${file}")
  endif()
  file(READ "${bytes}" bytes)
  string(LENGTH "${bytes}" size)
  # Unescaped, a ; would split the bytes into two arguments.
  string(REPLACE ";" "\\;" bytes "${bytes}")
  measure(default "${default}")
  measure(static "${dir}/${program}_static")
  measure(floor "${dir}/floor" "${file}" "${bytes}")
  # Each build must leave what its floor leaves, or the ratio compares unlike work.
  foreach(build default static)
    execute_process(COMMAND diff -ru "${out}/floor" "${out}/${build}" COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
  ratio(${default_ir} ${minimal_runtime_ir} to_runtime)
  ratio(${static_ir} ${floor_ir} to_floor)
  set(met yes)
  if(to_runtime GREATER default_target OR to_floor GREATER static_target)
    set(met no)
  endif()
  string(APPEND table "| ${program} | ${size} | ${default_ir} | ${to_runtime} | ${static_ir} "
         "| ${to_floor} | ${floor_ir} | ${met} |\n")
endforeach()

ratio(${one_char_ir} ${minimal_runtime_ir} one_char_to_runtime)
ratio(${one_char_static_ir} ${minimal_static_ir} one_char_to_floor)
string(APPEND table "\nInstructions of one run, counted by callgrind in an empty environment. "
       "Do-nothing C++ program: ${minimal_runtime_ir} with the C++ runtime loaded as the programs "
       "do, ${minimal_ir} without, ${minimal_static_ir} static. One character through std::cout: "
       "${one_char_ir} (${one_char_to_runtime} x the do-nothing program with its runtime), "
       "${one_char_static_ir} static (${one_char_to_floor} x the static do-nothing program).\n")
execute_process(COMMAND "${CMAKE_COMMAND}" -E echo "\n## Start-up cost\n\n${table}")
