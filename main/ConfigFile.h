// The settings file Config.ini: GBK text, read and written whole.
#pragma once
#include <string>

// Values are cut at 10239 bytes, as a 10240-byte read buffer cuts them. A
// missing file, and one that cannot be read, give empty values.
std::string ReadConfigValue(const std::string& path, const std::string& section, const std::string& key);
// Writes the value; false when the file cannot be written, and when a file
// is there that cannot be read (another program holds it, no access): its
// other settings were not seen, so it is never replaced.
bool WriteConfigValue(const std::string& path, const std::string& section, const std::string& key,
                      const std::string& value);
