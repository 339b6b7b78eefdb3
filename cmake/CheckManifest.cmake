# cmake -DFILE=... -DREQUIRED="text|text|..." -P CheckManifest.cmake
#
# Checks that the manifest embedded in a Windows executable holds each of the required texts.
# The manifest is stored as plain text among the resources, so the file's strings are read.
cmake_minimum_required(VERSION 3.25)

file(STRINGS "${FILE}" strings LENGTH_MINIMUM 8)
list(JOIN strings "\n" text)
string(REPLACE "|" ";" REQUIRED "${REQUIRED}")
foreach(required IN LISTS REQUIRED)
  string(FIND "${text}" "${required}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the manifest of ${FILE} lacks ${required}")
  endif()
endforeach()
