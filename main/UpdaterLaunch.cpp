// Handing over to the updater when the update list announces a newer version.
#include "main/UpdaterLaunch.h"

#include <windows.h>

#include "main/UpdaterCommand.h"
#include "main/web/OwnedHandle.h"
#include "main/web/WebAddress.h"
#include "ui/ShellOpen.h"
#include "ui/WideText.h"

UpdaterLaunch LaunchUpdaterOrOpenPage(const std::string& programDir, const std::string& serviceBase,
                                      const std::string& downloadPage) {
  const std::string updater = programDir + "/Quenlo.exe";
  if (GetFileAttributesW(ui::ToWide(updater).c_str()) == INVALID_FILE_ATTRIBUTES) {
    // The page comes from the update list: only a web address goes to the shell.
    const std::string page = web::OpenableWebAddress(downloadPage);
    return !page.empty() && ui::ShellOpen(page) ? UpdaterLaunch::PageOpened : UpdaterLaunch::Failed;
  }
  const std::wstring program = ui::ToWide(updater);
  std::wstring command = ui::ToWide(UpdaterCommandLine(updater, serviceBase));
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return UpdaterLaunch::Failed;
  web::KernelHandle thread(process.hThread), handle(process.hProcess);
  return UpdaterLaunch::Started;
}
