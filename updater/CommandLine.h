// The updater's command line: the line the main program starts it with, its pieces split at blanks with quote grouping, and the check of its argument.
#pragma once
#include <string>
#include <vector>

namespace updater {

// The line the main program starts the updater with: the updater's path in
// quotes, one blank, then the update folder's address (the service base
// followed by "up/").
std::string UpdaterCommandLine(const std::string& updaterPath, const std::string& serviceBase);

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
