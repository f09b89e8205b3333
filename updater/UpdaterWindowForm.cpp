// The updater's start window as a form.
#include "updater/Resource.h"
#include "updater/UpdaterWindow.h"

using namespace ui;

namespace {

// Every control uses the form's 12-pixel 宋体, and labels stand on the
// window's background colour (the layer paints them so).
const ControlDef kControls[] = {
    {"标签1", Kind::Label, nullptr, {80, 8, 256, 16}, "自动升级程序V1.0"},
    {"进度条1", Kind::ProgressBar, nullptr, {6, 32, 408, 40}, "", 0, nullptr, 10000},
    {"开始", Kind::Button, nullptr, {18, 77, 64, 20}, "立即更新", 0, StartUpdate},
    {"标签2", Kind::Label, nullptr, {104, 79, 208, 16}, "初始化完成，正等待您的指定！"},
    {"退出", Kind::Button, nullptr, {336, 77, 64, 20}, "退出", 0, OnUpdaterExit},
    {"时钟1", Kind::Timer, nullptr, {368, 0, 0, 0}},
};

}  // namespace

const FormDef UpdaterWindowForm = {
    "UpdaterWindow", "", {50, 50, 421, 102}, kControls, CountOf(kControls), nullptr, 0, IDI_QUENLO,
    LoadUpdateList,  nullptr, OnUpdaterWindowDestroyed,
};
