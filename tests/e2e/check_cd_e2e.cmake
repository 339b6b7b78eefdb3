# cmake -DRUN=wine-run -DCHECK=quillot-check.exe -DSTARTER=orbilan.exe -DSUPPORT=tests/support
#       -DWORK=dir -P check_cd_e2e.cmake
#
# quillot-check.exe under Wine on a CD holding the project's own starter: a CD with mistakes
# and the same CD mended, its programs signed (osslsigncode, with a certificate made here),
# through the program's exit codes and output.
cmake_minimum_required(VERSION 3.25)

set(cd ${WORK}/cd)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${cd})
file(COPY_FILE ${STARTER} ${cd}/ORBILAN.EXE)

# The starter signed as a CD builder signs it.
file(MAKE_DIRECTORY ${WORK}/certificate)
execute_process(COMMAND ${SUPPORT}/test_certificate.sh ${WORK}/certificate
                RESULT_VARIABLE made TIMEOUT 240)
if(made EQUAL 0)
  execute_process(COMMAND osslsigncode sign -certs ${WORK}/certificate/certificate.pem
                          -key ${WORK}/certificate/key.pem -h sha256 -in ${STARTER}
                          -out ${WORK}/signed.exe
                  RESULT_VARIABLE made OUTPUT_VARIABLE signing ERROR_VARIABLE signing TIMEOUT 60)
endif()
if(NOT made EQUAL 0)
  message(FATAL_ERROR "the starter could not be signed: ${signing}")
endif()

function(run_check expected_code)
  # Wine maps the Linux root as drive Z:.
  execute_process(COMMAND ${RUN} ${CHECK} ${ARGN} "Z:${cd}" RESULT_VARIABLE code
                  OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  if(NOT code EQUAL expected_code)
    message(FATAL_ERROR "quillot-check ${ARGN} gave ${code}, not ${expected_code}:\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

function(expect text)
  string(FIND "${out}" "${text}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "expected \"${text}\" in:\n${out}")
  endif()
endfunction()

# The starter has one icon; Exec names a program that is not there; a label written twice.
file(WRITE ${cd}/autorun.inf "[AutoRun]\r\nopen=Orbilan.EXE\r\nicon=Orbilan.EXE,1\r\n"
                             "label=CD\r\nLABEL=DVD\r\n[Orbilan]\r\nExec=setup.exe /q\r\n")
run_check(1)
expect("Fehler  Q303 [AutoRun] icon, Zeile 3:")
expect("Warnung Q203 [AutoRun] LABEL, Zeile 5:")
expect("Fehler  Q301 [Orbilan] Exec, Zeile 7: Die Datei existiert nicht auf der CD: setup.exe")
expect("Warnung Q701 [AutoRun] open, Zeile 2: Das Programm ist nicht signiert: Windows 11 mit intelligenter App-Steuerung kann es blockieren (Orbilan.EXE)")
# The umlaut of "Schluessel" in UTF-8 (two bytes) when the output is not a console.
if(NOT out MATCHES "Schl..ssel")
  message(FATAL_ERROR "no UTF-8 umlaut in:\n${out}")
endif()

file(WRITE ${cd}/autorun.inf "[AutoRun]\r\nopen=Orbilan.EXE\r\nicon=Orbilan.EXE,0\r\n"
                             "label=CD\r\n[Orbilan]\r\nExec=setup.exe /q\r\n")
file(COPY_FILE ${WORK}/signed.exe ${cd}/ORBILAN.EXE)
file(COPY_FILE ${WORK}/signed.exe ${cd}/Setup.exe)
run_check(0 --json --iso9660)
expect("\"errors\": 0,\n  \"warnings\": 0,\n  \"findings\": []")

# Windows' reader takes the first and the last quote off Exec: the starter would get
# Neue Version\setup.exe" "C:\Daten, and the platform section lacks the icon.
file(WRITE ${cd}/autorun.inf "[AutoRun]\r\nopen=Orbilan.EXE\r\nicon=Orbilan.EXE\r\n"
                             "[AutoRun.Amd64]\r\nopen=Orbilan.EXE\r\n"
                             "[Orbilan]\r\nExec=\"Neue Version\\setup.exe\" \"C:\\Daten\"\r\n")
run_check(1)
expect("Fehler  Q206 [Orbilan] Exec, Zeile 7:")
expect("Warnung Q204 [AutoRun.Amd64], Zeile 4:")
expect(": icon; Windows dieser Plattform sieht nicht: icon")

file(REMOVE_RECURSE ${cd})
run_check(2)
