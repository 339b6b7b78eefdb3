# Warnings are errors in every build. Targets link quillot_warnings to get them.
add_library(quillot_warnings INTERFACE)
target_compile_options(quillot_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-qual -Werror)

if(QUILLOT_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
