// Loading the settings at start: save folder, machine id.
#pragma once
#include <string>

// The default save folder: program directory + "\Down\".
std::string DefaultSaveFolder();

// Creates the default save folder when missing, reads the machine id and
// records it in the settings when it differs, and fills the save-folder box.
void LoadSettings();
