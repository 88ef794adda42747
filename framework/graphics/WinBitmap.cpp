#include "framework/graphics/WinBitmap.h"

#include <cstring>

TWinBitmap::~TWinBitmap() { Deselect(); }

void TWinBitmap::Deselect()
{
  FCanvas.SetHandle(nullptr);
  FSelection.reset();
}

void TWinBitmap::Replace(HBITMAP Bitmap)
{
  Deselect();
  FBitmap.reset(Bitmap);
  BITMAP info{};
  if (Bitmap && GetObjectA(Bitmap, sizeof(info), &info)) {
    FWidth = info.bmWidth;
    FHeight = info.bmHeight;
    FMonochrome = info.bmBitsPixel == 1;
  } else {
    FWidth = FHeight = 0;
    FMonochrome = false;
  }
}

void TWinBitmap::SetHandle(HBITMAP Bitmap) { Replace(Bitmap); }

TCanvas& TWinBitmap::Canvas()
{
  if (!FDC) FDC.reset(CreateCompatibleDC(nullptr));
  if (FBitmap && !FCanvas.HandleAllocated()) {
    FSelection = qv::SelectionGuard(FDC.get(), FBitmap.get());
    FCanvas.SetHandle(FDC.get());
  }
  return FCanvas;
}

namespace {
// A monochrome bitmap, or one like the screen's; never null.
HBITMAP NewBitmap(int Width, int Height, bool Monochrome)
{
  HBITMAP bitmap;
  if (Monochrome) {
    bitmap = CreateBitmap(Width, Height, 1, 1, nullptr);
  } else {
    qv::WindowDC screen(nullptr);
    bitmap = CreateCompatibleBitmap(screen.get(), Width, Height);
  }
  if (!bitmap) throw EOutOfResources("Out of system resources");
  return bitmap;
}

// Bytes from the start of Image that the headers, colour table and pixel
// rows of a packed bitmap need; 0 when the header itself is not sound.
uint64_t BitmapImageSize(const BITMAPFILEHEADER& File, const BITMAPINFOHEADER& Header)
{
  if (Header.biSize < sizeof(BITMAPINFOHEADER) || Header.biWidth <= 0 || Header.biHeight == 0 || Header.biPlanes != 1)
    return 0;
  const uint64_t width = static_cast<uint64_t>(Header.biWidth);
  const uint64_t height = Header.biHeight < 0 ? -static_cast<int64_t>(Header.biHeight) : Header.biHeight;
  uint64_t colors = Header.biClrUsed;
  if (colors == 0 && Header.biBitCount <= 8) colors = uint64_t{1} << Header.biBitCount;
  if (Header.biCompression == BI_BITFIELDS && Header.biSize == sizeof(BITMAPINFOHEADER)) colors += 3;
  const uint64_t tableEnd = sizeof(BITMAPFILEHEADER) + Header.biSize + colors * sizeof(RGBQUAD);
  if (File.bfOffBits < tableEnd) return 0;
  uint64_t pixels;
  if (Header.biCompression == BI_RGB || Header.biCompression == BI_BITFIELDS) {
    if (Header.biBitCount == 0 || Header.biBitCount > 32) return 0;
    pixels = (width * Header.biBitCount + 31) / 32 * 4 * height;
  } else {
    pixels = Header.biSizeImage;  // compressed rows say how long they are
    if (pixels == 0) return 0;
  }
  return File.bfOffBits + pixels;
}
}  // namespace

