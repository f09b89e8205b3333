// What the updater does per listed file: its address, its place in the updater's folder, and whether it may be written.
#pragma once
#include <string>
#include <vector>

#include "updater/UpdateList.h"

namespace updater {

// True when the listed name stays inside the updater's folder and names a
// file: not empty, no leading separator, no drive or other colon, no "..",
// a last part that is more than dots and blanks, and no part that is a
// reserved device name (CON, NUL, COM1, LPT1.txt...).
// Subfolders such as help/help.html are allowed; "\" inside a two-byte
// character is not a separator.
bool IsSafeUpdateName(const std::string& name);

struct UpdateItem {
  std::string name;
  std::string address;  // base + name + suffix
  std::string path;     // folder + "/" + name
  bool safe = false;    // IsSafeUpdateName(name); unsafe items are skipped but counted
};

// One item per listed name, in list order. folder has no trailing separator.
std::vector<UpdateItem> PlanUpdate(const UpdateList& list, const std::string& baseAddress, const std::string& folder);

// The name the download is written under before it replaces the file.
std::string TemporaryPath(const std::string& path);

}  // namespace updater
