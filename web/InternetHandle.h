// Owned and borrowed WinINet handles: sessions, connections, requests.
#pragma once
#include <windows.h>
#include <wininet.h>

#include "ui/base/OwnedHandle.h"

namespace web {

struct InternetHandleTraits {
  using Handle = HINTERNET;
  static bool IsValid(HINTERNET h) { return h != nullptr; }
  static void Close(HINTERNET h) { InternetCloseHandle(h); }
};

using InternetHandle = ui::OwnedHandle<InternetHandleTraits>;
using BorrowedInternetHandle = ui::BorrowedHandle<InternetHandleTraits>;

}  // namespace web
