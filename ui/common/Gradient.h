#pragma once
// TGradient: a ramp of NumColors colours from EndColor (the first band)
// toward StartColor, drawn as solid bands across a rectangle. The table is
// built on first use and dropped by every change of colour; system colours
// are resolved when it is built.
#include "framework/graphics/Graphics.h"
#include "ui/common/GradientMath.h"

#include <memory>

class TGradient : public TPersistent {
  QV_CLASS(TGradient, TPersistent)
public:
  TGradient() = default;
  ~TGradient() override;

  TColor StartColor() const { return FStartColor; }
  void SetStartColor(TColor Value);
  TColor EndColor() const { return FEndColor; }
  void SetEndColor(TColor Value);
  uint8_t NumColors() const { return FNumColors; }
  // Entries of the current table; 0 when there is none.
  uint8_t Allocated() const { return FColors ? FAllocated : 0; }
  bool HasTable() const { return static_cast<bool>(FColors); }

  // The RGB colour of entry Index (building the table when there is none);
  // EInvalidIndex "Index out of range" from NumColors on.
  TColor GetColor(uint8_t Index);

  virtual void Build();
  virtual void Compute();
  virtual void FreeColors();
  // Bands left to right (the left edge in EndColor), top to bottom.
  virtual void DrawHorz(TCanvas& Canvas, const RECT& R);
  virtual void DrawVert(TCanvas& Canvas, const RECT& R);
  void Rebuild() { Build(); }
  void Invalidate() { FreeColors(); }

private:
  TColor FStartColor = 0;
  TColor FEndColor = 0xFFFFFF;
  uint8_t FNumColors = 128;
  std::unique_ptr<uint8_t[]> FColors;
  uint8_t FAllocated = 0;
};
