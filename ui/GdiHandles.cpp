// Owned GDI and shell handles: an icon resource and the programs' font made into ones.
#include "GdiHandles.h"

namespace ui {

OwnedIcon LoadOwnedIcon(HINSTANCE module, int id, int size) {
  if (!id) return OwnedIcon();
  return OwnedIcon((HICON)LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}

OwnedFont MakeSongTiFont(int height) {
  // The W function: the face name is Chinese and must not pass through the
  // system code page.
  return OwnedFont(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体"));
}

}  // namespace ui
