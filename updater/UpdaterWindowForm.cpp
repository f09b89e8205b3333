// The updater's start window as a form.
#include "updater/UpdaterWindowForm.h"

#include "updater/Resource.h"
#include "updater/UpdaterWindow.h"

using namespace ui;

namespace {

// Every control uses the form's 12-pixel 宋体, and labels stand on the
// window's background colour (the layer paints them so).
// clang-format off
const ControlDef kControls[] = {
    Row("标签1", Kind::Label).At(80, 8, 256, 16).Caption("自动升级程序V1.0"),
    Row(kProgressBar, Kind::ProgressBar).At(6, 32, 408, 40).Max(10000),
    Row(kStartButton, Kind::Button).At(18, 77, 64, 20).Caption("立即更新").OnClick(StartUpdate),
    Row(kProgressLabel, Kind::Label).At(104, 79, 208, 16).Caption("初始化完成，正等待您的指定！"),
    Row(kExitButton, Kind::Button).At(336, 77, 64, 20).Caption("退出").OnClick(OnUpdaterExit),
    Row("时钟1", Kind::Timer),
};

}  // namespace

const FormDef UpdaterWindowForm = FormDef("UpdaterWindow", "", {50, 50, 421, 102}, kControls).Icon(IDI_QUENLO)
                                      .OnCreated(LoadUpdateList).OnDestroyed(OnUpdaterWindowDestroyed);
// clang-format on
