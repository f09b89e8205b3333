// The updater's start window's form and the designer names its handlers use.
#pragma once
#include "ui/Form.h"

extern const ui::FormDef UpdaterWindowForm;

inline constexpr char kProgressBar[] = "进度条1", kProgressLabel[] = "标签2";
inline constexpr char kStartButton[] = "开始", kExitButton[] = "退出";
