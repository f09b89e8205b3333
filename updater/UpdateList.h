// The updater's reading of the update list "sj.txt": the file names and their download suffix.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace updater {

// Bounds of a list that a real update never comes near (it names the main
// program, the player library and a few more); they keep the plan of a list
// small enough to be made at once on the window thread.
constexpr size_t kMaxUpdateNames = 256;
constexpr size_t kMaxUpdateNameBytes = 255;
constexpr size_t kMaxUpdateSuffixBytes = 255;

struct UpdateList {
  std::vector<std::string> names;  // in list order; the first is started after the update
  std::string suffix;              // appended to each name to form its download address
  bool refused = false;            // the list was past the bounds: no names and no suffix
};

// True when the list keeps to the bounds above.
bool WithinBounds(const UpdateList& list);

// The "名称=[" value split at "|": an empty value gives no names, an empty
// piece between two bars an empty name, and a bar at the very end no name.
std::vector<std::string> SplitFileNames(const std::string& value);

// The names and the suffix of a list's text (missing keys give empty values);
// a list past the bounds is refused whole, without splitting all of it.
UpdateList ParseUpdateList(const std::string& listText);

}  // namespace updater
