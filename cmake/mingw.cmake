# Cross-build for Windows with mingw-w64 (posix thread model: the win32 one
# has no std::thread or std::mutex) for the processor that the including
# toolchain file sets in TAVRIN_MINGW (i686 or x86_64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TAVRIN_MINGW})
set(CMAKE_C_COMPILER ${TAVRIN_MINGW}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAVRIN_MINGW}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${TAVRIN_MINGW}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TAVRIN_MINGW}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
