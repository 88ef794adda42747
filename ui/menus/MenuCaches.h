#pragma once
// The off-screen pictures of the banner strip and the item background, kept
// between the items of one open menu. The menu settings drop them on a change;
// the painting fills them.
#include "framework/graphics/WinBitmap.h"

// An off-screen picture of one menu (keyed by its handle; null = none).
struct TBackgroundBits {
  TWinBitmap Bitmap;
  HMENU Key = nullptr;
};
TBackgroundBits& BackgroundCache();
TBackgroundBits& BannerCache();
// Both caches repaint at their next use.
void InvalidateMenuCaches();
