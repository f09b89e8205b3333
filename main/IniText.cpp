// Reading and changing one value of an INI text.
#include "main/IniText.h"

#include <vector>

namespace {

struct Line {
  std::string text;  // without its line end
};

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t from = 0;
  while (from < text.size()) {
    size_t end = text.find('\n', from);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(from, end - from);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    from = end + 1;
  }
  return lines;
}

std::string Trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return {};
  size_t b = s.find_last_not_of(" \t");
  return s.substr(a, b - a + 1);
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x += 32;
    if (y >= 'A' && y <= 'Z') y += 32;
    if (x != y) return false;
  }
  return true;
}

// The section name of a "[name]" line, or false.
bool SectionOf(const std::string& line, std::string* name) {
  std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return false;
  size_t close = t.find(']');
  if (close == std::string::npos) return false;
  *name = Trim(t.substr(1, close - 1));
  return true;
}

// The key and value of a "key=value" line, or false.
bool EntryOf(const std::string& line, std::string* key, std::string* value) {
  size_t eq = line.find('=');
  if (eq == std::string::npos) return false;
  *key = Trim(line.substr(0, eq));
  *value = Trim(line.substr(eq + 1));
  return true;
}

}  // namespace

std::string IniValue(const std::string& ini, const std::string& section, const std::string& key) {
  bool inSection = false;
  for (const std::string& line : SplitLines(ini)) {
    std::string name, k, v;
    if (SectionOf(line, &name)) {
      inSection = SameName(name, section);
    } else if (inSection && EntryOf(line, &k, &v) && SameName(k, key)) {
      if (v.size() >= 2 && ((v.front() == '"' && v.back() == '"') || (v.front() == '\'' && v.back() == '\'')))
        v = v.substr(1, v.size() - 2);
      return v;
    }
  }
  return {};
}

std::string WithIniValue(const std::string& ini, const std::string& section, const std::string& key,
                         const std::string& value) {
  std::vector<std::string> lines = SplitLines(ini);
  const std::string entry = key + "=" + value;
  int sectionAt = -1, lastEntryOfSection = -1;
  bool done = false;
  for (size_t i = 0; i < lines.size() && !done; ++i) {
    std::string name, k, v;
    if (SectionOf(lines[i], &name)) {
      if (sectionAt >= 0) break;  // past the wanted section
      if (SameName(name, section)) sectionAt = lastEntryOfSection = (int)i;
    } else if (sectionAt >= 0 && EntryOf(lines[i], &k, &v)) {
      lastEntryOfSection = (int)i;
      if (SameName(k, key)) {
        lines[i] = entry;
        done = true;
      }
    }
  }
  if (!done) {
    if (sectionAt >= 0) {
      lines.insert(lines.begin() + lastEntryOfSection + 1, entry);
    } else {
      lines.push_back("[" + section + "]");
      lines.push_back(entry);
    }
  }
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}
