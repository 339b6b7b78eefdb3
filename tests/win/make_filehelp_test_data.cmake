# cmake -DMSCOMPRESS=... -DOUT_DIR=... -DBINARY_INPUT=... -P make_filehelp_test_data.cmake
# Makes the data of the FileHelp tests afresh in OUT_DIR:
# - a few inputs, each compressed by mscompress, which puts the SZDD form beside it as
#   "name_". mscompress spoils inputs shorter than 16 bytes (an empty one gives a single byte),
#   so the shortest input here has 16;
# - DiskFull/Orbilan.EXE, a link to /dev/full: a file that can be created but not written.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${OUT_DIR})
file(MAKE_DIRECTORY ${OUT_DIR}/DiskFull)

file(WRITE ${OUT_DIR}/short.txt "Orbilan.EXE /s\r\n")
string(REPEAT "[AutoRun]\r\nOpen=Orbilan.EXE\r\nIcon=Setup.ico,0\r\n" 200 repeated)
file(WRITE ${OUT_DIR}/autorun.inf "${repeated}")
# Few matches and long ones mixed, over more than the 4 KB window of the format.
string(RANDOM LENGTH 30000 ALPHABET "ab \r\n" RANDOM_SEED 4 mixed)
file(WRITE ${OUT_DIR}/mixed.txt "${mixed}")
file(COPY_FILE ${BINARY_INPUT} ${OUT_DIR}/starter.exe)
# Larger than several pieces of the copy (64 KB), so that the expansion goes on across them.
string(RANDOM LENGTH 40000 ALPHABET "abcdefgh \r\n" RANDOM_SEED 7 varied)
string(REPEAT "${varied}" 5 large)
file(WRITE ${OUT_DIR}/large.txt "${large}")

foreach(input short.txt autorun.inf mixed.txt starter.exe large.txt)
  execute_process(COMMAND ${MSCOMPRESS} ${input} WORKING_DIRECTORY ${OUT_DIR}
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT EXISTS ${OUT_DIR}/${input}_)
    message(FATAL_ERROR "mscompress ${input} failed (${status})")
  endif()
endforeach()

if(EXISTS /dev/full)
  file(CREATE_LINK /dev/full ${OUT_DIR}/DiskFull/Orbilan.EXE SYMBOLIC)
endif()
