// The settings file Config.ini, through W file functions so that any folder name works.
#include "main/ConfigFile.h"

#include <windows.h>

#include "main/IniText.h"
#include "ui/base/KernelHandle.h"
#include "ui/base/WideText.h"

namespace {

constexpr size_t kValueBuffer = 10240;

// The whole file into text: true when it was read, or is missing (no
// settings yet, empty text); false when a file is there that cannot be read.
bool ReadWholeFile(const std::string& path, std::string& text) {
  text.clear();
  ui::KernelHandle f(CreateFileW(ui::ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!f) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  }
  char buf[4096];
  for (;;) {
    DWORD n = 0;
    if (!ReadFile(f.Get(), buf, sizeof buf, &n, nullptr)) {
      text.clear();
      return false;
    }
    if (n == 0) return true;
    text.append(buf, n);
  }
}

}  // namespace

std::string ReadConfigValue(const std::string& path, const std::string& section, const std::string& key) {
  std::string text;
  if (!ReadWholeFile(path, text)) return {};
  std::string value = IniValue(text, section, key);
  if (value.size() > kValueBuffer - 1) value.resize(kValueBuffer - 1);
  return value;
}

bool WriteConfigValue(const std::string& path, const std::string& section, const std::string& key,
                      const std::string& value) {
  std::string old;
  if (!ReadWholeFile(path, old)) return false;
  const std::string text = WithIniValue(old, section, key, value);
  // The new text goes to a file beside the settings and then takes its place,
  // so that a failed write leaves the old settings whole.
  const std::wstring target = ui::ToWide(path);
  const std::wstring fresh = target + L".new";
  {
    ui::KernelHandle f(
        CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!f || !WriteFile(f.Get(), text.data(), (DWORD)text.size(), &written, nullptr) || written != text.size()) {
      f.Reset();
      DeleteFileW(fresh.c_str());
      return false;
    }
  }
  if (MoveFileExW(fresh.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  DeleteFileW(fresh.c_str());
  return false;
}
