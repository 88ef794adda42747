#pragma once
// The settings of one owner-drawn menu: ToxMenuData with its banner strip
// (ToxBanner) and item background (ToxMenuBack). A change of a banner or
// background setting reports through OnChange to the owning menu.
#include "framework/graphics/ImageList.h"
#include "framework/menus/Menus.h"
#include "ui/common/Gradient.h"
#include "ui/menus/MenuTypes.h"

class ToxBanner : public TPersistent {
  QV_CLASS(ToxBanner, TPersistent)
public:
  ToxBanner();
  ~ToxBanner() override;
  void Assign(TPersistent* Source) override;
  // Fires OnChange.
  virtual void Changed();
  TNotifyEvent OnChange;

  TGradient* Gradient() const { return FGradient; }
  TFont* Font() const { return FFont; }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  ToxmBackStyle Style() const { return FStyle; }
  void SetStyle(ToxmBackStyle Value);
  TPicture* Picture() const { return FPicture; }
  void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  // The gradient's end colour (its first band).
  TColor GradientColor() const { return FGradient->EndColor(); }
  void SetGradientColor(TColor Value);
  T3DEffect Font3D() const { return FFont3D; }
  void SetFont3D(T3DEffect Value);
  uint16_t Width() const { return FWidth; }
  void SetWidth(uint16_t Value);
  bool Vertical() const { return FVertical; }
  void SetVertical(bool Value);

private:
  TGradient* FGradient;
  uint16_t FWidth = 17;
  bool FVertical = false;
  TFont* FFont;
  ToxmBackStyle FStyle = oxmSolid;
  TPicture* FPicture;
  TColor FColor = clGray;
  T3DEffect FFont3D = ox3Normal;
};

class ToxMenuBack : public TPersistent {
  QV_CLASS(ToxMenuBack, TPersistent)
public:
  ToxMenuBack();
  ~ToxMenuBack() override;
  void Assign(TPersistent* Source) override;
  virtual void Changed();
  TNotifyEvent OnChange;

  TGradient* Gradient() const { return FGradient; }
  ToxmBackStyle Style() const { return FStyle; }
  void SetStyle(ToxmBackStyle Value);
  TPicture* Picture() const { return FPicture; }
  void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
  TColor GradientColor() const { return FGradient->EndColor(); }
  void SetGradientColor(TColor Value);

private:
  TGradient* FGradient;
  ToxmBackStyle FStyle = oxmSolid;
  TPicture* FPicture;
};

class ToxMenuData : public TPersistent {
  QV_CLASS(ToxMenuData, TPersistent)
public:
  ToxMenuData();
  ~ToxMenuData() override;

  // Window for measuring and for item rectangles, and the item at hand;
  // both are set before each measure or draw.
  HWND WindowHandle = nullptr;
  TMenuItem* CurrentItem = nullptr;
  bool Changed() const { return FChanged; }
  // A change to True makes the banner and background caches repaint.
  void SetChanged(bool Value);

  std::string Caption;
  T3DEffect Font3D = ox3Normal;
  TFont* Font() const { return FFont; }
  ToxmStyle Style = oxmWin95;
  ToxmOptions Options{oxmMultiLine};
  TImageList* ImageList = nullptr;
  TColor Color = clMenu;
  ToxBanner* Banner() const { return FBanner; }
  ToxMenuBack* Background() const { return FBackground; }
  ToxmSelectionStyle SelectionStyle = oxmNormSel;

  bool Has(ToxmOption Option) const { return Options.Contains(Option); }
  // An image list is set and Tag indexes one of its images.
  bool HasImage(const TMenuItem* Item) const;

private:
  bool FChanged = false;
  TFont* FFont;
  ToxBanner* FBanner;
  ToxMenuBack* FBackground;
};
