// The command line with which the main program starts the updater.
#include "main/UpdaterCommand.h"

std::string UpdaterCommandLine(const std::string& updaterPath, const std::string& serviceBase) {
  return "\"" + updaterPath + "\" " + serviceBase + "up/";
}
