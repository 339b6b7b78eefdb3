# cmake -DRUN=wine-run -DIMAGE=quillot-image.exe -DWORK=dir -P image_cd_e2e.cmake
#
# quillot-image.exe under Wine: names beyond Windows-1252 reach the Joliet tree whole through
# the wide-character API, bsdtar gives back every file with its bytes, and a tree the image
# cannot hold is refused without leaving a file.
cmake_minimum_required(VERSION 3.25)

set(cd "${WORK}/Wine CD")
set(iso ${WORK}/wine.iso)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY "${cd}/Unterordner")
file(WRITE "${cd}/AutoRun.INF" "[AutoRun]\r\nopen=setup.exe\r\nlabel=Wine-Abbild\r\n")
file(WRITE "${cd}/Größe €.txt" "Windows-1252\n")
file(WRITE "${cd}/Unterordner/日本語の名前.txt" "jenseits von 1252\n")
string(REPEAT "0123456789" 400 block)
file(WRITE "${cd}/Unterordner/block.bin" "${block}")

function(run_image expected_code)
  # Wine maps the Linux root as drive Z:.
  # Files, not pipes: a Wine service started by the first program keeps a pipe open.
  execute_process(COMMAND ${RUN} ${IMAGE} "Z:${cd}" "Z:${iso}" RESULT_VARIABLE code
                  OUTPUT_FILE ${WORK}/out.txt ERROR_FILE ${WORK}/err.txt TIMEOUT 120)
  file(READ ${WORK}/out.txt out)
  file(READ ${WORK}/err.txt err)
  if(NOT code EQUAL expected_code)
    message(FATAL_ERROR "quillot-image gave ${code}, not ${expected_code}:\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

run_image(0)
file(MAKE_DIRECTORY ${WORK}/out)
execute_process(COMMAND bsdtar -xf ${iso} -C ${WORK}/out RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "bsdtar could not read the image")
endif()
foreach(name AutoRun.INF "Größe €.txt" "Unterordner/日本語の名前.txt" Unterordner/block.bin)
  file(READ "${cd}/${name}" expected HEX)
  if(NOT EXISTS "${WORK}/out/${name}")
    message(FATAL_ERROR "not in the image: ${name}")
  endif()
  file(READ "${WORK}/out/${name}" got HEX)
  if(NOT got STREQUAL expected)
    message(FATAL_ERROR "other bytes in the image: ${name}")
  endif()
endforeach()
execute_process(COMMAND isoinfo -d -i ${iso} OUTPUT_VARIABLE info)
if(NOT info MATCHES "Volume id: WINE_ABBILD\n")
  message(FATAL_ERROR "the label did not name the volume:\n${info}")
endif()

# A name of 65 characters: refused, listed on standard output, and no image.
file(REMOVE ${iso})
string(REPEAT "n" 65 long)
file(WRITE "${cd}/${long}" "x")
run_image(1)
if(NOT out MATCHES "64 UTF-16-Einheiten .*, die Joliet erlaubt: ${long}")
  message(FATAL_ERROR "the refusal does not name the file:\n${out}")
endif()
file(GLOB left ${WORK}/*.iso*)
if(left)
  message(FATAL_ERROR "a refused tree left ${left}")
endif()
