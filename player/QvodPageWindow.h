// The window that shows the page embedding the QVOD player control for a QVOD link.
#pragma once
#include "ui/Event.h"
#include "ui/Form.h"
#include "ui/Window.h"

namespace player {

extern const ui::FormDef QvodPageWindowForm;

// Writes the page for PlayUrl into the browser box W1.
void OnQvodWindowLoaded(ui::Window& w, ui::Event& e);
// W1 follows the window's outer size, 5 pixels narrower and 30 lower.
void LayoutQvodWindow(ui::Window& w, ui::Event& e);

}  // namespace player