void TWinBitmap::SetSize(int Width, int Height)
{
  if (Width <= 0 || Height <= 0) {
    Replace(nullptr);
    return;
  }
  Replace(NewBitmap(Width, Height, FMonochrome));
  RECT all{0, 0, Width, Height};
  FillRect(Canvas().Handle(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

void TWinBitmap::SetMonochrome(bool Value)
{
  if (Value == FMonochrome) return;
  if (!FBitmap) {
    FMonochrome = Value;
    return;
  }
  qv::BitmapHandle fresh(NewBitmap(FWidth, FHeight, Value));
  qv::MemoryDC dc(CreateCompatibleDC(nullptr));
  {
    qv::SelectionGuard sel(dc.get(), fresh.get());
    // Colour to mono: pixels of the background colour (white) become white.
    SetBkColor(Canvas().Handle(), RGB(255, 255, 255));
    BitBlt(dc.get(), 0, 0, FWidth, FHeight, Canvas().Handle(), 0, 0, SRCCOPY);
  }
  Replace(fresh.release());
}

TColor TWinBitmap::TransparentColor()
{
  if (FTransparentColor != clDefault) return FTransparentColor;
  if (Empty()) return clDefault;
  return static_cast<TColor>(GetPixel(Canvas().Handle(), 0, FHeight - 1) & 0xFFFFFF);
}

void TWinBitmap::LoadFromResourceName(HINSTANCE Instance, const std::string& Name)
{
  HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(Instance, Name.c_str(), IMAGE_BITMAP, 0, 0, 0));
  if (!bitmap) throw EInvalidGraphic("Bitmap resource " + Name + " not found");
  Replace(bitmap);
}

void TWinBitmap::LoadFromImage(const std::string& Image)
{
  if (Image.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) || Image.compare(0, 2, "BM") != 0)
    throw EInvalidGraphic("Bitmap image is not valid");
  BITMAPFILEHEADER file;
  std::memcpy(&file, Image.data(), sizeof(file));
  const auto* info = reinterpret_cast<const BITMAPINFO*>(Image.data() + sizeof(file));
  if (file.bfOffBits >= Image.size()) throw EInvalidGraphic("Bitmap image is not valid");
  const void* bits = Image.data() + file.bfOffBits;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  // The pixels are read only when the image holds all that its header says.
  const uint64_t needed = BitmapImageSize(file, h);
  if (needed == 0 || needed > Image.size()) throw EInvalidGraphic("Bitmap image is not valid");
  int height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  qv::WindowDC screen(nullptr);
  qv::BitmapHandle bitmap;
  if (h.biBitCount == 1) {
    bitmap.reset(CreateBitmap(h.biWidth, height, 1, 1, nullptr));
    if (bitmap && !SetDIBits(screen.get(), bitmap.get(), 0, height, bits, info, DIB_RGB_COLORS)) bitmap.reset();
  } else {
    bitmap.reset(CreateDIBitmap(screen.get(), &h, CBM_INIT, bits, info, DIB_RGB_COLORS));
  }
  if (!bitmap) throw EInvalidGraphic("Bitmap image is not valid");
  Replace(bitmap.release());
}

void TWinBitmap::Assign(const TGraphic* Graphic)
{
  if (!Graphic || Graphic->Empty())
    Replace(nullptr);
  else
    LoadFromImage(Graphic->Image());
}

// ---------------------------------------------------------------------------

void TWinIcon::SetHandle(HICON Icon)
{
  FIcon.reset(Icon);
  FWidth = FHeight = 0;
  ICONINFO info{};
  if (Icon && GetIconInfo(Icon, &info)) {
    BITMAP bm{};
    GetObjectA(info.hbmMask, sizeof(bm), &bm);
    FWidth = bm.bmWidth;
    FHeight = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
}

void TWinIcon::LoadFromResourceName(HINSTANCE Instance, const std::string& Name)
{
  HICON icon = static_cast<HICON>(LoadImageA(Instance, Name.c_str(), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
  if (!icon) throw EInvalidGraphic("Icon resource " + Name + " not found");
  SetHandle(icon);
}

void TWinIcon::LoadFromImage(const std::string& Image)
{
  auto* bytes = reinterpret_cast<PBYTE>(const_cast<char*>(Image.data()));
  if (Image.size() < 6 + 16) throw EInvalidGraphic("Icon image is not valid");
  // LookupIconIdFromDirectoryEx expects a resource directory; the file
  // directory differs in its last field, so the entry is picked by hand.
  int count = bytes[4] | (bytes[5] << 8);
  int best = 0, bestScore = 1 << 30;
  for (int i = 0; i < count && 6 + 16 * (i + 1) <= static_cast<int>(Image.size()); ++i) {
    int w = bytes[6 + 16 * i] ? bytes[6 + 16 * i] : 256;
    int score = w > 32 ? w - 32 : 32 - w;
    if (score < bestScore) {
      best = i;
      bestScore = score;
    }
  }
  const BYTE* entry = bytes + 6 + 16 * best;
  DWORD size, offset;
  std::memcpy(&size, entry + 8, 4);
  std::memcpy(&offset, entry + 12, 4);
  if (offset >= Image.size() || size > Image.size() - offset) throw EInvalidGraphic("Icon image is not valid");
  HICON icon = CreateIconFromResourceEx(bytes + offset, size, TRUE, 0x00030000, 0, 0, LR_DEFAULTCOLOR);
  if (!icon) throw EInvalidGraphic("Icon image is not valid");
  SetHandle(icon);
}

void TWinIcon::Assign(const TGraphic* Graphic)
{
  if (!Graphic || Graphic->Empty())
    SetHandle(nullptr);
  else
    LoadFromImage(Graphic->Image());
}

void TWinIcon::Draw(TCanvas& Canvas, int X, int Y) const
{
  if (FIcon) DrawIconEx(Canvas.Handle(), X, Y, FIcon.get(), FWidth, FHeight, 0, nullptr, DI_NORMAL);
}

void TWinIcon::StretchDraw(TCanvas& Canvas, const RECT& Dest) const
{
  if (FIcon)
    DrawIconEx(Canvas.Handle(), Dest.left, Dest.top, FIcon.get(), Dest.right - Dest.left, Dest.bottom - Dest.top, 0,
               nullptr, DI_NORMAL);
}

void DrawGraphic(TCanvas& Canvas, int X, int Y, const TGraphic* Graphic)
{
  if (!Graphic || Graphic->Empty()) return;
  StretchDrawGraphic(Canvas, RECT{X, Y, X + Graphic->Width(), Y + Graphic->Height()}, Graphic);
}

void StretchDrawGraphic(TCanvas& Canvas, const RECT& Dest, const TGraphic* Graphic)
{
  if (!Graphic || Graphic->Empty()) return;
  if (dynamic_cast<const TIcon*>(Graphic)) {
    TWinIcon icon;
    icon.Assign(Graphic);
    icon.StretchDraw(Canvas, Dest);
  } else {
    TWinBitmap bitmap;
    bitmap.Assign(Graphic);
    Canvas.StretchDraw(Dest, bitmap);
  }
}

// ---------------------------------------------------------------------------
// Drawing a bitmap on a canvas: the canvas knows bitmaps only by name, so
// these live beside the bitmap, which holds a canvas of its own.

void TCanvas::Draw(int X, int Y, TWinBitmap& Bitmap)
{
  RECT dest{X, Y, X + Bitmap.Width(), Y + Bitmap.Height()};
  StretchDraw(dest, Bitmap);
}

void TCanvas::StretchDraw(const RECT& Dest, TWinBitmap& Bitmap)
{
  if (Bitmap.Empty()) return;
  RECT source{0, 0, Bitmap.Width(), Bitmap.Height()};
  CopyRect(Dest, Bitmap.Canvas(), source);
}

void TCanvas::BrushCopy(const RECT& Dest, TWinBitmap& Source, const RECT& SourceRect, TColor Transparent)
{
  Prepare();
  int w = SourceRect.right - SourceRect.left, h = SourceRect.bottom - SourceRect.top;
  int dw = Dest.right - Dest.left, dh = Dest.bottom - Dest.top;
  if (w <= 0 || h <= 0 || dw <= 0 || dh <= 0 || Source.Empty()) return;
  // The copy is composed off-screen: the transparent pixels take the brush
  // colour, the others the source's, and the result is copied in one go.
  qv::MemoryDC work(CreateCompatibleDC(FDC));
  qv::BitmapHandle picture(CreateCompatibleBitmap(FDC, w, h));
  qv::SelectionGuard pictureSel(work.get(), picture.get());
  qv::BrushHandle fill(CreateSolidBrush(ColorToRGB(FBrushColor)));
  RECT all{0, 0, w, h};
  ::FillRect(work.get(), &all, fill.get());
  TransparentBlt(work.get(), 0, 0, w, h, Source.Canvas().Handle(), SourceRect.left, SourceRect.top, w, h,
                 ColorToRGB(Transparent));
  StretchBlt(FDC, Dest.left, Dest.top, dw, dh, work.get(), 0, 0, w, h, SRCCOPY);
}
