// Loading the settings at start: save folder, machine id.
#pragma once
#include <string>

// What the start window shows of the settings.
struct Settings {
  std::string saveFolder;  // the recorded save folder with a backslash appended, or the default
};

// The default save folder: program directory + "\Down\".
std::string DefaultSaveFolder();

// Creates the default save folder when missing, reads the machine id and
// records it in the settings file when it differs, and returns the settings.
// A recorded save folder that is not a folder path on a local drive counts
// as none; an id holding a control byte, read or recorded, counts as none.
Settings LoadSettings(const std::string& configPath);
// The same with the id as read (empty when none could be read).
Settings LoadSettings(const std::string& configPath, const std::string& freshMachineId);
