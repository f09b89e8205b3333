// Putting a downloaded file in place of the old one, waiting a little while the old one is still in use.
#include "updater/FileReplace.h"

#include <windows.h>

#include "ui/base/WideText.h"

namespace updater {

namespace {

constexpr DWORD kRetryPauseMs = 100;

bool TargetInUse(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED ||
         error == ERROR_USER_MAPPED_FILE;
}

// One move, or one copy and delete; the error of the last call made when it fails.
bool TryOnce(const std::wstring& temporary, const std::wstring& target, DWORD* error) {
  if (MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
  if (CopyFileW(temporary.c_str(), target.c_str(), FALSE)) {
    DeleteFileW(temporary.c_str());
    return true;
  }
  *error = GetLastError();
  return false;
}

}  // namespace

bool PutFileInPlace(const std::string& temporary, const std::string& target, StopSignal& stop, unsigned retryMs) {
  const std::wstring from = ui::ToWide(temporary), to = ui::ToWide(target);
  const DWORD start = GetTickCount();
  for (;;) {
    DWORD error = 0;
    {
      StepGuard step(stop);
      if (!step.Started()) return false;
      if (TryOnce(from, to, &error)) return true;
    }
    if (!TargetInUse(error) || GetTickCount() - start >= retryMs) return false;
    Sleep(kRetryPauseMs);
  }
}

}  // namespace updater
