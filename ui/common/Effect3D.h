#pragma once
// T3DEffect: how text (menu items, caption bars) and borders are given depth.
// Effect3DDraws lists the passes of a text in effect E: each pass draws the
// text moved by Offset on both axes (R + n moves all four edges by n) in a
// colour, the text colour K last where it appears at all.
#include <vector>

#include "framework/objects/StdIdents.h"
#include "framework/objects/TypInfo.h"

enum T3DEffect { ox3Normal, ox3Flat, ox3Raised, ox3Inset, ox3Ridged, ox3Grooved, ox3Shadow, ox3None, ox3Disabled };
const TTypeInfo* TypeInfo_T3DEffect();

struct TEffectPass {
  int Offset = 0;
  TColor Color = 0;
  bool operator==(const TEffectPass&) const = default;
};

// K, Highlight and Shadow as RGB; a raised or inset echo in the highlight
// colour would vanish on text of that colour, so it moves to the shadow side.
std::vector<TEffectPass> Effect3DDraws(T3DEffect E, TColor K, TColor Highlight, TColor Shadow);
