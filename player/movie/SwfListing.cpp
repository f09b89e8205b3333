// A readable listing of a SWF file: header fields, tag records and the disassembled scripts.
#include "player/movie/SwfListing.h"

#include <cstdio>

#include "player/movie/ActionDisassembler.h"
#include "player/movie/SwfReader.h"

namespace movie {

std::string TagName(unsigned code) {
  switch (code) {
    case kTagEnd: return "End";
    case kTagShowFrame: return "ShowFrame";
    case kTagSetBackgroundColor: return "SetBackgroundColor";
    case kTagDoAction: return "DoAction";
    case kTagPlaceObject2: return "PlaceObject2";
    case kTagDefineVideoStream: return "DefineVideoStream";
    case kTagDebugId: return "DebugID";
    case kTagEnableDebugger2: return "EnableDebugger2";
    case kTagFileAttributes: return "FileAttributes";
    default: return "Tag" + std::to_string(code);
  }
}

std::string SwfListing(const std::string& file) {
  SwfFile swf;
  std::string error;
  const bool ok = ReadSwf(file, swf, error);
  char line[200];
  std::snprintf(line, sizeof line,
                "%s version %u, %zu bytes, expanded %u; stage %d..%d x %d..%d twips; %u.%02u fps; %u frames\n",
                swf.signature.c_str(), swf.version, swf.storedLength, swf.fileLength, swf.stage.xMin, swf.stage.xMax,
                swf.stage.yMin, swf.stage.yMax, swf.frameRate >> 8, (swf.frameRate & 0xFF) * 100 / 256, swf.frameCount);
  std::string out = line;
  for (const SwfTagRecord& tag : swf.tags) {
    out += TagName(tag.code) + " (" + std::to_string(tag.body.size()) + " bytes" +
           (tag.longHeader ? ", long header" : "") + ")";
    if (tag.code != kTagDoAction && !tag.body.empty() && tag.body.size() <= 64) {
      out += ":";
      for (const char c : tag.body) {
        std::snprintf(line, sizeof line, " %02X", static_cast<unsigned char>(c));
        out += line;
      }
    }
    out += "\n";
    if (tag.code == kTagDoAction) out += DisassembleActions(tag.body);
  }
  if (!ok) out += "; error: " + error + "\n";
  return out;
}

}  // namespace movie
