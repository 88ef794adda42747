#pragma once
// Balloon hints. While a TBalloonHint is active every hint of the program
// shows in a speech balloon: a rounded or square body with a pointer whose
// tip is at the cursor, a drop shadow and word-wrapped text. The component
// swaps the application's hint-window class for TBalloonHintWindow; the
// window reads the settings of the last TBalloonHint created.
#include <windows.h>

#include "framework/forms/Forms.h"
#include "ui/hints/BalloonGeometry.h"
#include "ui/hints/HB32.h"

enum TBalloonBehavior { bbNoShowMouseDown, bbUseRegions, bbHideOnPaint };
using TBalloonBehaviors = TSet<TBalloonBehavior>;
enum TBalloonShadowStyle { ssShaded, ssSolid };
enum TBalloonShape { bsRoundRect, bsRectangle };
using TShadowDepth = int;  // 0 (no shadow) to 16

const TTypeInfo* TypeInfo_TBalloonBehaviors();
const TTypeInfo* TypeInfo_TBalloonPosition();
const TTypeInfo* TypeInfo_TBalloonShadowStyle();
const TTypeInfo* TypeInfo_TBalloonShape();
const TTypeInfo* TypeInfo_TShadowDepth();

// What a balloon window reads when it shows a hint and when it paints.
struct TBalloonSettings {
  TColor BorderColor = clBlack;
  TColor Color = clInfoBk;
  TFont* Font = nullptr;
  int MaxWidth = -4;
  int EffectiveMaxWidth = 0;
  TBalloonBehaviors Behavior{bbNoShowMouseDown, bbUseRegions, bbHideOnPaint};
  TBalloonPosition Position = bpAboveRight;
  TShadowDepth ShadowDepth = 8;
  TBalloonShadowStyle ShadowStyle = ssShaded;
  TBalloonShape Shape = bsRoundRect;
  THintStyle Style = hsDefault;
};

class TBalloonBase : public TComponent {
  QV_CLASS(TBalloonBase, TComponent)
public:
  explicit TBalloonBase(TComponent* AOwner);
  ~TBalloonBase() override;

  TColor BorderColor() const { return FSettings.BorderColor; }
  void SetBorderColor(TColor Value) { FSettings.BorderColor = Value; }
  TColor Color() const { return FSettings.Color; }
  void SetColor(TColor Value) { FSettings.Color = Value; }
  TFont* Font() const { return FSettings.Font; }
  void SetFont(TFont* Value) { FSettings.Font->Assign(Value); }
  int MaxWidth() const { return FSettings.MaxWidth; }
  // At most the screen width; also recomputes the effective maximum.
  void SetMaxWidth(int Value);
  TBalloonBehaviors Behavior() const { return FSettings.Behavior; }
  void SetBehavior(TBalloonBehaviors Value) { FSettings.Behavior = Value; }
  TBalloonPosition Position() const { return FSettings.Position; }
  void SetPosition(TBalloonPosition Value) { FSettings.Position = Value; }
  TShadowDepth ShadowDepth() const { return FSettings.ShadowDepth; }
  void SetShadowDepth(TShadowDepth Value);
  TBalloonShadowStyle ShadowStyle() const { return FSettings.ShadowStyle; }
  void SetShadowStyle(TBalloonShadowStyle Value) { FSettings.ShadowStyle = Value; }
  TBalloonShape Shape() const { return FSettings.Shape; }
  void SetShape(TBalloonShape Value) { FSettings.Shape = Value; }
  THintStyle Style() const { return FSettings.Style; }
  void SetStyle(THintStyle Value) { FSettings.Style = Value; }

  const TBalloonSettings& Settings() const { return FSettings; }

protected:
  TBalloonSettings FSettings;
};

class TBalloonHint : public TBalloonBase {
  QV_CLASS(TBalloonHint, TBalloonBase)
public:
  explicit TBalloonHint(TComponent* AOwner);
  ~TBalloonHint() override;
  bool Active() const { return FActive; }
  // Switches the application's hint window to balloons (or back), keeping
  // whether hints are shown at all.
  void SetActive(bool Value);

private:
  bool FActive = false;
};

// The settings the balloon windows made from now on read, or null.
const TBalloonSettings* CurrentBalloonSettings();

class TBalloonWindow : public THintWindow {
  QV_CLASS(TBalloonWindow, THintWindow)
public:
  explicit TBalloonWindow(TComponent* AOwner);
  ~TBalloonWindow() override;
  void WndProc(TMessage& Message) override;
  // The position the balloon was last placed at (after the screen fit).
  TBalloonPosition CurrentPosition() const { return FPosition; }
  TColor FillColor() const { return FFillColor; }
  TColor FrameColor() const { return FBorderColor; }

protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  // Window size for the caption, with the cursor where it is now.
  void UpdateSize();
  // Keeps what the screen shows where the hidden window is about to appear.
  void CaptureBackground(int X, int Y, int Width, int Height);
  const TBalloonSettings* FSettings = nullptr;
  TBalloonPosition FPosition = bpAboveRight;
  TColor FFillColor = clInfoBk;
  TColor FBorderColor = clWindowFrame;
  qv::BitmapHandle FBackground;
};

class TBalloonHintWindow : public TBalloonWindow {
  QV_CLASS(TBalloonHintWindow, TBalloonWindow)
public:
  explicit TBalloonHintWindow(TComponent* AOwner);
  // Rect is not used: the balloon places itself against the cursor.
  void ActivateHint(RECT Rect, const std::string& Hint) override;

private:
  void ApplyStyle();
  void PlaceAndShow();
  void ApplyRegionOrHook();
};

// The balloon shape (body and pointer) moved by Offset, as a new region.
HRGN CreateBalloonRegion(const TBalloonShapeGeometry& Geometry, TBalloonShape Shape, int Offset);

// The hook that dismisses a balloon without region, or null when none is installed.
HHOOK BalloonDismissHook();
