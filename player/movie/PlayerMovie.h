// The player's movie: a 320 x 240 stage at 60 frames per second holding one video and the control script.
#pragma once
#include <string>

namespace movie {

// Instance name of the video on the stage; the script attaches the stream to it.
constexpr const char* kVideoInstanceName = "MyVideo";

// The compressed ("CWS") movie file around the given DoAction bytes; empty
// when compression fails.
std::string BuildPlayerMovie(const std::string& doActionBytes);

}  // namespace movie
