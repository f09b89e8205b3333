// The window layer in a program and in a DLL the program loads: both show
// windows, their classes and resources stay apart, and closing the DLL's
// window does not end the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/App.h"
#include "ui/Window.h"
#include "ui/base/tests/support/Pump.h"

namespace {

const ui::ControlDef kControls[] = {
    ui::Row("说明", ui::Kind::Label).At(10, 10, 180, 20).Caption("程序的窗口"),
};
const ui::FormDef kForm = ui::FormDef("ProgramForm", "程序窗口", {40, 80, 200, 60}, kControls).Icon(201);

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[128] = {};
  GetClassNameW(hwnd, name, 128);
  return name;
}

bool QuitPending() {
  MSG msg;
  return PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

TEST(LayerInADll, ProgramAndDllWindowsLiveSideBySide) {
  ASSERT_TRUE(ui::InitWindowLayer());
  ui::Window* own = ui::Window::Load(kForm);
  ASSERT_NE(own, nullptr);

  HMODULE dll = LoadLibraryW(L"LayerTestDll.dll");
  ASSERT_NE(dll, nullptr);
  auto show = reinterpret_cast<HWND (*)()>(GetProcAddress(dll, "ShowDllForm"));
  ASSERT_NE(show, nullptr);
  HWND dllWindow = show();
  ASSERT_NE(dllWindow, nullptr);
  EXPECT_TRUE(IsWindowVisible(dllWindow));
  EXPECT_TRUE(IsWindowVisible(own->Hwnd()));

  // Each module registers classes of its own, from its own instance.
  EXPECT_NE(ClassOf(dllWindow), ClassOf(own->Hwnd()));
  EXPECT_EQ(ClassOf(own->Hwnd()), ui::Window::ClassName());
  EXPECT_EQ(reinterpret_cast<HMODULE>(GetClassLongPtrW(dllWindow, GCLP_HMODULE)), dll);
  EXPECT_EQ(reinterpret_cast<HMODULE>(GetClassLongPtrW(own->Hwnd(), GCLP_HMODULE)), GetModuleHandleW(nullptr));
  // Icon 201 is a resource of the DLL only.
  EXPECT_NE(SendMessageW(dllWindow, WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_EQ(SendMessageW(own->Hwnd(), WM_GETICON, ICON_SMALL, 0), 0);
  // The program's layer does not know the DLL's form.
  EXPECT_EQ(ui::Window::Find("DllForm"), nullptr);

  // Closing the DLL's only window leaves the program and its loop running.
  SendMessageW(dllWindow, WM_CLOSE, 0, 0);
  ui::PumpPendingMessages();
  EXPECT_FALSE(IsWindow(dllWindow));
  EXPECT_TRUE(IsWindow(own->Hwnd()));
  EXPECT_FALSE(QuitPending());

  // The program's own last window ends its message loop.
  SendMessageW(own->Hwnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(QuitPending());
  testsupport::DropQuit();
}

}  // namespace
