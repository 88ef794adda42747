#include "ui/hints/Balloon.h"

#include <algorithm>

#include "framework/win32/Handles.h"

namespace {

const TBalloonSettings* currentSettings = nullptr;

// The dismiss hook of a balloon shown without region, the window it serves
// and whether that window has seen its first mouse move.
qv::HookHandle dismissHook;
HWND servedWindow = nullptr;
bool firstMouseMove = false;

// 8 × 8, white with black where x + y is even: ANDed over the background it
// darkens every other pixel.
HBITMAP ShadePattern()
{
  struct TPattern {
    qv::BitmapHandle Bitmap;
    TPattern()
    {
      static const WORD rows[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
      Bitmap.reset(CreateBitmap(8, 8, 1, 1, rows));
      // Thrown from the initialiser, so the next use tries again.
      if (!Bitmap) throw EOutOfResources("Out of system resources");
    }
  };
  static const TPattern pattern;
  return pattern.Bitmap.get();
}

void RemoveDismissHook()
{
  servedWindow = nullptr;
  dismissHook.reset();
}

bool IsButtonDown(UINT Msg)
{
  switch (Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN: return true;
    default: return false;
  }
}

// Whether a window about to repaint does so under the served balloon.
bool RepaintsUnderBalloon(HWND Window)
{
  if (Window == servedWindow || !currentSettings || !currentSettings->Behavior.Contains(bbHideOnPaint)) return false;
  RECT update, balloon, common;
  if (!GetUpdateRect(Window, &update, FALSE)) return false;
  MapWindowPoints(Window, nullptr, reinterpret_cast<POINT*>(&update), 2);
  GetWindowRect(servedWindow, &balloon);
  return IntersectRect(&common, &update, &balloon) != FALSE;
}

void OnRetrievedMessage(const MSG& Msg)
{
  if (!servedWindow) return;
  bool cancel = false;
  if (IsButtonDown(Msg.message)) {
    cancel = true;
  } else if (Msg.message == WM_MOUSEMOVE) {
    // The balloon's appearing makes a move of its own; the next one is the user's.
    cancel = firstMouseMove;
    firstMouseMove = true;
  } else if (Msg.message == WM_PAINT) {
    cancel = RepaintsUnderBalloon(Msg.hwnd);
  }
  if (cancel && Application) Application->CancelHint();
}

LRESULT CALLBACK DismissHookProc(int Code, WPARAM WParam, LPARAM LParam)
{
  // Handed on first: a cancel below removes this very hook.
  const LRESULT next = CallNextHookEx(dismissHook.get(), Code, WParam, LParam);
  // A message peeked and left in the queue comes by again when it is removed.
  if (Code >= 0 && WParam == PM_REMOVE) {
    try {
      OnRetrievedMessage(*reinterpret_cast<const MSG*>(LParam));
    } catch (...) {
      HandleCallbackException();
    }
  }
  return next;
}

void InstallDismissHook(HWND Balloon)
{
  if (!dismissHook)
    dismissHook.reset(
        SetWindowsHookExA(WH_GETMESSAGE, DismissHookProc, GetModuleHandleA(nullptr), GetCurrentThreadId()));
  firstMouseMove = false;
  servedWindow = Balloon;
}

// Fills the balloon shape at Offset and outlines it one pixel wide.
void DrawShape(HDC DC, const TBalloonShapeGeometry& Geometry, TBalloonShape Shape, int Offset, TColor Fill,
               TColor Outline)
{
  const qv::RegionHandle region(CreateBalloonRegion(Geometry, Shape, Offset));
  const qv::BrushHandle fill(CreateSolidBrush(ColorToRGB(Fill)));
  const qv::BrushHandle outline(CreateSolidBrush(ColorToRGB(Outline)));
  FillRgn(DC, region.get(), fill.get());
  FrameRgn(DC, region.get(), outline.get(), 1, 1);
}

// A memory DC holding a bitmap of the window's size.
struct TOffscreen {
  qv::BitmapHandle Bitmap;
  qv::MemoryDC DC;
  qv::SelectionGuard Selection;
  TOffscreen(HDC Compatible, int Width, int Height)
      : Bitmap(CreateCompatibleBitmap(Compatible, Width, Height)), DC(CreateCompatibleDC(Compatible)),
        Selection(DC.get(), Bitmap.get())
  {
    if (!Bitmap || !DC) throw EOutOfResources("Cannot create the balloon's bitmaps");
  }
};

// Darkens the picture under body and shadow with a 50 % checkerboard.
void ShadeBackground(HDC Picture, const TBalloonShapeGeometry& Geometry, const TBalloonSettings& Settings, int Width,
                     int Height)
{
  TOffscreen shade(Picture, Width, Height), mask(Picture, Width, Height);
  BitBlt(shade.DC.get(), 0, 0, Width, Height, Picture, 0, 0, SRCCOPY);
  {
    const qv::BrushHandle pattern(CreatePatternBrush(ShadePattern()));
    if (!pattern) throw EOutOfResources("Cannot create the balloon's bitmaps");
    const qv::SelectionGuard selected(shade.DC.get(), pattern.get());
    SetTextColor(shade.DC.get(), RGB(0, 0, 0));
    SetBkColor(shade.DC.get(), RGB(255, 255, 255));
    PatBlt(shade.DC.get(), 0, 0, Width, Height, 0x00A000C9);
  }
  PatBlt(mask.DC.get(), 0, 0, Width, Height, WHITENESS);
  DrawShape(mask.DC.get(), Geometry, Settings.Shape, 0, clBlack, clBlack);
  DrawShape(mask.DC.get(), Geometry, Settings.Shape, Settings.ShadowDepth, clBlack, clBlack);
  BitBlt(shade.DC.get(), 0, 0, Width, Height, mask.DC.get(), 0, 0, SRCPAINT);
  BitBlt(Picture, 0, 0, Width, Height, shade.DC.get(), 0, 0, SRCAND);
}

bool AnyMouseButtonDown()
{
  for (int key : {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON})
    if (GetKeyState(key) & 0x8000) return true;
  return false;
}

}  // namespace

const TTypeInfo* TypeInfo_TBalloonBehaviors()
{
  static const TTypeInfo* item =
      NewEnumType("TBalloonBehavior", {"bbNoShowMouseDown", "bbUseRegions", "bbHideOnPaint"});
  static const TTypeInfo* t = NewSetType("TBalloonBehaviors", item);
  return t;
}

const TTypeInfo* TypeInfo_TBalloonPosition()
{
  static const TTypeInfo* t =
      NewEnumType("TBalloonPosition", {"bpAboveLeft", "bpAboveRight", "bpBelowLeft", "bpBelowRight"});
  return t;
}

const TTypeInfo* TypeInfo_TBalloonShadowStyle()
{
  static const TTypeInfo* t = NewEnumType("TBalloonShadowStyle", {"ssShaded", "ssSolid"});
  return t;
}

const TTypeInfo* TypeInfo_TBalloonShape()
{
  static const TTypeInfo* t = NewEnumType("TBalloonShape", {"bsRoundRect", "bsRectangle"});
  return t;
}

const TTypeInfo* TypeInfo_TShadowDepth()
{
  static const TTypeInfo* t = NewIntegerType("TShadowDepth", otUByte, 0, 16);
  return t;
}

const TBalloonSettings* CurrentBalloonSettings() { return currentSettings; }

HHOOK BalloonDismissHook() { return dismissHook.get(); }

HRGN CreateBalloonRegion(const TBalloonShapeGeometry& Geometry, TBalloonShape Shape, int Offset)
{
  const int o = std::max(Offset, 0);
  const TBalloonRect& b = Geometry.Body;
  qv::RegionHandle body(Shape == bsRoundRect
                            ? CreateRoundRectRgn(b.Left + o, b.Top + o, b.Right + o, b.Bottom + o, 18, 18)
                            : CreateRectRgn(b.Left + o, b.Top + o, b.Right + o, b.Bottom + o));
  const POINT points[3] = {{Geometry.Tip.X + o, Geometry.Tip.Y + o},
                           {Geometry.Base1.X + o, Geometry.Base1.Y + o},
                           {Geometry.Base2.X + o, Geometry.Base2.Y + o}};
  const qv::RegionHandle pointer(CreatePolygonRgn(points, 3, ALTERNATE));
  if (!body || !pointer) throw EOutOfResources("Cannot create the balloon's region");
  CombineRgn(body.get(), body.get(), pointer.get(), RGN_OR);
  return body.release();
}

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS(TBalloonBase)

void TBalloonBase::DeclareProperties(TClassBuilder<TBalloonBase>& c)
{
  using T = TBalloonBase;
  c.Ordinal("BorderColor", TypeInfo_TColor(), &T::BorderColor, &T::SetBorderColor);
  c.Ordinal("Color", TypeInfo_TColor(), &T::Color, &T::SetColor);
  c.Object("Font", TFont::StaticClass(), &T::Font, &T::SetFont);
  c.Ordinal("MaxWidth", TypeInfo_Integer(), &T::MaxWidth, &T::SetMaxWidth);
  c.Ordinal("Behavior", TypeInfo_TBalloonBehaviors(), &T::Behavior, &T::SetBehavior);
  c.Ordinal("Position", TypeInfo_TBalloonPosition(), &T::Position, &T::SetPosition);
  c.Ordinal("ShadowDepth", TypeInfo_TShadowDepth(), &T::ShadowDepth, &T::SetShadowDepth);
  c.Ordinal("ShadowStyle", TypeInfo_TBalloonShadowStyle(), &T::ShadowStyle, &T::SetShadowStyle).Default(ssShaded);
  c.Ordinal("Shape", TypeInfo_TBalloonShape(), &T::Shape, &T::SetShape);
  c.Ordinal("Style", TypeInfo_THintStyle(), &T::Style, &T::SetStyle).Default(hsDefault);
}

TBalloonBase::TBalloonBase(TComponent* AOwner) : TComponent(AOwner)
{
  FSettings.Font = new TFont;
  FSettings.Color = Application ? Application->HintColor() : clInfoBk;
  SetMaxWidth(-4);
}

TBalloonBase::~TBalloonBase() { delete FSettings.Font; }

void TBalloonBase::SetMaxWidth(int Value)
{
  const int screen = GetSystemMetrics(SM_CXSCREEN);
  FSettings.MaxWidth = std::min(Value, screen);
  FSettings.EffectiveMaxWidth = ::EffectiveMaxWidth(FSettings.MaxWidth, screen);
}

void TBalloonBase::SetShadowDepth(TShadowDepth Value) { FSettings.ShadowDepth = std::clamp(Value, 0, 16); }

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS(TBalloonHint)

void TBalloonHint::DeclareProperties(TClassBuilder<TBalloonHint>& c)
{
  c.Boolean("Active", &TBalloonHint::Active, &TBalloonHint::SetActive);
}

TBalloonHint::TBalloonHint(TComponent* AOwner) : TBalloonBase(AOwner)
{
  currentSettings = &FSettings;
  SetActive(true);
}

TBalloonHint::~TBalloonHint()
{
  // Cleared first, so the plain hint window made below cannot read these settings.
  currentSettings = nullptr;
  SetActive(false);
}

void TBalloonHint::SetActive(bool Value)
{
  FActive = Value;
  if (ComponentState().Contains(csDesigning) || !Application || Application->ComponentState().Contains(csDestroying))
    return;
  // Hints off and on again: the application makes its hint window anew from the class.
  const bool showing = Application->ShowHint();
  Application->SetShowHint(false);
  if (Value)
    Application->SetHintWindowClass([](TComponent* Owner) -> THintWindow* { return new TBalloonHintWindow(Owner); });
  else
    Application->SetHintWindowClass([](TComponent* Owner) { return new THintWindow(Owner); });
  Application->SetShowHint(showing);
}

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS_NOPROPS(TBalloonWindow)

TBalloonWindow::TBalloonWindow(TComponent* AOwner) : THintWindow(AOwner) {}

TBalloonWindow::~TBalloonWindow()
{
  if (HandleAllocated() && servedWindow == Handle()) RemoveDismissHook();
}

void TBalloonWindow::CreateParams(TCreateParams& Params)
{
  inherited::CreateParams(Params);
  Params.Style = WS_POPUP | WS_DISABLED;
}

void TBalloonWindow::WndProc(TMessage& Message)
{
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      // What lies under the window is the balloon's background.
      Message.Result = 1;
      return;
    case WM_SHOWWINDOW:
      inherited::WndProc(Message);
      if (!Message.WParam) RemoveDismissHook();
      return;
    case CM_TEXTCHANGED:
      inherited::WndProc(Message);
      UpdateSize();
      return;
    default: inherited::WndProc(Message);
  }
}

