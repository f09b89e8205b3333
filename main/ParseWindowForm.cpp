// The new-task window's form: two group boxes with the address, site type, quality and credential controls, and the finder picture.
#include "main/ParseWindow.h"
#include "main/Resource.h"

using namespace ui;

namespace {

constexpr int kBlue = Rgb(0, 0, 255);

const ListItem kSiteTypes[] = {
    {"普通视频解析", 0},
    {"优酷_加密视频解析", 1},
    {"优酷_好友视频解析", 2},
    {"快播（破限制）解析", 3},
};

const ControlDef kControls[] = {
    {"分组框1", Kind::GroupBox, nullptr, {8, 1, 377, 166}},
    {"透明标签4", Kind::Label, "分组框1", {52, 13, 32, 32}, "标题："},
    {"Url标题", Kind::EditBox, "分组框1", {85, 15, 282, 26}},
    {"透明标签1", Kind::Label, "分组框1", {51, 44, 32, 32}, "地址："},
    {"Url编辑框", Kind::EditBox, "分组框1", {85, 47, 282, 26}},
    {"透明标签6", Kind::Label, "分组框1", {52, 79, 33, 22}, "类别："},
    {"组合框1", Kind::ComboBox, "分组框1", {85, 79, 187, 20}, "", 0, OnSiteTypeChanged, 0, nullptr, 0, nullptr, 0,
     kSiteTypes, CountOf(kSiteTypes)},
    {"透明标签5", Kind::Label, "分组框1", {52, 100, 33, 32}, "质量："},
    {"单选框1", Kind::RadioButton, "分组框1", {98, 104, 47, 24}, "超清", HandCursor, ShowSuperQualityHint},
    {"单选框2", Kind::RadioButton, "分组框1", {159, 104, 47, 24}, "高清", HandCursor, ShowHighQualityHint},
    {"单选框3", Kind::RadioButton, "分组框1", {226, 104, 47, 24}, "流畅", HandCursor | Checked, ClearQualityHint},
    {"解析", Kind::Button, "分组框1", {84, 128, 68, 28}, "开始解析", HandCursor, OnParseButton},
    {"操作提示", Kind::Label, "分组框1", {161, 130, 205, 24}, "", 0, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0,
     kBlue},
    {"外形框1", Kind::ShapeBox, "分组框1", {7, 22, 40, 48}},
    {"图片框_拖动图标", Kind::PictureBox, "外形框1", {4, 8, 32, 32}, "", HandCursor, OnFinderEvent, IDC_FINDER},
    {"分组框2", Kind::GroupBox, nullptr, {9, 173, 376, 48}, "优酷网视频专用"},
    {"透明标签2", Kind::Label, "分组框2", {19, 21, 47, 16}, "用户名：", Hidden},
    {"用户名", Kind::EditBox, "分组框2", {70, 18, 113, 20}, "", Hidden},
    {"透明标签3", Kind::Label, "分组框2", {205, 20, 33, 16}, "密码："},
    {"密码", Kind::EditBox, "分组框2", {243, 18, 110, 20}, "", Password},
};

}  // namespace

const FormDef ParseWindowForm = {
    "ParseWindow", "新建一个网页视频解析任务", {50, 50, 399, 202}, kControls, CountOf(kControls),
    nullptr,       0,                        0,                  OnParseWindowCreated, nullptr,
    OnParseWindowDestroyed,
};
