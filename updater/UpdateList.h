// The updater's reading of the update list "sj.txt": the file names and their download suffix.
#pragma once
#include <string>
#include <vector>

namespace updater {

struct UpdateList {
  std::vector<std::string> names;  // in list order; the first is started after the update
  std::string suffix;              // appended to each name to form its download address
};

// The "名称=[" value split at "|": an empty value gives no names, an empty
// piece between two bars an empty name, and a bar at the very end no name.
std::vector<std::string> SplitFileNames(const std::string& value);

// The names and the suffix of a list's text (missing keys give empty values).
UpdateList ParseUpdateList(const std::string& listText);

}  // namespace updater
