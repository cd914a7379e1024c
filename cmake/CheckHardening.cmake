# Runs hardening-check on every executable that the packages in PACKAGES
# ship. Position-independent executable, read-only relocations and immediate
# binding must say yes, and so must every other line unless it is one of the
# three that hardening-check's manual page calls open to false negatives.
# For those the compiler's own record decides: the DW_AT_producer of each
# compilation unit in the executable's debug information (the -dbgsym
# package), which lists the code-generation flags it was compiled with.
#   Stack protected: no        when no function needed a guard; every unit
#                              must name -fstack-protector-strong.
#   Fortify Source functions:  "only unprotected functions found" when these
#     no                       are only memcpy, memmove or memset, which the
#                              C++ library's inline code calls as compiler
#                              built-ins that _FORTIFY_SOURCE cannot wrap.
#   Control flow integrity: no when the C library's start files (Scrt1.o)
#                              carry no IBT/SHSTK marking, as on Debian 12,
#                              so the linker drops it for every executable;
#                              every unit must name -fcf-protection.
# "unknown" (no protectable function, no large stack frame) passes. Every unit
# must name -fstack-protector-strong and -fstack-clash-protection in any case.
#   -DCXX=  the compiler, which finds the start files
include(${CMAKE_CURRENT_LIST_DIR}/DeliveryCheck.cmake)

find_program(HARDENING_CHECK hardening-check)
if(NOT HARDENING_CHECK)
  message(FATAL_ERROR "hardening-check is not installed (Debian package devscripts)")
endif()

set(root ${WORK}/root)
unpack_all(${root})

execute_process(COMMAND ${CXX} -print-file-name=Scrt1.o OUTPUT_VARIABLE start_file
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${READELF} -n ${start_file} OUTPUT_VARIABLE start_notes)
set(start_files_marked OFF)
if(start_notes MATCHES "IBT, SHSTK")
  set(start_files_marked ON)
endif()

# Sets OUT to true when every compilation unit of PRODUCERS names FLAG.
function(every_unit flag out)
  set(all TRUE)
  foreach(producer IN LISTS producers)
    string(FIND "${producer}" " ${flag}" at)
    if(at EQUAL -1)
      set(all FALSE)
    endif()
  endforeach()
  set(${out} ${all} PARENT_SCOPE)
endfunction()

set(failures "")
foreach(name dir IN ZIP_LISTS programs dirs)
  find_place(${name} ${dir})
  set(exe ${root}/usr/${program_folder}/${name})
  execute_process(COMMAND ${HARDENING_CHECK} --verbose ${exe} OUTPUT_VARIABLE report)
  message("${report}")

  debug_file(${exe} debug)
  execute_process(COMMAND ${READELF} --debug-dump=info --dwarf-depth=1 ${root}/${debug}
                  OUTPUT_VARIABLE info COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "DW_AT_producer[^\n]*" producers "${info}")
  if(NOT producers)
    list(APPEND failures "${name}: no compilation unit in ${debug}")
  endif()
  foreach(flag IN ITEMS -fstack-protector-strong -fstack-clash-protection)
    every_unit(${flag} compiled)
    if(NOT compiled)
      list(APPEND failures "${name}: not every unit was compiled with ${flag}")
    endif()
  endforeach()

  string(REGEX MATCHALL "\n [A-Z][^\n]*" lines "\n${report}")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line MATCHES ": (yes|unknown)")
      continue()
    elseif(line MATCHES "^Stack protected: no")
      continue()
    elseif(line MATCHES "^Fortify Source functions: no, only unprotected")
      string(REGEX MATCHALL "unprotected: [a-z_]+" calls "${report}")
      list(REMOVE_ITEM calls "unprotected: memcpy" "unprotected: memmove" "unprotected: memset")
      if(NOT calls)
        continue()
      endif()
    elseif(line MATCHES "^Control flow integrity: no" AND NOT start_files_marked)
      every_unit(-fcf-protection compiled)
      if(compiled)
        continue()
      endif()
    endif()
    list(APPEND failures "${name}: ${line}")
  endforeach()
endforeach()

if(failures)
  list(JOIN failures "\n  " failures)
  message(FATAL_ERROR "executables that are not hardened:\n  ${failures}")
endif()
list(LENGTH programs count)
message(STATUS "${count} executables hardened (start files marked for IBT/SHSTK: "
               "${start_files_marked})")
