// The Flash control's members that the wrapper reaches by name: one table
// from which the wrapper's accessors are declared and defined.
#pragma once
#include <cstdint>
#include <string>

namespace player {

// Value types of the members, as the accessors hand them out.
namespace flash {
using Int = int32_t;
using Bool = bool;
using Text = std::string;
using Double = double;
}  // namespace flash

// The table. READ_ONLY(member, type): a reader Get<member>.
// PROPERTY(member, type): a reader Get<member> and a writer Set<member>.
// METHOD(member, type, (parameters), (arguments)): an accessor named like the member.
// clang-format off
#define TAVRIN_FLASH_MEMBERS(READ_ONLY, PROPERTY, METHOD)                                      \
  READ_ONLY(ReadyState, Int)                                                                   \
  READ_ONLY(TotalFrames, Int)                                                                  \
  PROPERTY(Playing, Bool)                                                                      \
  PROPERTY(Quality, Int)                                                                       \
  PROPERTY(ScaleMode, Int)                                                                     \
  PROPERTY(AlignMode, Int)                                                                     \
  PROPERTY(BackgroundColor, Int)                                                               \
  PROPERTY(Loop, Bool)                                                                         \
  PROPERTY(Movie, Text)                                                                        \
  PROPERTY(FrameNum, Int)                                                                      \
  METHOD(CurrentFrame, Int, (), ())                                                            \
  METHOD(IsPlaying, Bool, (), ())                                                              \
  METHOD(PercentLoaded, Int, (), ())                                                           \
  METHOD(FrameLoaded, Bool, (flash::Int frame), (frame))                                       \
  METHOD(FlashVersion, Int, (), ())                                                            \
  PROPERTY(WMode, Text)                                                                        \
  PROPERTY(SAlign, Text)                                                                       \
  PROPERTY(Menu, Bool)                                                                         \
  PROPERTY(Base, Text)                                                                         \
  PROPERTY(Scale, Text)                                                                        \
  PROPERTY(DeviceFont, Bool)                                                                   \
  PROPERTY(EmbedMovie, Bool)                                                                   \
  PROPERTY(BGColor, Text)                                                                      \
  PROPERTY(Quality2, Text)                                                                     \
  METHOD(TCurrentFrame, Int, (const flash::Text& target), (target))                            \
  METHOD(TCurrentLabel, Text, (const flash::Text& target), (target))                           \
  METHOD(GetVariable, Text, (const flash::Text& name), (name))                                 \
  METHOD(TGetProperty, Text, (const flash::Text& target, flash::Int index), (target, index))   \
  METHOD(TGetPropertyNum, Double, (const flash::Text& target, flash::Int index), (target, index)) \
  METHOD(TGetPropertyAsNumber, Double, (const flash::Text& target, flash::Int index), (target, index)) \
  PROPERTY(SWRemote, Text)                                                                     \
  PROPERTY(FlashVars, Text)                                                                    \
  PROPERTY(AllowScriptAccess, Text)                                                            \
  PROPERTY(MovieData, Text)                                                                    \
  PROPERTY(InlineData, Int)                                                                    \
  PROPERTY(SeamlessTabbing, Bool)                                                              \
  PROPERTY(Profile, Bool)                                                                      \
  PROPERTY(ProfileAddress, Text)                                                               \
  PROPERTY(ProfilePort, Int)                                                                   \
  METHOD(CallFunction, Text, (const flash::Text& request), (request))                          \
  PROPERTY(AllowNetworking, Text)                                                              \
  PROPERTY(AllowFullScreen, Text)

// clang-format on
}  // namespace player
