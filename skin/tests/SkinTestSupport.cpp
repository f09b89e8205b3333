// Host windows and pixel pictures for the skin's tests.
#include "skin/tests/SkinTestSupport.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

#include "skin/SkinEngine.h"

namespace skintest {

void InitOnce() {
  static bool done = false;
  if (done) return;
  done = true;
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  skin::InitSkinResources();
  WNDCLASSW wc = {};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"SkinTestHost";
  wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
  RegisterClassW(&wc);
}

HWND MakeHost() {
  InitOnce();
  HWND host = CreateWindowExW(0, L"SkinTestHost", L"皮肤测试", WS_POPUP | WS_VISIBLE, 10, 10, 500, 400, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  PumpMessages();
  return host;
}

HWND MakeChild(HWND host, const wchar_t* cls, DWORD style, int x, int y, int w, int h, const wchar_t* text,
               DWORD exStyle) {
  return CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, host, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

void PumpMessages(int ms) {
  DWORD until = GetTickCount() + ms;
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (ms) Sleep(5);
  } while ((int)(until - GetTickCount()) > 0);
}

namespace {

// A 32-bit top-down picture of w x h in a memory DC of its own.
struct DibSurface {
  DibSurface(int w, int h)
      : dc(CreateCompatibleDC(nullptr)), dib(Make(dc.Get(), w, h, bits)), selected(dc.Get(), dib.Get()) {}
  static HBITMAP Make(HDC dc, int w, int h, void*& bits) {
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB};
    return CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  }
  void* bits = nullptr;
  ui::OwnedDc dc;
  ui::OwnedBitmap dib;
  ui::Selection selected;
};

Picture Capture(HDC source, int w, int h) {
  Picture p;
  p.w = w, p.h = h;
  const DibSurface surface(w, h);
  if (source) BitBlt(surface.dc.Get(), 0, 0, w, h, source, 0, 0, SRCCOPY);
  p.pixels.resize(size_t(w) * h);
  for (int i = 0; i < w * h; ++i) {
    DWORD v = static_cast<DWORD*>(surface.bits)[i];
    p.pixels[i] = RGB((v >> 16) & 255, (v >> 8) & 255, v & 255);
  }
  return p;
}

}  // namespace

Picture PaintInto(HWND window, Painter paint) {
  RECT r = {};
  GetClientRect(window, &r);
  const DibSurface surface(r.right, r.bottom);
  paint(window, surface.dc.Get(), 1);
  return Capture(surface.dc.Get(), r.right, r.bottom);
}

Picture ReadWindowDc(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  HDC dc = GetWindowDC(window);
  Picture p = Capture(dc, r.right - r.left, r.bottom - r.top);
  ReleaseDC(window, dc);
  return p;
}

std::string Describe(COLORREF c) {
  char text[32];
  std::snprintf(text, sizeof text, "%d %d %d", GetRValue(c), GetGValue(c), GetBValue(c));
  return text;
}

bool Near(COLORREF c, int r, int g, int b, int tolerance) {
  return std::abs(GetRValue(c) - r) <= tolerance && std::abs(GetGValue(c) - g) <= tolerance &&
         std::abs(GetBValue(c) - b) <= tolerance;
}

}  // namespace skintest
