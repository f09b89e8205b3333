// Owned GDI and shell handles: loading an icon resource into one.
#include "GdiHandles.h"

namespace ui {

OwnedIcon LoadOwnedIcon(HINSTANCE module, int id, int size) {
  if (!id) return OwnedIcon();
  return OwnedIcon((HICON)LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}

}  // namespace ui
