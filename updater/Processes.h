// The updater's own command line, and starting the updated program.
#pragma once
#include <string>

namespace updater {

// The first argument of the running updater's command line (GBK); empty when there is none.
std::string OwnArgument();

// Starts the program at path (GBK) with its path quoted on the command line,
// shown normally, and lets it become idle for up to 1000 ms. True when it was started.
bool StartUpdatedProgram(const std::string& path);

// True when path names an existing file (not a folder).
bool FileExists(const std::string& path);

}  // namespace updater
