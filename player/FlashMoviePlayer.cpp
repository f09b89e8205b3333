// The driver of the player's own Flash movie.
#include "player/FlashMoviePlayer.h"

#include "ui/base/KernelHandle.h"
#include "player/MovieProtocol.h"
#include "player/movie/EmbeddedMovie.h"
#include "ui/App.h"
#include "ui/base/WideText.h"

namespace player {

namespace {

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void WriteWholeFile(const std::wstring& path, const std::string& bytes) {
  ui::KernelHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  DWORD written = 0;
  WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace

void FlashMoviePlayer::Create(HWND parent, int32_t x, int32_t y, int32_t width, int32_t height,
                              RightClickCallback callback) {
  moviePath_ = ui::ProgramDir() + "\\ZentiPlay.Swf";
  const std::wstring path = ui::ToWide(moviePath_);
  if (FileExists(path)) DeleteFileW(path.c_str());
  // A file that could not be deleted is used as it is.
  if (!FileExists(path)) WriteWholeFile(path, EmbeddedMovieBytes());
  control_.Create(parent, x, y, width, height);
  control_.SetAllowFullScreen("true");
  control_.SetMovie(moviePath_);
  DeleteFileW(path.c_str());
  HookRightClick(control_.ParentWindow(), callback);
}

void FlashMoviePlayer::Play() { control_.SetVariable(kPlayControlVariable, "play"); }
void FlashMoviePlayer::Stop() { control_.SetVariable(kPlayControlVariable, "stop"); }
void FlashMoviePlayer::SetUrl(const std::string& url) { control_.SetVariable(kUrlVariable, url); }
void FlashMoviePlayer::SetVolume(int32_t volume) { control_.SetVariable(kVolumeVariable, std::to_string(volume)); }
void FlashMoviePlayer::Seek(int32_t seconds) { control_.SetVariable(kSeekVariable, std::to_string(seconds)); }

std::string FlashMoviePlayer::Query(const char* function) {
  return StringReply(control_.CallFunction(InvokeRequest(function)));
}

int32_t FlashMoviePlayer::PlayCode() { return TextToInt(Query(kPlayCodeQuery)); }
std::string FlashMoviePlayer::Url() { return Query(kUrlQuery); }
std::string FlashMoviePlayer::TotalTime() { return Query(kTotalTimeQuery); }
std::string FlashMoviePlayer::CurrentTime() { return Query(kCurrentTimeQuery); }
std::string FlashMoviePlayer::TimeText() { return Query(kTimeTextQuery); }
std::string FlashMoviePlayer::StreamStatus() { return Query(kStreamStatusQuery); }
int32_t FlashMoviePlayer::BufferPercent() { return TextToInt(Query(kBufferQuery)); }
int32_t FlashMoviePlayer::TotalSeconds() { return TimeTextSeconds(TotalTime()); }
int32_t FlashMoviePlayer::CurrentSeconds() { return TimeTextSeconds(CurrentTime()); }

int32_t FlashMoviePlayer::PlayerState() {
  return CombinePlayerState([this] { return PlayCode(); }, [this] { return StreamStatus(); });
}

}  // namespace player
