// Looks into the updater's window from outside, for the end-to-end test:
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

namespace {

struct Found {
  HWND window = nullptr, bar = nullptr;
  std::vector<HWND> labels, buttons;
};

std::wstring ClassOf(HWND w) {
  wchar_t name[256] = {};
  GetClassNameW(w, name, 255);
  return name;
}

std::wstring TextOf(HWND w) {
  wchar_t text[512] = {};
  GetWindowTextW(w, text, 511);
  return text;
}

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

std::string Gbk(const std::wstring& text) {
  const int n = WideCharToMultiByte(936, 0, text.data(), (int)text.size(), nullptr, 0, nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(936, 0, text.data(), (int)text.size(), out.data(), n, nullptr, nullptr);
  return out;
}

// The bar's text, read inside the updater through the hook library.
std::string BarText(HWND bar) {
  wchar_t folder[MAX_PATH];
  GetModuleFileNameW(nullptr, folder, MAX_PATH);
  *wcsrchr(folder, L'\\') = 0;
  HMODULE hook = LoadLibraryW((std::wstring(folder) + L"\\ProbeHook.dll").c_str());
  auto proc = (HOOKPROC)GetProcAddress(hook, "ProbeHookProc@12");
  if (!proc) proc = (HOOKPROC)GetProcAddress(hook, "ProbeHookProc");
  if (!proc) return "<no hook library>";
  wchar_t path[MAX_PATH];
  GetTempPathW(MAX_PATH, path);
  wcscat(path, L"TavrinProbe.txt");
  DeleteFileW(path);
  HHOOK h = SetWindowsHookExW(WH_CALLWNDPROC, proc, hook, GetWindowThreadProcessId(bar, nullptr));
  if (!h) return "<no hook>";
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(bar, RegisterWindowMessageW(L"TavrinProbeReadBarText"), 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
  UnhookWindowsHookEx(h);
  HANDLE f = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return "<no answer>";
  char buffer[1024];
  DWORD got = 0;
  ReadFile(f, buffer, sizeof buffer, &got, nullptr);
  CloseHandle(f);
  return std::string(buffer, got);
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
  std::string out = BarText(found.bar) + "\n" + Gbk(TextOf(found.labels[1])) + "\n";
  for (HWND b : found.buttons) out += Gbk(TextOf(b)) + (IsWindowEnabled(b) ? "|on\n" : "|off\n");
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}
