// Reading and changing one value of an INI text the way the platform's profile functions do.
#pragma once
#include <string>

// The value of key in [section], with the blanks around it removed and one
// pair of enclosing quotes taken off; empty when the section or key is missing.
// Section and key names compare without regard to ASCII case.
std::string IniValue(const std::string& ini, const std::string& section, const std::string& key);

// The INI text with key in [section] set to value: an existing key line is
// replaced, a missing key is added at the end of its section, a missing
// section is added at the end of the text. Lines end with CR LF.
std::string WithIniValue(const std::string& ini, const std::string& section, const std::string& key,
                         const std::string& value);
