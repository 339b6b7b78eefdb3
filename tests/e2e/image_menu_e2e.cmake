# cmake -DRUN=wine-run -DTEST=image_menu_e2e_test.exe -DWORK=dir -P image_menu_e2e.cmake
#
# The editor's "CD -> Abbild erstellen...", driven by image_menu_e2e_test, then the image it
# wrote read by the independent readers: xorriso and isoinfo take it, 7z lists every file and
# bsdtar gives back each with its bytes, under its Joliet name; the primary volume name is the
# CD's name in d-characters.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
# Files, not pipes: a Wine service started by the first program keeps a pipe open.
execute_process(COMMAND ${RUN} ${TEST} RESULT_VARIABLE code
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
if(NOT count EQUAL 4)
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

file(MAKE_DIRECTORY ${WORK}/out)
read_with(bsdtar -xf ${iso} -C ${WORK}/out)
foreach(name IN LISTS names)
  file(READ "${expected}/${name}" want HEX)
  if(NOT EXISTS "${WORK}/out/${name}")
    message(FATAL_ERROR "bsdtar does not give back ${name}")
  endif()
  file(READ "${WORK}/out/${name}" got HEX)
  if(NOT got STREQUAL want)
    message(FATAL_ERROR "other bytes in the image: ${name}")
  endif()
endforeach()
