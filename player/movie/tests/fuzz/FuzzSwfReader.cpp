// Fuzz target: reading arbitrary bytes as a SWF file and as script actions, and listing them.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "player/movie/ActionDisassembler.h"
#include "player/movie/SwfListing.h"
#include "player/movie/SwfReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  movie::SwfFile swf;
  std::string error;
  if (movie::ReadSwf(bytes, swf, error)) {
    size_t total = 0;
    for (const movie::SwfTagRecord& tag : swf.tags) total += tag.body.size();
    if (total > swf.fileLength) abort();
    for (const movie::SwfTagRecord& tag : swf.tags) {
      if (tag.code == movie::kTagDoAction) movie::DisassembleActions(tag.body);
    }
  }
  movie::SwfListing(bytes);

  std::vector<movie::DecodedAction> actions;
  movie::DecodeActions(bytes, actions, error);
  movie::DisassembleActions(bytes);
  return 0;
}
