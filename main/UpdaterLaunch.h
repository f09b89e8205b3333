// Handing over to the updater when the update list announces a newer version.
#pragma once
#include <string>

enum class UpdaterLaunch { Started, PageOpened, Failed };

// Starts Quenlo.exe from the program's folder with the update folder's
// address and does not wait for it; when the updater is missing, opens the
// download page with the shell instead, when it is a web address
// (web::OpenableWebAddress; Failed otherwise). All texts are GBK.
UpdaterLaunch LaunchUpdaterOrOpenPage(const std::string& programDir, const std::string& serviceBase,
                                      const std::string& downloadPage);
