// Version numbers of the update list.
#pragma once
#include <string>

// The decimal number at the start of the text (an optional sign, digits, an
// optional fraction); 0 when the text does not start with one.
double LeadingNumber(const std::string& text);

// True when the server's version is newer than the local one by more than
// 1e-7.
bool IsNewerVersion(const std::string& server, const std::string& local);
