// Owned and borrowed kernel handles: threads, processes, events, timers, files.
#pragma once
#include <windows.h>

#include "ui/base/OwnedHandle.h"

namespace ui {

// INVALID_HANDLE_VALUE (what CreateFile gives on failure) counts as none.
struct KernelHandleTraits {
  using Handle = HANDLE;
  static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { CloseHandle(h); }
};

using KernelHandle = OwnedHandle<KernelHandleTraits>;
using BorrowedKernelHandle = BorrowedHandle<KernelHandleTraits>;

}  // namespace ui
