// What the updater does per listed file: its address, its place in the updater's folder, and whether it may be written.
#include "updater/UpdatePlan.h"

#include "web/TextHelpers.h"

namespace updater {

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// The parts of a path between separators, read by characters as the
// platform converts the path: the second byte of a two-byte character is
// never a separator, but a "/" or "\" after a byte that stands alone is.
std::vector<std::string> PathParts(const std::string& name) {
  std::vector<std::string> parts(1);
  for (size_t i = 0; i < name.size();) {
    const size_t length = web::GbkCharLength(name, i);
    if (length == 1 && IsSeparator(name[i]))
      parts.emplace_back();
    else
      parts.back().append(name, i, length);
    i += length;
  }
  return parts;
}

// The platform opens a device, not a file, for these names, with any
// extension and trailing blanks or dots.
bool IsDeviceName(const std::string& part) {
  std::string stem = web::AsciiUpper(part.substr(0, part.find('.')));
  while (!stem.empty() && (stem.back() == ' ' || stem.back() == '.')) stem.pop_back();
  static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"};
  for (const char* device : kDevices)
    if (stem == device) return true;
  return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) && stem[3] >= '0' &&
         stem[3] <= '9';
}

}  // namespace

bool IsSafeUpdateName(const std::string& name) {
  if (name.empty() || IsSeparator(name[0])) return false;
  if (name.find(':') != std::string::npos || name.find("..") != std::string::npos) return false;
  const std::vector<std::string> parts = PathParts(name);
  // A last part that is empty, or only dots and blanks (which the platform
  // drops), names a folder, not a file.
  if (parts.back().find_first_not_of(". ") == std::string::npos) return false;
  for (const std::string& part : parts)
    if (IsDeviceName(part)) return false;
  return true;
}

std::vector<UpdateItem> PlanUpdate(const UpdateList& list, const std::string& baseAddress, const std::string& folder) {
  std::vector<UpdateItem> items;
  for (const std::string& name : list.names) {
    UpdateItem item;
    item.name = name;
    item.address = baseAddress + name + list.suffix;
    item.path = folder + "/" + name;
    item.safe = IsSafeUpdateName(name);
    items.push_back(item);
  }
  return items;
}

std::string TemporaryPath(const std::string& path) { return path + ".p2p"; }

}  // namespace updater
