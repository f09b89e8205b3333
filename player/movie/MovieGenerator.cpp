// Build tool: assembles the movie's script, builds the movie and writes it as a C++ source of constant data.
//   MovieGenerator <script> <out.cpp> [<out.swf>]   the movie, stored as {1, length, bytes}
//   MovieGenerator --list <file.swf>                 header, tags and script listing of a movie
//   MovieGenerator --expand <in.swf> <out.swf>       the movie uncompressed ("FWS")
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "player/movie/ActionAssembler.h"
#include "player/movie/PlayerMovie.h"
#include "player/movie/SwfListing.h"
#include "player/movie/SwfReader.h"
#include "player/movie/SwfWriter.h"

namespace {

bool ReadFile(const std::string& path, std::string& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream text;
  text << in.rdbuf();
  out = text.str();
  return true;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

std::string DataSource(const std::string& movie) {
  const std::string stored = movie::EncodeU32(1) + movie::EncodeU32(static_cast<uint32_t>(movie.size())) + movie;
  std::string out =
      "// The player's movie in its stored form {1, length, bytes}. Written by MovieGenerator from\n"
      "// MovieScript.asm at build time.\n"
      "#include \"player/movie/StoredMovie.h\"\n\n"
      "const unsigned char StoredMovie[] = {";
  for (size_t i = 0; i < stored.size(); ++i) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%s0x%02X,", i % 16 ? " " : "\n    ", static_cast<unsigned char>(stored[i]));
    out += hex;
  }
  return out + "\n};\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--list") {
    std::string file;
    if (!ReadFile(argv[2], file)) {
      std::cerr << "cannot read " << argv[2] << "\n";
      return 1;
    }
    std::cout << movie::SwfListing(file);
    return 0;
  }
  if (argc == 4 && std::string(argv[1]) == "--expand") {
    std::string file, expanded, error;
    if (!ReadFile(argv[2], file) || !movie::ExpandSwf(file, expanded, error) || !WriteFile(argv[3], expanded)) {
      std::cerr << "cannot expand " << argv[2] << " " << error << "\n";
      return 1;
    }
    return 0;
  }
  if (argc != 3 && argc != 4) {
    std::cerr << "usage: MovieGenerator <script> <out.cpp> [<out.swf>] | --list <file.swf>\n";
    return 2;
  }
  std::string source;
  if (!ReadFile(argv[1], source)) {
    std::cerr << "cannot read " << argv[1] << "\n";
    return 1;
  }
  const movie::AssembledScript script = movie::AssembleScript(source);
  if (!script.error.empty()) {
    std::cerr << argv[1] << ":" << script.errorLine << ": " << script.error << "\n";
    return 1;
  }
  const std::string swf = movie::BuildPlayerMovie(script.bytes);
  if (swf.empty()) {
    std::cerr << "compression failed\n";
    return 1;
  }
  if (!WriteFile(argv[2], DataSource(swf)) || (argc == 4 && !WriteFile(argv[3], swf))) {
    std::cerr << "cannot write the output\n";
    return 1;
  }
  return 0;
}
