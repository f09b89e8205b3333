// The file list's commands: its pop-up menu 操作菜单, 全选, and the choice of the save folder.
#pragma once
#include <string>

#include "ui/Event.h"
#include "ui/Window.h"

// A right click on the list L1: pops up 操作菜单.
void OnListRightClick(ui::Window& w, ui::Event& e);

// 操作菜单 items.
void OpenDownloadedFile(ui::Window& w, ui::Event& e);
void OpenSaveFolder(ui::Window& w, ui::Event& e);
void PlaySelectedRow(ui::Window& w, ui::Event& e);
void CopyVideoUrl(ui::Window& w, ui::Event& e);
void OpenSourcePage(ui::Window& w, ui::Event& e);
void DeleteRow(ui::Window& w, ui::Event& e);

// Click on 选择框1 (全选).
void OnSelectAll(ui::Window& w, ui::Event& e);

// Opens the save folder, or the named file inside it, with the shell, and
// only while the folder text names an existing folder: no address, program
// or other scheme reaches the shell as a save folder.
void OpenInSaveFolder(const std::string& folder, const std::string& name = {});

// Click on 保存路径按钮 and the focus arriving in 编辑框2: both show the folder dialog.
void ChooseSaveFolder(ui::Window& w, ui::Event& e);

// The texts of the not-finished message.
inline constexpr const char* kNotDownloadedText = "该视频还没有下载完成呢，请下载完成后再操作！";
inline constexpr const char* kNotDownloadedTitle = "温馨提示： ";
inline constexpr const char* kFolderDialogTitle = "选择视频保存目录";
