// The settings file Config.ini: GBK text, read and written whole.
#pragma once
#include <string>

// Values are cut at 10239 bytes, as a 10240-byte read buffer cuts them.
std::string ReadConfigValue(const std::string& path, const std::string& section, const std::string& key);
// Writes the value; false when the file cannot be written.
bool WriteConfigValue(const std::string& path, const std::string& section, const std::string& key,
                      const std::string& value);
