// A small DLL built on the window layer: shows one form of its own, with an
// icon that only this module holds. Nothing runs in DllMain.
#include <windows.h>

#include "ui/Window.h"

namespace {

constexpr int kDllIcon = 201;

const ui::ControlDef kControls[] = {
    ui::Row("说明", ui::Kind::Label).At(10, 10, 180, 20).Caption("库里的窗口"),
};
const ui::FormDef kForm = ui::FormDef("DllForm", "库窗口", {300, 80, 200, 60}, kControls).Icon(kDllIcon);

}  // namespace

extern "C" __declspec(dllexport) HWND ShowDllForm() {
  ui::Window* w = ui::Window::Load(kForm);
  return w ? w->Hwnd() : nullptr;
}
