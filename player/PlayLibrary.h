// The player library's start, its clean-up and the steps of its export.
#pragma once
#include <cstdint>
#include <string>

namespace player {

// Runs once, at the first call of the export rather than while the library is
// loaded (it loads atl.dll and starts the window layer, which must not happen
// under the loader lock): the window layer on the calling thread, the module
// variables, the empty right-click hook table and the clean-up registered
// with the window layer. False when the control host (atl.dll) is missing.
bool LibraryStart();

// Frees the module variables and the hook table; registered with the window
// layer's normal exit, which runs it on the window thread.
void LibraryCleanUp();

// The clean-up when the process ends and the library is detached (under the
// loader lock): frees the texts and the hook table, and leaves the movie
// player and the page writer with their COM objects to the process's end,
// as no COM call may run there and their servers may be unloaded already.
void LibraryCleanUpAtExit();

// Stores the title, address and tag and shows the QVOD page window when the
// address holds "qvod://" anywhere, else the player window; returns when it
// is closed, true when it was shown.
bool OpenPlayerWindow(const std::string& title, const std::string& address, int32_t tag);

// The export's steps: null texts count as empty, the caller's texts are copied
// before anything else. A call made while the window of an earlier call is
// still open returns at once and changes nothing. Returns 1 when a window was
// shown, 0 otherwise (also when the player window refused the address).
// Without atl.dll it shows the platform's fatal message and ends the process.
int32_t StartPlayback(const char* title, const char* address, int32_t tag);

}  // namespace player
