// The texts of the player's conversation with its movie.
#include "player/MovieProtocol.h"

#include <cmath>
#include <limits>
#include <vector>

#include "web/TextHelpers.h"
#include "web/TextSplit.h"

namespace player {

std::string InvokeRequest(const std::string& functionName) {
  return "<invoke name='" + functionName + "' returntype='xml'></invoke>";
}

std::string SliceBetween(const std::string& text, const std::string& start, const std::string& end) {
  const std::string lower = web::AsciiLower(text);
  const size_t at = web::GbkFind(lower, web::AsciiLower(start));
  if (at == std::string::npos) return {};
  const size_t from = at + start.size();
  if (from > text.size()) return {};
  const size_t stop = web::GbkFind(lower, web::AsciiLower(end), from);
  if (stop == std::string::npos) return {};
  return text.substr(from, stop - from);
}

std::string StringReply(const std::string& reply) { return SliceBetween(reply, "<string>", "</string>"); }

int32_t TextToInt(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) break;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

int32_t TimeTextSeconds(const std::string& time) {
  const std::vector<std::string> parts = web::SplitText(time, ":");
  if (parts.size() != 2) return 0;
  const double seconds = static_cast<double>(TextToInt(parts[0])) * 60 + TextToInt(parts[1]);
  // Times beyond the int32 range have no meaning for the player; they give 0.
  if (!(seconds < 2147483648.0) || !(seconds > -2147483649.0)) return 0;
  return static_cast<int32_t>(std::trunc(seconds));
}

int32_t CombinePlayerState(const std::function<int32_t()>& playCode, const std::function<std::string()>& streamStatus) {
  int32_t state = kStateStopped;
  playCode();  // a stopped movie leaves the state as it is
  if (playCode() == 1) {
    if (streamStatus() == "NetStream.Buffer.Full") {
      state = kStatePlaying;
    } else if (streamStatus() == "NetStream.Buffer.Empty") {
      state = kStateBuffering;
    } else {
      state = kStateLoading;
    }
  }
  if (playCode() == 2) state = kStatePaused;
  if (playCode() == 3) state = kStateBuffering;
  if (playCode() == 4) state = kStateStreamNotFound;
  return state;
}

}  // namespace player
