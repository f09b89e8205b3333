// The new-task window's form: two group boxes with the address, site type, quality and credential controls, and the finder picture.
#include "main/ParseWindowForm.h"

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

// clang-format off
const ControlDef kControls[] = {
    Row(kAddressGroup, Kind::GroupBox).At(8, 1, 377, 166),
    Row("透明标签4", Kind::Label).In(kAddressGroup).At(52, 13, 32, 32).Caption("标题："),
    Row(kTitleBox, Kind::EditBox).In(kAddressGroup).At(85, 15, 282, 26),
    Row("透明标签1", Kind::Label).In(kAddressGroup).At(51, 44, 32, 32).Caption("地址："),
    Row(kAddressBox, Kind::EditBox).In(kAddressGroup).At(85, 47, 282, 26),
    Row("透明标签6", Kind::Label).In(kAddressGroup).At(52, 79, 33, 22).Caption("类别："),
    Row(kSiteTypeBox, Kind::ComboBox).In(kAddressGroup).At(85, 79, 187, 20).List(kSiteTypes).OnChange(OnSiteTypeChanged),
    Row("透明标签5", Kind::Label).In(kAddressGroup).At(52, 100, 33, 32).Caption("质量："),
    Row(kSuperQualityRadio, Kind::RadioButton).In(kAddressGroup).At(98, 104, 47, 24).Caption("超清").Flags(HandCursor).OnClick(ShowSuperQualityHint),
    Row(kHighQualityRadio, Kind::RadioButton).In(kAddressGroup).At(159, 104, 47, 24).Caption("高清").Flags(HandCursor).OnClick(ShowHighQualityHint),
    Row(kSmoothQualityRadio, Kind::RadioButton).In(kAddressGroup).At(226, 104, 47, 24).Caption("流畅").Flags(HandCursor | Checked).OnClick(ClearQualityHint),
    Row(kParseButton, Kind::Button).In(kAddressGroup).At(84, 128, 68, 28).Caption("开始解析").Flags(HandCursor).OnClick(OnParseButton),
    Row(kHintLabel, Kind::Label).In(kAddressGroup).At(161, 130, 205, 24).Colour(kBlue),
    Row(kFinderFrame, Kind::ShapeBox).In(kAddressGroup).At(7, 22, 40, 48),
    Row(kFinderPicture, Kind::PictureBox).In(kFinderFrame).At(4, 8, 32, 32).Flags(HandCursor).Picture(IDC_FINDER)
        .OnMouseDown(OnFinderMouseDown).OnMouseMove(OnFinderMove).OnMouseUp(OnFinderMouseUp),
    Row(kCredentialsGroup, Kind::GroupBox).At(9, 173, 376, 48).Caption("优酷网视频专用"),
    Row(kUserNameLabel, Kind::Label).In(kCredentialsGroup).At(19, 21, 47, 16).Caption("用户名：").Flags(Hidden),
    Row(kUserNameBox, Kind::EditBox).In(kCredentialsGroup).At(70, 18, 113, 20).Flags(Hidden),
    Row("透明标签3", Kind::Label).In(kCredentialsGroup).At(205, 20, 33, 16).Caption("密码："),
    Row(kPasswordBox, Kind::EditBox).In(kCredentialsGroup).At(243, 18, 110, 20).Flags(Password),
};

}  // namespace

const FormDef ParseWindowForm = FormDef("ParseWindow", "新建一个网页视频解析任务", {50, 50, 399, 202}, kControls)
                                    .OnCreated(OnParseWindowCreated).OnDestroyed(OnParseWindowDestroyed);
// clang-format on
