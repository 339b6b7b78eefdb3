# cmake -DZIP=quillot-x-win32.zip -DEDITOR=quillot.exe -DSTARTER=orbilan.exe -DHELP=Hovenac.chm
#       -DWORK=dir -P shipped_is_tested.cmake
#
# The programs the end-to-end tests start are the ones the release zip holds, byte for byte.
cmake_minimum_required(VERSION 3.25)

if(NOT EXISTS "${ZIP}")
  message(FATAL_ERROR "no release zip ${ZIP}: the test command makes it before this tier "
                      "(scripts/release.sh makes it alone)")
endif()
file(REMOVE_RECURSE ${WORK})
file(ARCHIVE_EXTRACT INPUT ${ZIP} DESTINATION ${WORK})

foreach(pair "quillot.exe=${EDITOR}" "Orbilan.EXE=${STARTER}" "Hovenac.chm=${HELP}")
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 member)
  list(GET pair 1 tested)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${member} ${tested}
                  RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${member} of ${ZIP} is not the tested ${tested}")
  endif()
  message(STATUS "${member}: the zip's bytes are the tested ${tested}")
endforeach()
