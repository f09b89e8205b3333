// File names of downloaded videos: built from the page title, safe for Windows, unique in the save folder.
#include "main/FileName.h"

#include "main/FileListFill.h"
#include "web/TextHelpers.h"

namespace {

// The text helpers' rule: a byte of 0x80 or above starts a two-byte character.
bool IsLead(unsigned char c) { return c >= 0x80; }

bool IsForbidden(unsigned char c) {
  static const std::string kForbidden = "\\/:*?\"<>|";
  return c < 0x20 || kForbidden.find(static_cast<char>(c)) != std::string::npos;
}

bool IsDeviceName(const std::string& base) {
  static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL"};
  const std::string upper = web::AsciiUpper(base);
  for (const char* device : kDevices)
    if (upper == device) return true;
  return upper.size() == 4 && (upper.compare(0, 3, "COM") == 0 || upper.compare(0, 3, "LPT") == 0) && upper[3] >= '1' &&
         upper[3] <= '9';
}

}  // namespace

std::string CutTitle(const std::string& title, size_t maxBytes) {
  size_t end = 0;
  for (size_t i = 0; i < title.size() && i < maxBytes;) {
    size_t step = IsLead(title[i]) ? 2 : 1;
    if (i + step > maxBytes || i + step > title.size()) break;
    i += step;
    end = i;
  }
  return title.substr(0, end);
}

std::string SafeFileName(const std::string& name) {
  std::string out;
  out.reserve(name.size());
  for (size_t i = 0; i < name.size(); ++i) {
    const unsigned char c = name[i];
    if (c >= 0x80) {
      if (web::GbkCharLength(name, i) == 2) {
        out.append(name, i, 2);
        ++i;
      } else {
        out += '_';  // not a whole character: the next byte stands alone
      }
    } else {
      out += IsForbidden(c) ? '_' : static_cast<char>(c);
    }
  }
  // The last character is single-byte when it is a dot or blank, since every
  // double-byte character above ends in a second byte of 0x40 or more.
  while (!out.empty() && (out.back() == '.' || out.back() == ' ')) out.pop_back();
  if (out.empty()) return "_";
  // Windows ignores blanks before the extension when it recognises a device.
  std::string base = out.substr(0, out.find('.'));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  if (IsDeviceName(base)) out.insert(0, "_");
  return out;
}

std::string RowFileName(const std::string& pageTitle, size_t index, const std::string& address) {
  return SafeFileName(CutTitle(pageTitle) + "[" + std::to_string(index) + "]." + GuessExtension(address));
}

std::string FileNameKey(const std::string& name) { return web::AsciiLower(name); }

bool SameFileName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && FileNameKey(a) == FileNameKey(b);
}

std::string UniqueFileName(const std::string& name, const std::function<bool(const std::string&)>& isTaken) {
  if (!isTaken(name)) return name;
  // The extension starts at the last dot that begins a character.
  size_t dot = std::string::npos;
  for (size_t i = 0; i < name.size(); i += IsLead(name[i]) ? 2 : 1)
    if (name[i] == '.') dot = i;
  const std::string stem = name.substr(0, dot);
  const std::string extension = dot == std::string::npos ? "" : name.substr(dot);
  // A bound keeps a callback that always says "taken" from looping forever.
  std::string candidate = name;
  for (int n = 2; n < 100000; ++n) {
    candidate = stem + " (" + std::to_string(n) + ")" + extension;
    if (!isTaken(candidate)) break;
  }
  return candidate;
}

std::string PathInFolder(const std::string& folder, const std::string& name) {
  // The last character of the folder, stepping over double-byte characters
  // whose second byte may be 0x5C, the code of "\".
  size_t last = std::string::npos;
  for (size_t i = 0; i < folder.size(); i += IsLead(folder[i]) ? 2 : 1) last = i;
  const bool separated =
      last != std::string::npos && last + 1 == folder.size() && (folder[last] == '\\' || folder[last] == '/');
  if (folder.empty() || separated) return folder + name;
  return folder + "\\" + name;
}

// ":" and the control bytes are below 0x40, so they are never the second
// byte of a double-byte character: a byte search is safe.
bool IsLocalFolderPath(const std::string& path) {
  const auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  if (path.size() < 3 || !isLetter(path[0]) || path[1] != ':' || path[2] != '\\') return false;
  return path.find(':', 2) == std::string::npos && !web::HoldsControlByte(path);
}
