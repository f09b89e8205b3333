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

UpdateList ParseUpdateList(const std::string& listText) {
  UpdateList list;
  list.names = SplitFileNames(web::TextBetween(listText, "名称=[", "]"));
  list.suffix = web::TextBetween(listText, "后缀=[", "]");
  return list;
}

}  // namespace updater
