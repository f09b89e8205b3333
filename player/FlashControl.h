// The hosted Shockwave Flash control: its host window and its members reached by name.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "player/FlashMembers.h"
#include "ui/base/ComPtr.h"

namespace player {

class FlashControl {
 public:
  // Registers the "AtlAxWin" class (atl.dll's AtlAxWinInit); its result is not needed here.
  FlashControl();
  // A second wrapper of the same control (its reference count raised), same rectangle and windows.
  FlashControl(const FlashControl& other);
  FlashControl& operator=(const FlashControl&) = delete;
  ~FlashControl() = default;  // releases the control; the host window goes with its parent

  // Makes an "AtlAxWin" child hosting the control. A null parent keeps the
  // stored one; false when there is none or the control could not be created.
  bool Create(HWND parent, int32_t left, int32_t top, int32_t width, int32_t height);
  HWND ParentWindow() const { return parent_; }
  HWND HostWindow() const { return host_; }

  // Stores the rectangle and moves the host window to it.
  void Move(int32_t left, int32_t top, int32_t width, int32_t height);
  int32_t Left() const { return left_; }
  int32_t Top() const { return top_; }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }

  // The control's "setVariable" method.
  void SetVariable(const std::string& name, const std::string& value);
  // Reads through "setVariable" with the name alone; the control takes two
  // arguments there, so this gives the empty text in practice.
  std::string ReadVariable(const std::string& name);

  // Puts the object's IUnknown in place of the control (the previous one is released).
  void AttachObject(IUnknown* object);
  // A new reference to the control (empty when there is none).
  ui::ComPtr<IUnknown> ControlObject() const;
  void ReleaseControl() { control_.Reset(); }

  // The accessors of the control's members; a failed call gives 0, false or the empty text.
#define TAVRIN_DECLARE_READER(member, type) flash::type Get##member();
#define TAVRIN_DECLARE_PROPERTY(member, type) \
  flash::type Get##member();                  \
  void Set##member(const flash::type& value);
#define TAVRIN_DECLARE_METHOD(member, type, params, args) flash::type member params;
  TAVRIN_FLASH_MEMBERS(TAVRIN_DECLARE_READER, TAVRIN_DECLARE_PROPERTY, TAVRIN_DECLARE_METHOD)
#undef TAVRIN_DECLARE_READER
#undef TAVRIN_DECLARE_PROPERTY
#undef TAVRIN_DECLARE_METHOD

 private:
  ui::ComPtr<IUnknown> control_;
  HWND host_ = nullptr;
  HWND parent_ = nullptr;
  int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

}  // namespace player
