#include "ui/common/Gradient.h"

#include "ui/common/Errors.h"

QV_IMPLEMENT_CLASS_NOPROPS(TGradient)

namespace {
TRGBTriple ToTriple(TColor Color)
{
  COLORREF c = ColorToRGB(Color);
  return TRGBTriple{GetRValue(c), GetGValue(c), GetBValue(c)};
}
}  // namespace

TGradient::~TGradient() { FreeColors(); }

void TGradient::SetStartColor(TColor Value)
{
  if (Value == FStartColor) return;
  FStartColor = Value;
  Invalidate();
}

void TGradient::SetEndColor(TColor Value)
{
  if (Value == FEndColor) return;
  FEndColor = Value;
  Invalidate();
}

TColor TGradient::GetColor(uint8_t Index)
{
  if (!FColors) Build();
  if (Index >= FNumColors || !FColors) throw EInvalidIndex("Index out of range");
  const uint8_t* rgb = &FColors[static_cast<size_t>(Index) * 3];
  return static_cast<TColor>(RGB(rgb[0], rgb[1], rgb[2]));
}

void TGradient::Build()
{
  FreeColors();
  if (FNumColors == 0) return;
  FColors = std::make_unique<uint8_t[]>(static_cast<size_t>(FNumColors) * 3);
  FAllocated = FNumColors;
  Compute();
}

void TGradient::Compute()
{
  if (!FColors) return;
  const std::vector<TRGBTriple> table = ComputeGradientTable(ToTriple(FEndColor), ToTriple(FStartColor), FAllocated);
  for (size_t i = 0; i < table.size(); ++i) {
    FColors[i * 3] = table[i].R;
    FColors[i * 3 + 1] = table[i].G;
    FColors[i * 3 + 2] = table[i].B;
  }
}

void TGradient::FreeColors() { FColors.reset(); }

void TGradient::DrawHorz(TCanvas& Canvas, const RECT& R)
{
  if (!FColors) Build();
  const std::vector<TGradientBand> bands = GradientBands(R.left, R.right, FNumColors);
  for (size_t i = 0; i < bands.size(); ++i) {
    Canvas.SetBrushColor(GetColor(static_cast<uint8_t>(i)));
    Canvas.FillRect(RECT{bands[i].Start, R.top, bands[i].Start + bands[i].Size, R.bottom});
  }
}

void TGradient::DrawVert(TCanvas& Canvas, const RECT& R)
{
  if (!FColors) Build();
  const std::vector<TGradientBand> bands = GradientBands(R.top, R.bottom, FNumColors);
  for (size_t i = 0; i < bands.size(); ++i) {
    Canvas.SetBrushColor(GetColor(static_cast<uint8_t>(i)));
    Canvas.FillRect(RECT{R.left, bands[i].Start, R.right, bands[i].Start + bands[i].Size});
  }
}
