// The movie player window: the movie over most of the window, a control bar
// below it, the pop-up menu on right clicks and two timers that keep the
// status, the time and the seek slider up to date.
#pragma once
#include <cstdint>

#include "player/PlayerWindowForm.h"
#include "ui/Event.h"
#include "ui/Form.h"
#include "ui/Window.h"

namespace player {

// The window's own state: 1 while in full screen; the outer rectangle of the
// last windowed layout (screen pixels); the volume last chosen in the menu.
extern int32_t IsFullScreen;
extern ui::Rect SavedWindowRect;
extern int32_t CurrentVolume;

// Handlers of the form.
void OnPlayerWindowLoaded(ui::Window& w, ui::Event& e);
void LayoutPlayerWindow(ui::Window& w, ui::Event& e);
void OnPlayPause(ui::Window& w, ui::Event& e);
void OnStop(ui::Window& w, ui::Event& e);
void OnExit(ui::Window& w, ui::Event& e);
void OnSeekSlider(ui::Window& w, ui::Event& e);
void OnVolumeSlider(ui::Window& w, ui::Event& e);
void VolumeUp(ui::Window& w, ui::Event& e);
void VolumeDown(ui::Window& w, ui::Event& e);
void ToggleMute(ui::Window& w, ui::Event& e);
void ToggleAlwaysOnTop(ui::Window& w, ui::Event& e);
void EnterFullScreen(ui::Window& w, ui::Event& e);
void LeaveFullScreen(ui::Window& w, ui::Event& e);
// The label over the movie: the left button drags the window by the movie (in
// the window only); a double click goes to full screen or back.
void DragByTheMovie(ui::Window& w, ui::Event& e);
void OnOpenFileButton(ui::Window& w, ui::Event& e);
void UpdateStatusLabel(ui::Window& w, ui::Event& e);
void UpdateTimeDisplay(ui::Window& w, ui::Event& e);

}  // namespace player
