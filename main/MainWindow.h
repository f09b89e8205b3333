// The start window: its form and its handlers.
#pragma once
#include <string>

#include "main/MainWindowForm.h"
#include "ui/Event.h"
#include "ui/Form.h"
#include "ui/Window.h"

// The start window while it exists, else null. Window thread only.
ui::Window* MainWin();

// Form handlers.
void OnStartWindowCreated(ui::Window& w, ui::Event& e);
ui::CloseAnswer OnStartWindowClosing(ui::Window& w);
void OnStartWindowDestroyed(ui::Window& w, ui::Event& e);
void OnTrayEvent(ui::Window& w, ui::Event& e);
// Toolbar items.
void OnNewTaskItem(ui::Window& w, ui::Event& e);
void OnViewDownloadsItem(ui::Window& w, ui::Event& e);
void OnTopmostItem(ui::Window& w, ui::Event& e);
void OnHelpItem(ui::Window& w, ui::Event& e);
void OnExitItem(ui::Window& w, ui::Event& e);
// Tray menu items and the tip timer.
void OnShowHideItem(ui::Window& w, ui::Event& e);
void OnLogOffItem(ui::Window& w, ui::Event& e);
void OnTipTimer(ui::Window& w, ui::Event& e);

// Hides the window to the tray, or shows it again with the tray icon.
void ToggleWindowVisible(ui::Window& w);
// Shows one of the tips in the status bar and sets the next interval.
void ShowRandomTip(ui::Window& w);
// Ends the program with its clean-up, without asking.
void ExitProgram();

// The five tips, joined by "|", with the served count in the fourth.
std::string BuildTipTexts(const std::string& servedCount);

// What 新建任务 says while the service's address is not known yet.
inline constexpr const char* kServiceNotReadyText = "正在连接数据服务器，请稍候再试！";
