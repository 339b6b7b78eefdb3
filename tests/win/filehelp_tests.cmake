# FileHelp under Wine with real files. Include from the Windows tests' CMakeLists.txt:
#   include(${CMAKE_CURRENT_SOURCE_DIR}/filehelp_tests.cmake)
# Needs the targets filehelp, orbilan, started_marker and GTest::gtest_main, and a CTest that
# runs Windows programs (CMAKE_CROSSCOMPILING_EMULATOR); mscompress must be installed.
find_program(QUILLOT_MSCOMPRESS mscompress REQUIRED)

# The starter's executable, embedded as the editor embeds it: RCDATA IDR_STARTER. A copy at a
# fixed place, so that the resource is rebuilt whenever the starter changes.
set(filehelp_starter ${CMAKE_CURRENT_BINARY_DIR}/filehelp_starter.exe)
add_custom_command(OUTPUT ${filehelp_starter}
                   COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:orbilan> ${filehelp_starter}
                   DEPENDS orbilan VERBATIM)
set(filehelp_test_rc ${CMAKE_CURRENT_BINARY_DIR}/filehelp_win_test.rc)
file(WRITE ${filehelp_test_rc}
     "#include \"resource_ids.h\"\nIDR_STARTER RCDATA \"${filehelp_starter}\"\n")
set_source_files_properties(${filehelp_test_rc} PROPERTIES OBJECT_DEPENDS ${filehelp_starter})

add_executable(filehelp_win_test ${CMAKE_CURRENT_LIST_DIR}/filehelp_win_test.cpp
               ${filehelp_test_rc})
target_link_libraries(filehelp_win_test PRIVATE started_marker filehelp GTest::gtest_main quillot_ids
                      quillot_warnings)
target_compile_definitions(filehelp_win_test PRIVATE
                           QUILLOT_ORBILAN_EXE="$<TARGET_FILE:orbilan>")
quillot_check_imports(filehelp_win_test kernel32.dll user32.dll lz32.dll msvcrt.dll)

# The compressed inputs and the full disk are made afresh by every test run.
set(filehelp_data_dir ${CMAKE_CURRENT_BINARY_DIR}/filehelp_data)
add_test(NAME filehelp_test_data
         COMMAND ${CMAKE_COMMAND} -DMSCOMPRESS=${QUILLOT_MSCOMPRESS} -DOUT_DIR=${filehelp_data_dir}
                 -DBINARY_INPUT=$<TARGET_FILE:orbilan>
                 -P ${CMAKE_CURRENT_LIST_DIR}/make_filehelp_test_data.cmake)
set_tests_properties(filehelp_test_data PROPERTIES FIXTURES_SETUP filehelp_data)

add_test(NAME filehelp_win_test COMMAND filehelp_win_test)
set_tests_properties(filehelp_win_test PROPERTIES
  FIXTURES_REQUIRED filehelp_data
  ENVIRONMENT QUILLOT_FILEHELP_DATA=${filehelp_data_dir}
  TIMEOUT 120)
