// The updater's reading of the update list "sj.txt": the file names and their download suffix.
#include "updater/UpdateList.h"

#include "web/TextHelpers.h"

namespace updater {

std::vector<std::string> SplitFileNames(const std::string& value) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start < value.size()) {
    const size_t bar = web::GbkFind(value, "|", start);
    if (bar == std::string::npos) {
      names.push_back(value.substr(start));
      break;
    }
    names.push_back(value.substr(start, bar - start));
    start = bar + 1;
  }
  return names;
}

bool WithinBounds(const UpdateList& list) {
  if (list.names.size() > kMaxUpdateNames || list.suffix.size() > kMaxUpdateSuffixBytes) return false;
  for (const std::string& name : list.names)
    if (name.size() > kMaxUpdateNameBytes) return false;
  return true;
}

UpdateList ParseUpdateList(const std::string& listText) {
  UpdateList list;
  const std::string value = web::TextBetween(listText, "名称=[", "]");
  list.suffix = web::TextBetween(listText, "后缀=[", "]");
  // A value longer than the most names of the longest length, each with its
  // bar, is past the bounds before it is split.
  const bool splittable = value.size() <= kMaxUpdateNames * (kMaxUpdateNameBytes + 1);
  if (splittable) list.names = SplitFileNames(value);
  if (splittable && WithinBounds(list)) return list;
  UpdateList refused;
  refused.refused = true;
  return refused;
}

}  // namespace updater
