// Test helper: how many GDI and USER objects the process holds.
#pragma once
#include <windows.h>

namespace testsupport {

struct GuiObjects {
  DWORD gdi = 0;
  DWORD user = 0;
};

// GetGuiResources where the platform answers it. Wine answers 0: there the
// GDI handle table is scanned (a 16-bit handle names a slot whatever its
// generation), and the process's icons and windows among the USER handles.
inline GuiObjects CountGuiObjects() {
  GuiObjects n{GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
               GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
  if (n.gdi || n.user) return n;
  for (UINT_PTR h = 1; h < 0x10000; ++h)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(h))) ++n.gdi;
  for (UINT_PTR h = 0x20; h < 0x8000; h += 2) {
    DWORD pid = 0;
    if (IsWindow(reinterpret_cast<HWND>(h))) {
      // Window handles are shared by all processes: count this one's only.
      GetWindowThreadProcessId(reinterpret_cast<HWND>(h), &pid);
      if (pid == GetCurrentProcessId()) ++n.user;
      continue;
    }
    ICONINFO info;
    if (GetIconInfo(reinterpret_cast<HICON>(h), &info)) {
      if (info.hbmColor) DeleteObject(info.hbmColor);
      if (info.hbmMask) DeleteObject(info.hbmMask);
      ++n.user;
    }
  }
  return n;
}

}  // namespace testsupport
