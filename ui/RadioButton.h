// Radio button wrapper: one of a group, checked alone.
#pragma once
#include "CheckBox.h"

namespace ui {

using RadioButton = CheckBox;

}  // namespace ui
