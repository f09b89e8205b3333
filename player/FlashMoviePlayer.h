// The driver of the player's own Flash movie: puts it into the control, then
// talks to it through the control's setVariable and CallFunction.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "player/FlashControl.h"
#include "player/RightClickHook.h"

namespace player {

class FlashMoviePlayer {
 public:
  FlashMoviePlayer() = default;
  // A copy shares the control object (its reference count raised) and copies the movie path.
  FlashMoviePlayer(const FlashMoviePlayer&) = default;
  FlashMoviePlayer& operator=(const FlashMoviePlayer&) = delete;

  // Writes the movie to the program's folder, hosts the control in `parent`,
  // loads the movie, deletes the file and hooks right clicks of the parent and
  // every window below it. No step's failure stops the following ones.
  void Create(HWND parent, int32_t x, int32_t y, int32_t width, int32_t height, RightClickCallback callback = nullptr);
  HWND ParentWindow() const { return control_.ParentWindow(); }
  void Move(int32_t x, int32_t y, int32_t width, int32_t height) { control_.Move(x, y, width, height); }

  // Commands to the movie.
  void Play();
  void Stop();
  void SetUrl(const std::string& url);  // the movie starts playing it at once
  void SetVolume(int32_t volume);
  void Seek(int32_t seconds);

  // Questions to the movie; only string replies count, anything else reads as empty (or 0).
  int32_t PlayCode();
  std::string Url();
  std::string TotalTime();    // "minutes:seconds"
  std::string CurrentTime();  // "minutes:seconds"
  std::string TimeText();     // "current/total", the time label's text
  std::string StreamStatus();
  int32_t BufferPercent();
  int32_t TotalSeconds();
  int32_t CurrentSeconds();
  // 0 stopped, 1 playing, 2 paused, 3 buffering, 4 stream not found, 5 loading.
  int32_t PlayerState();

  FlashControl& Control() { return control_; }
  const std::string& MoviePath() const { return moviePath_; }

 private:
  std::string Query(const char* function);

  FlashControl control_;
  std::string moviePath_;
};

}  // namespace player
