// The updater's own command line, and starting the updated program.
#include "updater/Processes.h"

#include <windows.h>

#include "ui/base/KernelHandle.h"
#include "ui/base/WideText.h"
#include "updater/CommandLine.h"

namespace updater {

std::string OwnArgument() { return FirstArgument(ui::ToGbk(GetCommandLineW())); }

bool StartUpdatedProgram(const std::string& path) {
  const std::wstring program = ui::ToWide(path);
  // Quoted, so a path with blanks cannot be read as another program and its arguments.
  std::wstring command = L"\"" + program + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return false;
  ui::KernelHandle thread(process.hThread), handle(process.hProcess);
  WaitForInputIdle(handle.Get(), 1000);
  return true;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(ui::ToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace updater
