#include "ui/common/GradientMath.h"

#include <cstddef>

uint8_t GradientChannel(int End, int Start, int Count, int Index)
{
  const double delta = static_cast<double>(End - Start) / Count * Index;
  // The cast truncates toward zero, for ramps running downward too.
  return static_cast<uint8_t>(End - static_cast<int>(delta));
}

std::vector<TRGBTriple> ComputeGradientTable(TRGBTriple End, TRGBTriple Start, int Count)
{
  std::vector<TRGBTriple> table;
  if (Count <= 0) return table;
  table.reserve(static_cast<size_t>(Count));
  for (int i = 0; i < Count; ++i) {
    table.push_back(TRGBTriple{GradientChannel(End.R, Start.R, Count, i), GradientChannel(End.G, Start.G, Count, i),
                               GradientChannel(End.B, Start.B, Count, i)});
  }
  return table;
}

std::vector<TGradientBand> GradientBands(int From, int To, int Count)
{
  std::vector<TGradientBand> bands;
  if (Count <= 0) return bands;
  const float step = static_cast<float>(To - From) / static_cast<float>(Count);
  const int size = static_cast<int>(step + 1.0f);
  bands.reserve(static_cast<size_t>(Count));
  for (int i = 0; i < Count; ++i)
    bands.push_back(TGradientBand{From + static_cast<int>(static_cast<double>(i) * step), size});
  return bands;
}
