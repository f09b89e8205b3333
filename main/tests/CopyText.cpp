// Test helper program: puts its command-line argument on the clipboard as text, as any other program would.
#include <windows.h>

#include "ui/ClipboardText.h"
#include "ui/base/WideText.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  return ui::WriteClipboardText(nullptr, ui::ToGbk(argv[1])) ? 0 : 1;
}
