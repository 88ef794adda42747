#include "ui/menus/MenuCaches.h"

TBackgroundBits& BackgroundCache()
{
  static TBackgroundBits cache;
  return cache;
}

TBackgroundBits& BannerCache()
{
  static TBackgroundBits cache;
  return cache;
}

void InvalidateMenuCaches()
{
  BackgroundCache().Key = nullptr;
  BannerCache().Key = nullptr;
}
