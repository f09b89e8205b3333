// The texts of the player's conversation with its movie: requests, reply cuts, numbers, times, the combined state.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace player {

// Variables the movie watches; written through the control's "setVariable".
inline constexpr char kUrlVariable[] = "flvurl";
inline constexpr char kPlayControlVariable[] = "playkz";
inline constexpr char kVolumeVariable[] = "playvolume";
inline constexpr char kSeekVariable[] = "playkj";

// Functions the movie offers; asked through the control's "CallFunction".
inline constexpr char kPlayCodeQuery[] = "qbfzt";
inline constexpr char kUrlQuery[] = "qurl";
inline constexpr char kTotalTimeQuery[] = "qbfzsj";
inline constexpr char kCurrentTimeQuery[] = "qbfsj";
inline constexpr char kTimeTextQuery[] = "qbfsjwb";
inline constexpr char kStreamStatusQuery[] = "flvbfzt";
inline constexpr char kBufferQuery[] = "huanchong";

// The combined player state.
enum PlayerStateCode : int32_t {
  kStateStopped = 0,
  kStatePlaying = 1,
  kStatePaused = 2,
  kStateBuffering = 3,
  kStateStreamNotFound = 4,
  kStateLoading = 5,
};

// The external-interface request that calls a function of the movie without arguments.
std::string InvokeRequest(const std::string& functionName);

// The bytes between the first start marker and the first end marker after it,
// both found ignoring the case of ASCII letters (two-byte characters compare
// exactly and are matched only where they start); empty when either is missing.
std::string SliceBetween(const std::string& text, const std::string& start, const std::string& end);

// The value of a reply's string element; empty for any other reply.
std::string StringReply(const std::string& reply);

// Optional leading blanks and sign, then decimal digits; anything else ends
// the number. Empty or non-numeric text gives 0; values beyond int32 saturate.
int32_t TextToInt(const std::string& text);

// "minutes:seconds" to seconds; any text that is not exactly two parts gives 0.
int32_t TimeTextSeconds(const std::string& time);

// The combined state from the movie's play code and stream status, asking
// again for each test as the movie may change state between the questions.
int32_t CombinePlayerState(const std::function<int32_t()>& playCode, const std::function<std::string()>& streamStatus);

}  // namespace player
