// The new-task window: its form, its address sources (clipboard, drop, link finder) and the parse it starts.
#pragma once
#include <cstdint>
#include <string>

#include "main/ParseWindowForm.h"
#include "ui/Event.h"
#include "ui/Form.h"
#include "ui/Window.h"

// Opens the window modally over the start window and returns when it closes.
void ShowParseWindow(ui::Window* owner);

// The window while it is open, else null. Window thread only.
ui::Window* ParseWin();
// Each opening of the window gets a new number; a parse remembers the one it
// was started from and writes only while that window is still open.
// Window thread only.
std::uint32_t ParseWindowOpening();
ui::Window* ParseWinOfOpening(std::uint32_t opening);

// Form handlers.
void OnParseWindowCreated(ui::Window& w, ui::Event& e);
void OnParseWindowDestroyed(ui::Window& w, ui::Event& e);
void OnSiteTypeChanged(ui::Window& w, ui::Event& e);
void ShowSuperQualityHint(ui::Window& w, ui::Event& e);
void ShowHighQualityHint(ui::Window& w, ui::Event& e);
void ClearQualityHint(ui::Window& w, ui::Event& e);
// A text that came from the clipboard or was dropped: taken as the address
// when it holds a ".".
void OnTextDropped(ui::Window& w, const std::string& text);
void OnClipboardText(ui::Window& w, const std::string& text);

// The link finder's picture box: left button down, up and mouse moves.
void OnFinderMouseDown(ui::Window& w, ui::Event& e);
void OnFinderMove(ui::Window& w, ui::Event& e);
void OnFinderMouseUp(ui::Window& w, ui::Event& e);

// The 解析 button and the start window's one-second cool-down timer.
void OnParseButton(ui::Window& w, ui::Event& e);
void OnParseLimitTick(ui::Window& w, ui::Event& e);
// Seconds left before the next request may go out.
int ParseCooldownLeft();
