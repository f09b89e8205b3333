// The start window: its form and its handlers.
#pragma once
#include "ui/Form.h"
#include "ui/Window.h"

extern const ui::FormDef MainWindowForm;

// The start window while it exists, else null.
ui::Window* MainWin();

void OnStartWindowCreated(int = 0);
ui::CloseAnswer OnStartWindowClosing();
void OnStartWindowDestroyed(int = 0);
void OnToolbarClick(int index);
void OnTrayEvent(int kind);
void ToggleWindowVisible(int = 0);
void ShowRandomTip(int = 0);
void ExitProgram(int = 0);

// The five tips, joined by "|", with the served count in the fourth.
std::string BuildTipTexts(const std::string& servedCount);
