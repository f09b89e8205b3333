// The window probe's listing of the program's visible windows (see FormListing.cpp for its lines).
#pragma once
#include <string>

namespace probe {

// Forms with their controls, toolbar buttons and list rows, pop-up menu items
// and message boxes, one tab-separated line each in UTF-8.
std::string ListForms();

}  // namespace probe
