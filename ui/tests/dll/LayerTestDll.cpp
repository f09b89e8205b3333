// A small DLL built on the window layer: shows one form of its own, with an
// icon that only this module holds. Nothing runs in DllMain.
#include <windows.h>

#include "ui/Window.h"

namespace {

constexpr int kDllIcon = 201;

const ui::ControlDef kControls[] = {
    {"说明", ui::Kind::Label, nullptr, {10, 10, 180, 20}, "库里的窗口"},
};
const ui::FormDef kForm = {"DllForm", "库窗口", {300, 80, 200, 60}, kControls, ui::CountOf(kControls), nullptr, 0,
                           kDllIcon};

}  // namespace

extern "C" __declspec(dllexport) HWND ShowDllForm() {
  ui::Window* w = ui::Window::Load(kForm);
  return w ? w->Hwnd() : nullptr;
}
