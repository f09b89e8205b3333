// The window that shows the page embedding the QVOD player control for a QVOD link.
#pragma once
#include "ui/Event.h"
#include "ui/Form.h"
#include "ui/Window.h"

namespace player {

extern const ui::FormDef QvodPageWindowForm;
// The designer name of its one control, the browser box.
inline constexpr char kQvodBrowser[] = "W1";

// Shows the window, waits (at most 5 s, messages flowing) until W1's browser
// has made its document for "about:blank", attaches the page writer to it
// anew and writes the page for PlayUrl into it.
void OnQvodWindowLoaded(ui::Window& w, ui::Event& e);
// W1 follows the window's outer size, 5 pixels narrower and 30 lower.
void LayoutQvodWindow(ui::Window& w, ui::Event& e);

}  // namespace player
