// Place, size and visibility of a skinned window.
#include "skin/SkinnedWindow.h"

namespace skin {

void SkinnedWindow::Move(std::optional<int> left, std::optional<int> top, std::optional<int> width,
                         std::optional<int> height, std::optional<int> noRedraw) const {
  RECT r = {};
  GetWindowRect(handle_, &r);
  UINT flags = SWP_NOZORDER;
  if (noRedraw && *noRedraw) flags |= SWP_NOREDRAW;
  if (!left && !top) flags |= SWP_NOMOVE;
  if (!width && !height) flags |= SWP_NOSIZE;
  POINT corner = {r.left, r.top};
  if (HWND parent = GetParent(handle_)) ScreenToClient(parent, &corner);
  SetWindowPos(handle_, nullptr, left.value_or(corner.x), top.value_or(corner.y), width.value_or(r.right - r.left),
               height.value_or(r.bottom - r.top), flags);
}

int SkinnedWindow::Width() const {
  RECT r = {};
  GetWindowRect(handle_, &r);
  return r.right - r.left;
}

int SkinnedWindow::Height() const {
  RECT r = {};
  GetWindowRect(handle_, &r);
  return r.bottom - r.top;
}

void SkinnedWindow::GetSize(int& width, int& height) const {
  width = Width();
  height = Height();
}

}  // namespace skin
