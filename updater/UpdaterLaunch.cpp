// Starting the updater from the main program when the update list announces a newer version.
#include "updater/UpdaterLaunch.h"

#include <windows.h>

#include "ui/ShellOpen.h"
#include "ui/base/KernelHandle.h"
#include "ui/base/WideText.h"
#include "updater/CommandLine.h"
#include "web/WebAddress.h"

namespace updater {

UpdaterLaunch LaunchUpdaterOrOpenPage(const std::string& programDir, const std::string& serviceBase,
                                      const std::string& downloadPage) {
  const std::string updaterPath = programDir + "/Quenlo.exe";
  if (GetFileAttributesW(ui::ToWide(updaterPath).c_str()) == INVALID_FILE_ATTRIBUTES) {
    // The page comes from the update list: only a web address goes to the shell.
    const std::string page = web::OpenableWebAddress(downloadPage);
    return !page.empty() && ui::ShellOpen(page) ? UpdaterLaunch::PageOpened : UpdaterLaunch::Failed;
  }
  const std::wstring program = ui::ToWide(updaterPath);
  std::wstring command = ui::ToWide(UpdaterCommandLine(updaterPath, serviceBase));
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return UpdaterLaunch::Failed;
  ui::KernelHandle thread(process.hThread), handle(process.hProcess);
  return UpdaterLaunch::Started;
}

}  // namespace updater
