// The new-task window's form and the designer names its handlers use.
#pragma once
#include "ui/Form.h"

extern const ui::FormDef ParseWindowForm;

// By where they stand: the address group and the controls in it (the
// finder's picture in a frame of its own), the credentials group and the
// controls in it.
inline constexpr char kAddressGroup[] = "分组框1", kTitleBox[] = "Url标题", kAddressBox[] = "Url编辑框";
inline constexpr char kSiteTypeBox[] = "组合框1";
inline constexpr char kSuperQualityRadio[] = "单选框1", kHighQualityRadio[] = "单选框2",
                      kSmoothQualityRadio[] = "单选框3";
inline constexpr char kParseButton[] = "解析", kHintLabel[] = "操作提示";
inline constexpr char kFinderFrame[] = "外形框1", kFinderPicture[] = "图片框_拖动图标";
inline constexpr char kCredentialsGroup[] = "分组框2";
inline constexpr char kUserNameLabel[] = "透明标签2", kUserNameBox[] = "用户名", kPasswordBox[] = "密码";
