# Rules shared by the Windows executables: static linking and a check of the DLLs they import.

# A build directory keeps the compiler it was first configured with, even when the toolchain
# file names another one since.
get_filename_component(compiler_name "${CMAKE_CXX_COMPILER}" NAME)
if(DEFINED QUILLOT_CXX_COMPILER AND NOT compiler_name STREQUAL QUILLOT_CXX_COMPILER)
  message(FATAL_ERROR "${PROJECT_BINARY_DIR} uses ${CMAKE_CXX_COMPILER}, the toolchain file "
                      "${QUILLOT_CXX_COMPILER}: configure it afresh (cmake --preset <name> --fresh)")
endif()

# Every executable carries its own C++ runtime: no libgcc, libstdc++ or winpthread DLL.
add_link_options(-static -static-libgcc -static-libstdc++)

# Built for size: the programs wait for the user, not for the processor. The tests under Wine
# run code built the same way as the shipped programs.
add_compile_options($<$<AND:$<COMPILE_LANGUAGE:C,CXX>,$<NOT:$<CONFIG:Debug>>>:-Os>)
# No run-time type information: nothing asks for a type at run time (no dynamic_cast, no
# typeid), and without it every lambda a dialog binds no longer carries its type's name and
# description. Exceptions keep theirs: the compiler still emits what a throw and a catch need.
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-fno-rtti>)
# Every function and constant in a section of its own, so that a program's link can leave out
# what it never calls (the editor links the image writer, but not its command line).
add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-ffunction-sections> $<$<COMPILE_LANGUAGE:C,CXX>:-fdata-sections>)

# The same sources give the same bytes, wherever they lie and whenever they are built: no
# build paths in what the compiler writes, and no time of linking in the image's header.
add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>)
add_link_options(-Wl,--no-insert-timestamp)

# Fails the build when target imports a DLL that is not in the allowed list.
function(quillot_check_imports target)
  list(JOIN ARGN "," allowed)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DFILE=$<TARGET_FILE:${target}>
            -DALLOWED=${allowed} -P ${PROJECT_SOURCE_DIR}/cmake/CheckImage.cmake
    VERBATIM)
endfunction()

# Gives a console tool its version resource: rc_file defines the tool's texts and includes
# resources/console_tool_version.rc, which takes the version from the project's.
function(quillot_tool_version target rc_file)
  target_sources(${target} PRIVATE ${rc_file})
  set_source_files_properties(${rc_file} PROPERTIES
    INCLUDE_DIRECTORIES "${PROJECT_SOURCE_DIR}/resources;${PROJECT_BINARY_DIR}/resources"
    OBJECT_DEPENDS "${PROJECT_SOURCE_DIR}/resources/console_tool_version.rc;${PROJECT_BINARY_DIR}/resources/quillot_version.h")
endfunction()

# Compiles target's code so that it needs neither the C nor the C++ runtime: no exceptions or
# unwind tables, no calls the compiler would add to memset or memcpy. Such code links into the
# starter and into ordinary programs alike.
function(quillot_freestanding target)
  target_compile_options(${target} PRIVATE
    -Os -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables -fno-unwind-tables
    -fno-stack-protector -fno-stack-check -ffreestanding -fno-builtin -fno-ident
    -fno-tree-loop-distribute-patterns -ffunction-sections -fdata-sections)
endfunction()

# Builds target without the C and C++ runtime: its own code freestanding, no start-up files,
# no default libraries; only the given Windows import libraries are linked.
function(quillot_without_runtime target)
  quillot_freestanding(${target})
  target_link_options(${target} PRIVATE
    -nostdlib -nostartfiles -s -Wl,--gc-sections -Wl,--file-alignment,512
    -Wl,--section-alignment,4096 -Wl,--no-insert-timestamp -Wl,--disable-dynamicbase
    -Wl,--disable-reloc-section)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # Windows 95 and NT 4.0 refuse images that ask for a newer subsystem.
    target_link_options(${target} PRIVATE
      -Wl,--subsystem,windows:4.0 -Wl,--major-os-version,4 -Wl,--minor-os-version,0)
  endif()
  list(TRANSFORM ARGN PREPEND "-l")
  target_link_libraries(${target} PRIVATE ${ARGN})
endfunction()
