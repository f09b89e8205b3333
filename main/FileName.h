// File names of downloaded videos: built from the page title, safe for Windows, unique in the save folder.
#pragma once
#include <cstddef>
#include <functional>
#include <string>

// The first maxBytes bytes of the title, cut before a double-byte character
// that would straddle the limit; a dangling first byte at the end is dropped.
std::string CutTitle(const std::string& title, size_t maxBytes = 40);

// A name Windows accepts as one file inside a folder: the characters it
// forbids (\ / : * ? " < > | and control characters) and broken double-byte
// characters become "_"; trailing dots and blanks are dropped; a name whose
// part before the first dot is a device name (CON, PRN, AUX, NUL, COM1-9,
// LPT1-9, any case) gets a leading "_"; an empty result is "_".
std::string SafeFileName(const std::string& name);

// The name of row `index` of a fill: the first 40 bytes of the title, "[",
// index, "].", the extension guessed from the address, made safe.
std::string RowFileName(const std::string& pageTitle, size_t index, const std::string& address);

// What two names that denote the same file (ASCII letters in any case) have in common.
std::string FileNameKey(const std::string& name);
// True when two names denote the same file.
bool SameFileName(const std::string& a, const std::string& b);

// The name itself when isTaken says no, otherwise the first free one of
// "stem (2).ext", "stem (3).ext", ... (the extension is what follows the last
// dot; a name without a dot gets the number at its end).
std::string UniqueFileName(const std::string& name, const std::function<bool(const std::string&)>& isTaken);

// The folder text followed by the name, with a backslash between them when
// the folder's last character is not a path separator.
std::string PathInFolder(const std::string& folder, const std::string& name);

// True for an absolute folder path on a local drive: a drive letter, ":" and
// "\" first, no other ":" and no control byte. A share ("\\server\..."), a
// web address or any other scheme, and a relative path are not.
bool IsLocalFolderPath(const std::string& path);
