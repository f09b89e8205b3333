// The player's movie: a 320 x 240 stage at 60 frames per second holding one video and the control script.
#include "player/movie/PlayerMovie.h"

#include <vector>

#include "player/movie/SwfWriter.h"

namespace movie {

namespace {

constexpr uint16_t kVideoCharacter = 1;
constexpr uint16_t kVideoDepth = 1;

// FileAttributes: only UseNetwork, so the movie loaded from a local file may
// open network addresses.
std::string FileAttributes() { return EncodeU32(0x01); }

// EnableDebugger2: a reserved field and the password digest. The digest here
// matches no password, so no debugger can attach.
std::string EnableDebugger2() { return EncodeU16(0) + std::string("!") + '\0'; }

// DebugID: a fixed 16-byte identifier of this movie.
std::string DebugId() { return std::string("TavrinPlayMovie1", 16); }

// DefineVideoStream: 160 x 120, no frames of its own (a stream is attached at
// run time), no deblocking or smoothing flags, codec 0.
std::string DefineVideoStream() {
  return EncodeU16(kVideoCharacter) + EncodeU16(0) + EncodeU16(160) + EncodeU16(120) + std::string(2, '\0');
}

// PlaceObject2: the video at depth 1 under its instance name, scaled 2.0 so
// that it fills the stage.
std::string PlaceVideo() {
  constexpr uint8_t kHasName = 0x20, kHasMatrix = 0x04, kHasCharacter = 0x02;
  return std::string(1, static_cast<char>(kHasName | kHasMatrix | kHasCharacter)) + EncodeU16(kVideoDepth) +
         EncodeU16(kVideoCharacter) + EncodeScaleMatrix(2.0, 2.0) + kVideoInstanceName + '\0';
}

}  // namespace

std::string BuildPlayerMovie(const std::string& doActionBytes) {
  SwfHeader header;
  header.version = 8;
  header.stage = {0, 320 * 20, 0, 240 * 20};
  header.frameRate = 60;
  header.frameCount = 1;
  const std::vector<std::string> tags = {
      EncodeTag(kTagFileAttributes, FileAttributes()),
      EncodeTag(kTagSetBackgroundColor, std::string(3, '\0')),
      EncodeTag(kTagEnableDebugger2, EnableDebugger2()),
      EncodeTag(kTagDebugId, DebugId()),
      EncodeTag(kTagDoAction, doActionBytes),
      EncodeTag(kTagDefineVideoStream, DefineVideoStream()),
      EncodeTag(kTagPlaceObject2, PlaceVideo()),
      EncodeTag(kTagShowFrame, {}),
      EncodeTag(kTagEnd, {}),
  };
  return WriteSwf(header, tags, true);
}

}  // namespace movie
