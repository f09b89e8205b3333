// The player library's start, its clean-up and the steps of its export.
#pragma once
#include <cstdint>
#include <string>

namespace player {

// Runs once, at the first call of the export rather than while the library is
// loaded (it loads atl.dll, which must not happen under the loader lock):
// the module variables, the empty right-click hook table and the clean-up
// registered with the window layer. False when the control host (atl.dll) is missing.
bool LibraryStart();

// Frees the module variables and the hook table; run by the window layer's
// normal exit on the window thread, never under the loader lock.
void LibraryCleanUp();

// Stores the title, address and tag and shows the QVOD page window when the
// address holds "qvod://" anywhere, else the player window; returns when it is closed.
void OpenPlayerWindow(const std::string& title, const std::string& address, int32_t tag);

// The export's steps: null texts count as empty, the caller's texts are copied
// before anything else. A call made while the window of an earlier call is
// still open returns at once and changes nothing. Returns 1 when a window was
// shown, 0 otherwise. Without atl.dll it shows the platform's fatal message
// and ends the process.
int32_t StartPlayback(const char* title, const char* address, int32_t tag);

}  // namespace player
