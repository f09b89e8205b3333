// Fuzz target: the update list, the command line and the name-safety rule on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "updater/CommandLine.h"
#include "updater/UpdateList.h"
#include "updater/UpdatePlan.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  updater::SplitCommandLine(text);
  const updater::UpdateList list = updater::ParseUpdateList(text);
  for (const updater::UpdateItem& item : updater::PlanUpdate(list, "http://h/up/", "C:/dir")) {
    // A name judged safe never climbs out of the folder.
    if (item.safe && (item.name.find("..") != std::string::npos || item.name.find(':') != std::string::npos))
      __builtin_trap();
  }
  return 0;
}
