# The movie's pure code: SWF writer, script assembler, reader, disassembler and
# the movie itself. Included by this folder's CMakeLists.txt and by the native
# generator build of the cross build (generator/CMakeLists.txt).
find_package(ZLIB REQUIRED)
set(_movie_dir ${CMAKE_CURRENT_LIST_DIR})
add_library(tavrin_moviekit STATIC
  ${_movie_dir}/SwfWriter.cpp
  ${_movie_dir}/SwfReader.cpp
  ${_movie_dir}/ActionCodes.cpp
  ${_movie_dir}/ActionAssembler.cpp
  ${_movie_dir}/ActionDisassembler.cpp
  ${_movie_dir}/SwfListing.cpp
  ${_movie_dir}/PlayerMovie.cpp
)
target_include_directories(tavrin_moviekit PUBLIC ${_movie_dir}/../..)
target_link_libraries(tavrin_moviekit PUBLIC ZLIB::ZLIB)
add_executable(MovieGenerator ${_movie_dir}/MovieGenerator.cpp)
target_link_libraries(MovieGenerator PRIVATE tavrin_moviekit)
