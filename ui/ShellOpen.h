// Opening a file, a folder or a web page with the shell, as a double click would.
#pragma once
#include <string>

namespace ui {

// The shell's "open" on the GBK target, shown normally, without an owner
// window; true when the shell took it. The target is used as it stands:
// callers check what came from outside first (web::OpenableWebAddress).
bool ShellOpen(const std::string& target);

}  // namespace ui
