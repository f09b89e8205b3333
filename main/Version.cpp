// Version numbers of the update list.
#include "main/Version.h"

#include <cstdlib>

double LeadingNumber(const std::string& text) {
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return 0;
  return std::strtod(text.substr(0, i).c_str(), nullptr);
}

bool IsNewerVersion(const std::string& server, const std::string& local) {
  return LeadingNumber(server) - LeadingNumber(local) > 0.0000001;
}
