# Cross-build for 32-bit Windows: what ships.
set(TAVRIN_MINGW i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
