# The help check must reject each kind of fault it exists for: a broken link, a page missing
# from the contents and a page without a title. Each case breaks a copy of the real sources.
#
#   cmake -DHELP_DIR=<help sources> -DWORK_DIR=<scratch dir> -P help_check_test.cmake
cmake_minimum_required(VERSION 3.25)

# case name; file; text to replace; replacement
set(cases
  "broken link|starter.htm|href=\"wurzel.htm\"|href=\"wurzl.htm\""
  "page missing from the contents|hovenac.hhc|value=\"symbol.htm\"|value=\"ueberblick.htm\""
  "page without a title|fehler.htm|<title>H|<title> </title><x>H"
  "broken link in the index|hovenac.hhk|value=\"heute.htm\"|value=\"heut.htm\"")

function(run_check dir result_var output_var)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DHELP_DIR=${dir} -DPROJECT_FILE=hovenac.hhp
            -P ${HELP_DIR}/CheckHelp.cmake
    RESULT_VARIABLE result ERROR_VARIABLE output OUTPUT_QUIET)
  set(${result_var} "${result}" PARENT_SCOPE)
  set(${output_var} "${output}" PARENT_SCOPE)
endfunction()

run_check("${HELP_DIR}" result output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the real help sources fail the check:\n${output}")
endif()

foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 name)
  list(GET fields 1 file)
  list(GET fields 2 before)
  list(GET fields 3 after)
  set(dir "${WORK_DIR}/case")
  file(REMOVE_RECURSE "${dir}")
  file(COPY "${HELP_DIR}/" DESTINATION "${dir}")
  file(READ "${dir}/${file}" text)
  string(FIND "${text}" "${before}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${name}: '${before}' is not in ${file}; the case breaks nothing")
  endif()
  string(REPLACE "${before}" "${after}" text "${text}")
  file(WRITE "${dir}/${file}" "${text}")
  run_check("${dir}" result output)
  if(result EQUAL 0)
    message(FATAL_ERROR "${name}: the check accepted it")
  endif()
  if(NOT output MATCHES "${file}")
    message(FATAL_ERROR "${name}: the check did not name ${file}:\n${output}")
  endif()
  message(STATUS "${name}: rejected")
endforeach()
file(REMOVE_RECURSE "${WORK_DIR}/case")
