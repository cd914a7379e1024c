# Reads the list of programs that configuring writes (programs.tsv in the
# build folder; see suite_write_program_list in cmake/Program.cmake),
# for the scripts that check all programs:
#   include(program_list.cmake)
#   program_list_column(BUILD_DIR COLUMN VAR)
# sets VAR to the values of column COLUMN (0 names, 1 folders, 2 traits,
# 3 installed files, 4 summaries, 5 packages), one per program, in the
# list's order.
function(program_list_column build_dir column var)
  file(STRINGS ${build_dir}/programs.tsv lines)
  set(values "")
  foreach(line IN LISTS lines)
    string(REPLACE "\t" ";" fields "${line}")
    list(GET fields ${column} value)
    list(APPEND values "${value}")
  endforeach()
  set(${var} "${values}" PARENT_SCOPE)
endfunction()
