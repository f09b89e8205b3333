// Slider: reports positions the user sets; positions set from code are not reported.
#include "Slider.h"

#include <commctrl.h>

namespace ui {

namespace {

// Present while the program moves the slider itself.
const wchar_t kSettingProp[] = L"TavrinSettingFromCode";

HWND CreateSlider(const CreateArgs& a) {
  HWND hwnd = CreateChild(a, TRACKBAR_CLASSW, TBS_HORZ | TBS_NOTICKS | WS_TABSTOP);
  if (hwnd) Slider(hwnd).SetMax(a.def.max);
  return hwnd;
}

// Every step of the user's move is reported; the closing TB_ENDTRACK is not.
bool DecodeSlider(const Notification& n, Event& e) {
  if (n.msg != WM_HSCROLL || n.code == TB_ENDTRACK) return false;
  HWND hwnd = reinterpret_cast<HWND>(n.lp);
  if (GetPropW(hwnd, kSettingProp)) return false;
  e.type = EventType::Change;
  e.payload = Position{Slider(hwnd).Pos()};
  return true;
}

}  // namespace

extern const ControlKind Kind::Slider =
    ControlKind("Slider").Creates(CreateSlider).Decodes(DecodeSlider, Reports(EventType::Change)).Has(HasMax);

int Slider::Pos() const { return (int)SendMessageW(hwnd_, TBM_GETPOS, 0, 0); }

void Slider::SetPos(int pos) const {
  SetPropW(hwnd_, kSettingProp, reinterpret_cast<HANDLE>(1));
  SendMessageW(hwnd_, TBM_SETPOS, TRUE, pos);
  RemovePropW(hwnd_, kSettingProp);
}

int Slider::Max() const { return (int)SendMessageW(hwnd_, TBM_GETRANGEMAX, 0, 0); }
void Slider::SetMax(int max) const { SendMessageW(hwnd_, TBM_SETRANGE, TRUE, MAKELPARAM(0, max)); }

}  // namespace ui
