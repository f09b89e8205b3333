// The command line with which the main program starts the updater.
#pragma once
#include <string>

// The updater's path in quotes, one blank, then the update folder's address
// (the service base followed by "up/").
std::string UpdaterCommandLine(const std::string& updaterPath, const std::string& serviceBase);
