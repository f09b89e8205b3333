// Fuzz target: the update list, the command line and the plan on arbitrary
// bytes. A name the plan calls safe is resolved here the way the platform
// resolves a path, and must name a file inside the updater's folder through
// no device.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "updater/CommandLine.h"
#include "updater/UpdateList.h"
#include "updater/UpdatePlan.h"

namespace {

void Check(bool holds) {
  if (!holds) __builtin_trap();
}

// Code page 936 as the platform converts a path: a character of two bytes
// has a first byte in 81-FE and a second in 40-7E or 80-FE; every other byte
// is a character by itself (so "/" and "\" after 80, FF or a first byte
// without its second are separators).
bool StartsTwoByteCharacter(const std::string& name, size_t i) {
  const auto in = [](unsigned char c, unsigned low, unsigned high) { return c >= low && c <= high; };
  return i + 1 < name.size() && in(name[i], 0x81, 0xFE) && (in(name[i + 1], 0x40, 0x7E) || in(name[i + 1], 0x80, 0xFE));
}

// The devices the platform opens for a path part, whatever follows the first
// dot and whatever blanks stand before it, in any case.
bool NamesADevice(const std::string& part) {
  std::string stem = part.substr(0, part.find('.'));
  stem.erase(stem.find_last_not_of(' ') + 1);
  for (char& c : stem)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"};
  for (const char* device : kDevices)
    if (stem == device) return true;
  return stem.size() == 4 && (stem.rfind("COM", 0) == 0 || stem.rfind("LPT", 0) == 0) && stem[3] >= '0' &&
         stem[3] <= '9';
}

// The parts of the name between "/" and "\"; "." stays where it is, ".."
// goes up one folder, any other part loses its trailing dots and blanks, as
// the platform drops them, and then stays where it is when nothing is left of
// it. True when the name ends on a file of the folder or below it, never
// leaving it on the way and naming no device on it.
bool ResolvesToAFileInside(const std::string& name) {
  std::vector<std::string> parts(1);
  for (size_t i = 0; i < name.size(); ++i) {
    if (StartsTwoByteCharacter(name, i)) {
      parts.back() += name.substr(i, 2);
      ++i;
    } else if (name[i] == '/' || name[i] == '\\') {
      parts.emplace_back();
    } else {
      parts.back() += name[i];
    }
  }
  if (name.empty() || name[0] == '/' || name[0] == '\\' || name.find(':') != std::string::npos) return false;
  int depth = 0;
  std::string last;
  for (std::string part : parts) {
    if (NamesADevice(part)) return false;
    if (part != "." && part != "..")
      while (!part.empty() && (part.back() == '.' || part.back() == ' ')) part.pop_back();
    last = part;
    if (part == "..") {
      if (--depth < 0) return false;
    } else if (!part.empty() && part != ".") {
      ++depth;
    }
  }
  return !last.empty() && last != "." && last != "..";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  updater::SplitCommandLine(text);

  // The names as a list's "名称=[" value, as the raw bytes split at "|", and
  // as the bytes read as letters of a path, so that short inputs try the
  // ways out of a folder and the device names.
  static const char kPathLetters[] = {'.',    '/',    '\\',   ' ', ':', '|', 'a', '\x81',
                                      '\x80', '\xFF', '\x40', 'c', 'O', 'n', 'M', '1'};
  std::string path;
  for (char c : text) path += kPathLetters[static_cast<unsigned char>(c) % sizeof kPathLetters];
  const updater::UpdateList parsed = updater::ParseUpdateList(text);
  Check(updater::WithinBounds(parsed) && (!parsed.refused || (parsed.names.empty() && parsed.suffix.empty())));
  const updater::UpdateList raw = {updater::SplitFileNames(text), ".upd"};
  const updater::UpdateList paths = {updater::SplitFileNames(path), ""};
  for (const updater::UpdateList& list : {parsed, raw, paths}) {
    const std::vector<updater::UpdateItem> items = updater::PlanUpdate(list, "http://h/up/", "C:/dir");
    Check(items.size() == list.names.size());
    for (size_t i = 0; i < items.size(); ++i) {
      const updater::UpdateItem& item = items[i];
      Check(item.name == list.names[i]);
      Check(item.address == "http://h/up/" + item.name + list.suffix);
      Check(item.path == "C:/dir/" + item.name);
      if (item.safe) Check(ResolvesToAFileInside(item.name));
    }
  }
  // Joined again, the names give the value back, less a bar at its very end.
  std::string joined;
  for (size_t i = 0; i < raw.names.size(); ++i) joined += (i ? "|" : "") + raw.names[i];
  Check(joined == text || joined + "|" == text);
  return 0;
}
