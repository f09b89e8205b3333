// The player library's module variables: what to play and the objects that play it.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "player/FlashMoviePlayer.h"
#include "player/HtmlDocumentWriter.h"

namespace player {

extern std::string PlayTitle;  // the title of the last call, shown in captions and status texts
extern std::string PlayUrl;    // the address or file of the last call
extern int32_t PlayTag;        // the last call's third argument; kept, never read
extern std::unique_ptr<FlashMoviePlayer> Player;
extern std::unique_ptr<HtmlDocumentWriter> PageWriter;

// Creates the movie player (with its Flash control) and the page writer; no window.
void InitPlayerGlobals();
void FreePlayerGlobals();
// Frees the texts and lets go of the two objects without destroying them.
void AbandonPlayerGlobals();

}  // namespace player
