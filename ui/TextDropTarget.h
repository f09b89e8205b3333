// An OLE drop target that takes plain text dropped onto a window and hands it to a callback as GBK.
#pragma once
#include <windows.h>
#include <ole2.h>

#include <functional>
#include <string>

#include "ui/base/ComPtr.h"

namespace ui {

// Runs on the window's thread with the dropped text (GBK, up to its first zero).
using TextDropHandler = std::function<void(const std::string& text)>;

// The registration of a text drop target for one window; revoked by Revoke,
// by the owner's destruction, or when it registers another window. Text is
// taken as CF_UNICODETEXT when offered, else as CF_TEXT in the system's
// code page; other formats are refused.
class TextDropRegistration {
 public:
  TextDropRegistration() = default;
  ~TextDropRegistration() { Revoke(); }
  TextDropRegistration(const TextDropRegistration&) = delete;
  TextDropRegistration& operator=(const TextDropRegistration&) = delete;

  // RegisterDragDrop for the window (OLE must be initialised on this
  // thread); false when the system refuses it.
  bool Register(HWND hwnd, TextDropHandler onDrop);
  // RevokeDragDrop; call it while the window still exists.
  void Revoke();

  // The registered target, as the system's drag loop calls it.
  IDropTarget* Target() const { return target_.Get(); }

 private:
  HWND hwnd_ = nullptr;
  ComPtr<IDropTarget> target_;
};

// The text of a data object (CF_UNICODETEXT preferred, else CF_TEXT) as
// GBK; false when it offers neither.
bool DroppedText(IDataObject* data, std::string& text);

}  // namespace ui
