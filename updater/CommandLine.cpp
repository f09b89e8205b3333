// The updater's command line: the line the main program starts it with, its pieces split at blanks with quote grouping, and the check of its argument.
#include "updater/CommandLine.h"

namespace updater {

std::string UpdaterCommandLine(const std::string& updaterPath, const std::string& serviceBase) {
  return "\"" + updaterPath + "\" " + serviceBase + "up/";
}

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
  std::vector<std::string> pieces;
  std::string piece;
  bool inPiece = false, quoted = false;
  for (char c : commandLine) {
    if (c == '"') {
      quoted = !quoted;
      inPiece = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inPiece) pieces.push_back(piece);
      piece.clear();
      inPiece = false;
    } else {
      piece += c;
      inPiece = true;
    }
  }
  if (inPiece) pieces.push_back(piece);
  return pieces;
}

std::string FirstArgument(const std::string& commandLine) {
  const std::vector<std::string> pieces = SplitCommandLine(commandLine);
  return pieces.size() > 1 ? pieces[1] : std::string();
}

bool IsUsableArgument(const std::string& argument) { return argument.size() >= 6; }

}  // namespace updater
