# cmake -DRUN=wine-run -DTEST=image_menu_e2e_test.exe -DWORK=dir -P image_menu_e2e.cmake
#
# The editor's "CD -> Abbild erstellen...", driven by image_menu_e2e_test, then the image it
# wrote read by the independent readers: xorriso and isoinfo take it, 7z lists every file and
# bsdtar streams out each with its bytes, under its Joliet name; the primary volume name is the
# CD's name in d-characters.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
# Files, not pipes: a Wine service started by the first program keeps a pipe open. Started in
# the C locale, as from a session that sets none: Wine must still read the Linux names of the
# CD's files as UTF-8.
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C LANG=C ${RUN} ${TEST} RESULT_VARIABLE code
                OUTPUT_FILE ${WORK}-out.txt ERROR_FILE ${WORK}-err.txt TIMEOUT 300)
file(READ ${WORK}-out.txt out)
file(READ ${WORK}-err.txt err)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "the editor's journeys failed (${code}):\n${out}${err}")
endif()

set(iso ${WORK}/menu.iso)
set(expected ${WORK}/expected)
file(GLOB_RECURSE names RELATIVE ${expected} ${expected}/*)
list(LENGTH names count)
if(NOT count EQUAL 6)
  message(FATAL_ERROR "the test left ${count} expected files: ${names}")
endif()

function(read_with)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE output
                  ERROR_VARIABLE output TIMEOUT 60)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "${ARGN} does not take the image:\n${output}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

read_with(xorriso -indev ${iso} -find / -type f)
foreach(name IN LISTS names)
  if(NOT output MATCHES "'/${name}'")
    message(FATAL_ERROR "xorriso does not find ${name}:\n${output}")
  endif()
endforeach()

read_with(isoinfo -d -i ${iso})
if(NOT output MATCHES "Volume id: MEN___ABBILD\n")
  message(FATAL_ERROR "the CD's name did not name the volume:\n${output}")
endif()

read_with(7z l ${iso})
foreach(name IN LISTS names)
  if(NOT output MATCHES "${name}")
    message(FATAL_ERROR "7z does not list ${name}:\n${output}")
  endif()
endforeach()

# Each file streamed out of the image by its Joliet name, as UTF-8, and compared with what the
# journey wrote.
foreach(name IN LISTS names)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 bsdtar -xOf ${iso} ${name}
                  COMMAND cmp - "${expected}/${name}"
                  RESULTS_VARIABLE codes OUTPUT_VARIABLE output ERROR_VARIABLE output TIMEOUT 60)
  if(NOT codes STREQUAL "0;0")
    message(FATAL_ERROR "bsdtar does not give back ${name} with its bytes (${codes}):\n${output}")
  endif()
endforeach()
