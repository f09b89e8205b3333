// Handing over to the updater when the update list announces a newer version.
#include "main/UpdaterLaunch.h"

#include <windows.h>
#include <shellapi.h>

#include "main/UpdaterCommand.h"
#include "main/web/OwnedHandle.h"
#include "ui/WideText.h"

UpdaterLaunch LaunchUpdaterOrOpenPage(const std::string& programDir, const std::string& serviceBase,
                                      const std::string& downloadPage) {
  const std::string updater = programDir + "/Quenlo.exe";
  if (GetFileAttributesW(ui::ToWide(updater).c_str()) == INVALID_FILE_ATTRIBUTES) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", ui::ToWide(downloadPage).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32 ? UpdaterLaunch::PageOpened : UpdaterLaunch::Failed;
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
