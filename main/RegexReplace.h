// Replacing the matches of a regular expression in a text (Boost.Regex, Perl syntax).
#pragma once
#include <string>

// The text with every match of pattern replaced (only the first when all is
// false). The pattern is Perl syntax, case-sensitive; the replacement is read
// in the all-extensions format, in which "&" is an ordinary character. A
// pattern that does not compile, or a search that the library gives up on,
// leaves the text as it is.
std::string RegexReplaceAll(const std::string& text, const std::string& pattern, const std::string& replacement,
                            bool all);
