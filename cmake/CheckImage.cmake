# cmake -DOBJDUMP=... -DFILE=... -DALLOWED=a.dll,b.dll [-DALLOWED_FUNCTIONS=F,G]
#       [-DMAX_SIZE=bytes] [-DSUBSYSTEM_VERSION=4.0] [-DSUBSYSTEM=2|3] [-DNO_DEBUG_SECTIONS=ON]
#       -P CheckImage.cmake
#
# Checks a Windows executable without running it: the DLLs it imports (compared without
# letter case), optionally every function it imports, its size, the Windows version its
# header asks for, its subsystem (2 windows, 3 console) and that it carries no debugging
# sections. Fails with a message naming what is wrong.
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${OBJDUMP} -p ${FILE} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${FILE} failed")
endif()

# Lists come separated by commas: semicolons do not survive a test's command line.
string(REPLACE "," ";" ALLOWED "${ALLOWED}")
string(TOLOWER "${ALLOWED}" allowed_dlls)
string(REPLACE "\n" ";" lines "${dump}")
set(dlls "")
set(functions "")
set(in_import_table FALSE)
foreach(line IN LISTS lines)
  if(line MATCHES "DLL Name: ([^ \t\r]+)")
    string(TOLOWER "${CMAKE_MATCH_1}" dll)
    list(APPEND dlls ${dll})
    set(in_import_table TRUE)
  elseif(in_import_table AND line MATCHES "^[ \t]+[0-9a-f]+[ \t]+[0-9]+[ \t]+([A-Za-z_][A-Za-z0-9_@]*)")
    list(APPEND functions ${CMAKE_MATCH_1})
  elseif(line MATCHES "^[ \t]*$")
    set(in_import_table FALSE)
  endif()
endforeach()

if(NOT dlls)
  message(FATAL_ERROR "${FILE} imports no DLL at all; objdump's output was not understood")
endif()
foreach(dll IN LISTS dlls)
  if(NOT dll IN_LIST allowed_dlls)
    message(FATAL_ERROR "${FILE} imports ${dll}, which is not among: ${ALLOWED}")
  endif()
endforeach()

if(DEFINED ALLOWED_FUNCTIONS)
  string(REPLACE "," ";" ALLOWED_FUNCTIONS "${ALLOWED_FUNCTIONS}")
  foreach(function IN LISTS functions)
    if(NOT function IN_LIST ALLOWED_FUNCTIONS)
      message(FATAL_ERROR "${FILE} imports ${function}, which is not on the list of allowed functions")
    endif()
  endforeach()
endif()

if(DEFINED MAX_SIZE)
  file(SIZE ${FILE} size)
  if(size GREATER MAX_SIZE)
    message(FATAL_ERROR "${FILE} has ${size} bytes, more than ${MAX_SIZE}")
  endif()
endif()

if(DEFINED SUBSYSTEM_VERSION)
  string(REPLACE "." ";" version "${SUBSYSTEM_VERSION}")
  list(GET version 0 major)
  list(GET version 1 minor)
  foreach(field IN ITEMS "MajorSubsystemVersion\t${major}" "MinorSubsystemVersion\t${minor}"
                         "MajorOSystemVersion\t${major}" "MinorOSystemVersion\t${minor}")
    string(FIND "${dump}" "${field}\n" found)
    if(found EQUAL -1)
      message(FATAL_ERROR "${FILE}: expected ${field} in its header")
    endif()
  endforeach()
endif()

# Debugging sections are named .debug_*, or "/n" where the name is too long for the header
# and the symbols that would hold it are gone; objdump marks both as DEBUGGING.
if(NO_DEBUG_SECTIONS)
  execute_process(COMMAND ${OBJDUMP} -h ${FILE} OUTPUT_VARIABLE headers RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -h ${FILE} failed")
  endif()
  string(REPLACE "\n" ";" header_lines "${headers}")
  set(section "")
  set(debug_sections "")
  foreach(line IN LISTS header_lines)
    if(line MATCHES "^ *[0-9]+ ([^ ]+)")
      set(section "${CMAKE_MATCH_1}")
      if(section MATCHES "^(\\.z?debug|/[0-9])")
        list(APPEND debug_sections "${section}")
      endif()
    elseif(line MATCHES "DEBUGGING" AND NOT section IN_LIST debug_sections)
      list(APPEND debug_sections "${section}")
    endif()
  endforeach()
  if(debug_sections)
    message(FATAL_ERROR "${FILE} carries debugging sections: ${debug_sections}")
  endif()
endif()

if(DEFINED SUBSYSTEM)
  if(NOT dump MATCHES "\nSubsystem[ \t]+0*${SUBSYSTEM}[ \t]")
    message(FATAL_ERROR "${FILE}: expected subsystem ${SUBSYSTEM} in its header")
  endif()
endif()

list(LENGTH functions count)
message(STATUS "${FILE}: imports ${count} functions from ${dlls}")
