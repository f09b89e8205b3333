// Test helper: answers the message boxes of this process.
#include "DialogWatcher.h"

#include <algorithm>
#include <iterator>

#include "ui/base/WideText.h"
#include "ui/base/tests/support/Utf8Text.h"

namespace testsupport {

namespace {
std::string WindowTextOf(HWND hwnd) {
  wchar_t buf[2048] = {};
  GetWindowTextW(hwnd, buf, 2048);
  return ui::ToGbk(buf);
}

// A visible dialog (#32770) of this process.
bool IsOwnDialog(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != GetCurrentProcessId() || !IsWindowVisible(hwnd)) return false;
  wchar_t cls[64] = {};
  GetClassNameW(hwnd, cls, 64);
  return wcscmp(cls, L"#32770") == 0;
}

SeenDialog Read(HWND dialog) {
  SeenDialog d;
  d.title = WindowTextOf(dialog);
  if (HWND text = GetDlgItem(dialog, 0xFFFF)) d.text = WindowTextOf(text);
  return d;
}

void Press(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dialog, id));
}

std::string Line(const SeenDialog& d) { return "[" + GbkToUtf8(d.title) + "] " + GbkToUtf8(d.text) + "\n"; }

BOOL CALLBACK CloseStray(HWND hwnd, LPARAM out) {
  if (!IsOwnDialog(hwnd)) return TRUE;
  *reinterpret_cast<std::string*>(out) += Line(Read(hwnd));
  const int ids[] = {IDCANCEL, IDNO, IDOK};
  const int* id = std::find_if(std::begin(ids), std::end(ids), [&](int i) { return GetDlgItem(hwnd, i) != nullptr; });
  if (id != std::end(ids))
    Press(hwnd, *id);
  else
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
  return TRUE;
}
}  // namespace

DialogWatcher::DialogWatcher(int answer) : answer_(answer), thread_([this] { Run(); }) {}

DialogWatcher::~DialogWatcher() {
  stop_ = true;
  thread_.join();
}

void DialogWatcher::SetAnswer(int answer) {
  std::lock_guard<std::mutex> g(lock_);
  answer_ = answer;
}

std::vector<SeenDialog> DialogWatcher::Seen() const {
  std::lock_guard<std::mutex> g(lock_);
  return seen_;
}

void DialogWatcher::Clear() {
  std::lock_guard<std::mutex> g(lock_);
  seen_.clear();
}

testing::AssertionResult DialogWatcher::WaitFor(size_t count, int ms) const {
  const auto answered = [this] {
    std::lock_guard<std::mutex> g(lock_);
    return seen_.size();
  };
  if (PumpUntil([&] { return answered() >= count; }, ms)) return testing::AssertionSuccess();
  return testing::AssertionFailure() << GaveUpWaitingFor(std::to_string(count) + " message box(es)", ms)
                                     << "; answered " << answered() << ":\n"
                                     << Describe();
}

std::string CloseStrayDialogs() {
  std::string said;
  EnumWindows(CloseStray, reinterpret_cast<LPARAM>(&said));
  return said;
}

std::string DialogWatcher::Describe() const {
  std::string out;
  for (const SeenDialog& d : Seen()) out += Line(d);
  return out;
}

BOOL CALLBACK DialogWatcher::OnWindow(HWND hwnd, LPARAM param) {
  auto* self = reinterpret_cast<DialogWatcher*>(param);
  if (!IsOwnDialog(hwnd)) return TRUE;
  int answer;
  {
    std::lock_guard<std::mutex> g(self->lock_);
    if (std::find(self->answered_.begin(), self->answered_.end(), hwnd) != self->answered_.end()) return TRUE;
    answer = self->answer_;
  }
  const SeenDialog d = Read(hwnd);
  int id = answer;
  if (!GetDlgItem(hwnd, id)) id = GetDlgItem(hwnd, IDOK) ? IDOK : IDCANCEL;
  {
    std::lock_guard<std::mutex> g(self->lock_);
    self->answered_.push_back(hwnd);
    self->seen_.push_back(d);
  }
  Press(hwnd, id);
  return TRUE;
}

void DialogWatcher::Run() {
  while (!stop_) {
    EnumWindows(OnWindow, reinterpret_cast<LPARAM>(this));
    Sleep(30);
  }
}

}  // namespace testsupport
