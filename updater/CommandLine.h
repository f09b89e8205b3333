// The updater's command line: pieces split at blanks with quote grouping, and the check of its argument.
#pragma once
#include <string>
#include <vector>

namespace updater {

// Splits at blanks and tabs; a double quote starts or ends a group in which
// blanks belong to the piece. The quotes themselves are dropped; "" gives an
// empty piece.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// The first argument after the program name of a whole command line (as the
// platform hands it over); empty when there is none.
std::string FirstArgument(const std::string& commandLine);

// The argument names an update folder only when it is at least six bytes long.
bool IsUsableArgument(const std::string& argument);

}  // namespace updater
