# Cross-build of the same sources for 64-bit Windows: tested under 64-bit
# Wine, also on hosts that run no 32-bit code.
set(TAVRIN_MINGW x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
