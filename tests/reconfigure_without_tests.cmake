# A build folder that had tests, configured again with BUILD_TESTING OFF, must list none, as a
# fresh one does:
#   cmake -DSOURCE_DIR=... -DWORK=scratch-dir -DGENERATOR=... -DCXX=... -DCTEST=... -P THIS
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")

# Sets VAR to the number of tests that ctest finds in WORK.
function(count_tests var)
  execute_process(COMMAND "${CTEST}" --test-dir "${WORK}" --show-only=json-v1
                  OUTPUT_VARIABLE json COMMAND_ERROR_IS_FATAL ANY)
  string(JSON count LENGTH "${json}" tests)
  set(${var} ${count} PARENT_SCOPE)
endfunction()

foreach(testing ON OFF)
  execute_process(COMMAND "${CMAKE_COMMAND}" -S "${SOURCE_DIR}" -B "${WORK}" -G "${GENERATOR}"
                          "-DCMAKE_CXX_COMPILER=${CXX}" -DBUILD_TESTING=${testing}
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  count_tests(count_${testing})
endforeach()
message("tests with BUILD_TESTING ON: ${count_ON}; configured again with it OFF: ${count_OFF}")
if(count_ON EQUAL 0 OR NOT count_OFF EQUAL 0)
  message(FATAL_ERROR "the reconfigured folder must list no tests")
endif()
file(REMOVE_RECURSE "${WORK}")
