// Radio button: the first of a run of radio rows starts the group (WS_GROUP) and is a tab stop.
#include "RadioButton.h"

namespace ui {

namespace {

HWND CreateRadioButton(const CreateArgs& a) {
  HWND hwnd = CreateChild(a, L"BUTTON", BS_AUTORADIOBUTTON | (a.startsGroup ? WS_TABSTOP : 0));
  if (hwnd && (a.def.flags & Checked)) RadioButton(hwnd).SetChecked(true);
  return hwnd;
}

// A radio button continues the group of the radio button before it on the
// same parent unless it starts a new one.
bool JoinsRadioGroup(const ControlDef& row, const ControlDef* before) {
  return !(row.flags & NewGroup) && before && &before->kind == &Kind::RadioButton && SameParent(row, *before);
}

}  // namespace

extern const ControlKind Kind::RadioButton = ControlKind("RadioButton")
                                                 .Creates(CreateRadioButton)
                                                 .Decodes(DecodeCheckClick, Reports(EventType::Click))
                                                 .Has(0, Checked | NewGroup)
                                                 .PaintedOn(CheckOnFormBackground)
                                                 .Grouped(JoinsRadioGroup);

}  // namespace ui
