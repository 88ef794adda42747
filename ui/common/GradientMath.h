#pragma once
// The arithmetic of a colour ramp drawn as bands, free of any drawing surface:
// the colour table and where each band goes.
#include <cstdint>
#include <vector>

struct TRGBTriple {
  uint8_t R = 0, G = 0, B = 0;
  bool operator==(const TRGBTriple&) const = default;
};

// Channel value of entry Index of a Count-entry ramp: End - Trunc((End - Start)
// / Count * Index). Entry 0 is End; the last entry stops one step short of Start.
uint8_t GradientChannel(int End, int Start, int Count, int Index);
std::vector<TRGBTriple> ComputeGradientTable(TRGBTriple End, TRGBTriple Start, int Count);

// Band I of a fill from From to To (one axis) covers [Start, Start + Size):
// step = (To - From) / Count as a 32-bit float, Size = Trunc(step + 1),
// Start = From + Trunc(I * step). Neighbouring bands may overlap by a pixel;
// the later one wins.
struct TGradientBand {
  int Start = 0;
  int Size = 0;
  bool operator==(const TGradientBand&) const = default;
};
std::vector<TGradientBand> GradientBands(int From, int To, int Count);
