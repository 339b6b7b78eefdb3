# Cross-compiles the shipped 32-bit build with MinGW-w64.
# The win32 thread model: the programs have one thread, and the posix model's runtime would
# bring the winpthread library (about 30 KB) for the locks of its exception handling and of
# local statics. The 32-bit build holds no GoogleTest program, which needs the posix model.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_PREFIX}-gcc-win32)
set(QUILLOT_CXX_COMPILER ${MINGW_PREFIX}-g++-win32)
set(CMAKE_CXX_COMPILER ${QUILLOT_CXX_COMPILER})
