// The texts of new file-list rows: the reply split into entries, the part-count rewrite, the extension and the overlay text.
#pragma once
#include <string>
#include <vector>

// The reply split at "$$", stepping over double-byte characters: each "$$"
// ends an entry (empty ones included), a non-empty rest is the last entry, a
// trailing "$$" adds none and an empty text gives none.
std::vector<std::string> SplitReplyEntries(const std::string& reply);

// The address with every "00_00" replaced by "00_" and the number of entries.
std::string RewritePartCount(const std::string& address, size_t entryCount);

// The first extension of "flv|mp4|avi|rmvb|mkv|f4v|swf|wmv|asf|mov|m4v|3gp|rm"
// that occurs anywhere in the address (case-sensitive), in that order; "flv"
// when none does.
std::string GuessExtension(const std::string& address);

// True for an http or https address (the scheme in any case): only those
// can be asked for their size.
bool CanProbeSize(const std::string& address);

// The progress bar's overlay text after a fill of a reply of n entries, of
// which the first `listed` became rows.
std::string FileCountText(size_t n, size_t listed);

// The texts of a new row's columns 3 and 4.
inline constexpr const char* kSizePendingText = "计算中";
inline constexpr const char* kWaitingText = "等待中";
