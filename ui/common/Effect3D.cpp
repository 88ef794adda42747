#include "ui/common/Effect3D.h"

const TTypeInfo* TypeInfo_T3DEffect()
{
  static const TTypeInfo* t = NewEnumType("T3DEffect", {"ox3Normal", "ox3Flat", "ox3Raised", "ox3Inset", "ox3Ridged",
                                                        "ox3Grooved", "ox3Shadow", "ox3None", "ox3Disabled"});
  return t;
}

std::vector<TEffectPass> Effect3DDraws(T3DEffect E, TColor K, TColor Highlight, TColor Shadow)
{
  switch (E) {
    case ox3Normal: return {{0, K}};
    case ox3Flat: return {{0, Shadow}};
    case ox3Raised:
      return Highlight == K ? std::vector<TEffectPass>{{1, Shadow}, {0, K}}
                            : std::vector<TEffectPass>{{-1, Highlight}, {0, K}};
    case ox3Inset:
      return Highlight == K ? std::vector<TEffectPass>{{-1, Shadow}, {0, K}}
                            : std::vector<TEffectPass>{{1, Highlight}, {0, K}};
    case ox3Ridged: return {{1, Shadow}, {-1, Highlight}, {0, K}};
    case ox3Grooved: return {{1, Highlight}, {-1, Shadow}, {0, K}};
    case ox3Shadow: return {{2, Shadow}, {0, K}};
    case ox3None: return {};
    case ox3Disabled: return {{1, Highlight}, {0, Shadow}};
  }
  return {};
}
