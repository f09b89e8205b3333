// Looks into the programs' windows from outside, for the end-to-end tests:
//   WindowProbe forms        lists the program's visible windows with their
//                            controls, toolbar buttons, list rows, pop-up menu
//                            items and message boxes, with screen rectangles
//                            (UTF-8; the lines are described in FormListing.cpp)
//   WindowProbe state        prints the bar's overlay text, 标签2's text, the
//                            captions of the two buttons and whether they are
//                            enabled, one per line (GBK); exit code 1 when
//                            the window is not there
//   WindowProbe click <n>    clicks the n-th button (0: 开始, 1: 退出)
//   WindowProbe answer       presses OK on a message box shown by any program;
//                            exit code 3 when none is shown
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "updater/tests/support/FormListing.h"
#include "updater/tests/support/ProbeHookClient.h"
#include "updater/tests/support/ProbeText.h"

namespace {

using probe::ClassOf;
using probe::Gbk;
using probe::TextOf;

struct Found {
  HWND window = nullptr, bar = nullptr;
  std::vector<HWND> labels, buttons;
};

// The updater's window: a form of the window layer without caption text.
BOOL CALLBACK FindUpdater(HWND w, LPARAM lp) {
  if (ClassOf(w).rfind(L"TavrinForm_", 0) != 0 || !TextOf(w).empty() || !IsWindowVisible(w)) return TRUE;
  reinterpret_cast<Found*>(lp)->window = w;
  return FALSE;
}

BOOL CALLBACK SortChild(HWND w, LPARAM lp) {
  auto* found = reinterpret_cast<Found*>(lp);
  const std::wstring cls = ClassOf(w);
  if (cls == L"msctls_progress32") found->bar = w;
  if (cls == L"Static") found->labels.push_back(w);
  if (cls == L"Button") found->buttons.push_back(w);
  return TRUE;
}

// A message box: a visible dialog whose OK button can be pressed.
BOOL CALLBACK FindMessageBox(HWND w, LPARAM lp) {
  if (ClassOf(w) != L"#32770" || !IsWindowVisible(w) || !GetDlgItem(w, IDOK)) return TRUE;
  *reinterpret_cast<HWND*>(lp) = w;
  return FALSE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"state";
  if (command == L"forms") {
    const std::string out = probe::ListForms();
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
  }
  if (command == L"answer") {
    HWND box = nullptr;
    EnumWindows(FindMessageBox, (LPARAM)&box);
    if (!box) return 3;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(box, IDOK));
    return 0;
  }
  Found found;
  EnumWindows(FindUpdater, (LPARAM)&found);
  if (!found.window) return 1;
  EnumChildWindows(found.window, SortChild, (LPARAM)&found);
  if (!found.bar || found.labels.size() != 2 || found.buttons.size() != 2) return 2;
  if (command == L"click" && argc > 2) {
    PostMessageW(found.buttons[_wtoi(argv[2]) ? 1 : 0], BM_CLICK, 0, 0);
    return 0;
  }
  std::string out = probe::AskInside(found.bar, L"TavrinProbeReadBarText") + "\n" + Gbk(TextOf(found.labels[1])) + "\n";
  for (HWND b : found.buttons) out += Gbk(TextOf(b)) + (IsWindowEnabled(b) ? "|on\n" : "|off\n");
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}
