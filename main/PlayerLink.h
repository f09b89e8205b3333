// The player library Play.dll, bound by name at its first use and kept loaded.
#pragma once
#include <string>

// The message when the library or its export cannot be had.
std::string MissingPlayerText();

// Calls the library's export 启动播放 with the title and the address; it
// returns when the player window closes. When the library or the export is
// missing, shows the message and returns false (the program goes on).
bool StartPlayer(const std::string& title, const std::string& address);