void TBalloonWindow::UpdateSize()
{
  if (!FSettings) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  const int depth = FSettings->ShadowDepth;
  RECT r{0, 0, BalloonTextLimit(FSettings->EffectiveMaxWidth, GetSystemMetrics(SM_CXSCREEN), cursor.x, depth), 0};
  const qv::MemoryDC dc(CreateCompatibleDC(nullptr));
  if (!dc) throw EOutOfResources("Out of system resources");
  {
    const TCanvasDC attached(Canvas(), dc.get());
    Canvas().DrawText(Caption().substr(0, 255), r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  }
  const TBalloonSize size = BalloonSize(r.right, r.bottom, depth);
  SetBounds(Left(), Top(), size.Width, size.Height);
}

void TBalloonWindow::CaptureBackground(int X, int Y, int Width, int Height)
{
  // A newly shown window does not start with the screen's pixels everywhere
  // (Wine's start black), so the background is taken before the window shows.
  const qv::WindowDC screen(nullptr);
  FBackground.reset(CreateCompatibleBitmap(screen.get(), Width, Height));
  if (!FBackground) return;
  const qv::MemoryDC dc(CreateCompatibleDC(screen.get()));
  if (!dc) {
    FBackground.reset();
    return;
  }
  const qv::SelectionGuard selected(dc.get(), FBackground.get());
  BitBlt(dc.get(), 0, 0, Width, Height, screen.get(), X, Y, SRCCOPY);
}

void TBalloonWindow::Paint()
{
  if (!FSettings) {
    inherited::Paint();
    return;
  }
  const HDC window = Canvas().Handle();
  RECT client;
  GetClientRect(Handle(), &client);
  const int w = client.right, h = client.bottom;
  const TBalloonShapeGeometry geometry = BalloonGeometry(FPosition, {w, h}, FSettings->ShadowDepth);
  TOffscreen picture(window, w, h);
  if (FBackground) {
    const qv::MemoryDC saved(CreateCompatibleDC(window));
    if (!saved) throw EOutOfResources("Cannot create the balloon's bitmaps");
    const qv::SelectionGuard selected(saved.get(), FBackground.get());
    BitBlt(picture.DC.get(), 0, 0, w, h, saved.get(), 0, 0, SRCCOPY);
  } else {
    // The window never erases itself, so on Windows this is what lies under it.
    BitBlt(picture.DC.get(), 0, 0, w, h, window, 0, 0, SRCCOPY);
  }
  if (FSettings->ShadowDepth > 0) {
    if (FSettings->ShadowStyle == ssSolid)
      DrawShape(picture.DC.get(), geometry, FSettings->Shape, FSettings->ShadowDepth, clBlack, clBlack);
    else
      ShadeBackground(picture.DC.get(), geometry, *FSettings, w, h);
  }
  DrawShape(picture.DC.get(), geometry, FSettings->Shape, 0, FFillColor, FBorderColor);
  RECT text{geometry.Text.Left, geometry.Text.Top, geometry.Text.Right, geometry.Text.Bottom};
  {
    // Back on the window's DC at the end of the scope, before the picture's DC goes.
    const TCanvasDC onPicture(Canvas(), picture.DC.get());
    Canvas().SetBrushStyle(bsClear);
    Canvas().DrawText(Caption().substr(0, 255), text, DT_WORDBREAK | DT_NOPREFIX);
  }
  BitBlt(window, 0, 0, w, h, picture.DC.get(), 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS_NOPROPS(TBalloonHintWindow)

TBalloonHintWindow::TBalloonHintWindow(TComponent* AOwner) : TBalloonWindow(AOwner)
{
  FSettings = CurrentBalloonSettings();
}

void TBalloonHintWindow::ActivateHint(RECT Rect, const std::string& Hint)
{
  if (!FSettings) {
    inherited::ActivateHint(Rect, Hint);
    return;
  }
  if (FSettings->Behavior.Contains(bbNoShowMouseDown) && AnyMouseButtonDown()) {
    Application->CancelHint();
    return;
  }
  SetCaption(Hint);
  ApplyStyle();
  UpdateSize();
  PlaceAndShow();
  ApplyRegionOrHook();
  Invalidate();
}

void TBalloonHintWindow::ApplyStyle()
{
  TFont& font = Canvas().Font();
  switch (FSettings->Style) {
    case hsDefault:
      font.Assign(const_cast<TFont*>(&DefaultHintFont()));
      FFillColor = Application->HintColor();
      FBorderColor = clWindowFrame;
      break;
    case hsCustom:
      font.Assign(FSettings->Font);
      FFillColor = FSettings->Color;
      FBorderColor = FSettings->BorderColor;
      break;
    case hsSystem: {
      qv::FontHandle status;
      COLORREF background = 0, text = 0;
      ReadStatusFont(status, font.PixelsPerInch(), background, text);
      // The colour first: a later change of the font would drop the handle.
      font.SetColor(static_cast<TColor>(text));
      if (status) Canvas().SetFontHandle(status.release());
      FFillColor = static_cast<TColor>(background);
      FBorderColor = clWindowFrame;
      break;
    }
  }
}

void TBalloonHintWindow::PlaceAndShow()
{
  POINT p{};
  GetCursorPos(&p);
  const TBalloonPoint cursor{p.x, p.y};
  const TBalloonSize size{Width(), Height()};
  FPosition =
      FitBalloon(FSettings->Position, cursor, size, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  const TBalloonPoint at = PlaceBalloon(FPosition, cursor, size);
  StoreBounds(at.X, at.Y, size.Width, size.Height);
  if (!IsWindowVisible(Handle())) CaptureBackground(at.X, at.Y, size.Width, size.Height);
  SetWindowPos(Handle(), HWND_TOPMOST, at.X, at.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  StoreVisible(true);
}

void TBalloonHintWindow::ApplyRegionOrHook()
{
  if (FSettings->Behavior.Contains(bbUseRegions)) {
    const int depth = FSettings->ShadowDepth;
    const TBalloonShapeGeometry geometry = BalloonGeometry(FPosition, {Width(), Height()}, depth);
    qv::RegionHandle region(CreateBalloonRegion(geometry, FSettings->Shape, 0));
    if (depth > 0) {
      const qv::RegionHandle shadow(CreateBalloonRegion(geometry, FSettings->Shape, depth));
      CombineRgn(region.get(), shadow.get(), region.get(), RGN_OR);
    }
    // The window owns the region from here on.
    if (SetWindowRgn(Handle(), region.get(), TRUE)) region.release();
  } else {
    InstallDismissHook(Handle());
    SetWindowRgn(Handle(), nullptr, TRUE);
  }
}
