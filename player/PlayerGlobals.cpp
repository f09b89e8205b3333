// The player library's module variables.
#include "player/PlayerGlobals.h"

namespace player {

std::string PlayTitle;
std::string PlayUrl;
int32_t PlayTag = 0;
std::unique_ptr<FlashMoviePlayer> Player;
std::unique_ptr<HtmlDocumentWriter> PageWriter;

void InitPlayerGlobals() {
  Player = std::make_unique<FlashMoviePlayer>();
  PageWriter = std::make_unique<HtmlDocumentWriter>();
}

void FreePlayerGlobals() {
  PlayTitle.clear();
  PlayUrl.clear();
  Player.reset();
  PageWriter.reset();
}

void AbandonPlayerGlobals() {
  PlayTitle.clear();
  PlayUrl.clear();
  (void)Player.release();
  (void)PageWriter.release();
}

}  // namespace player
