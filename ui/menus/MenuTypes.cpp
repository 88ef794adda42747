#include "ui/menus/MenuTypes.h"

const TTypeInfo* TypeInfo_ToxmStyle()
{
  static const TTypeInfo* t = NewEnumType("ToxmStyle", {"oxmNormal", "oxmWin95", "oxmWin97"});
  return t;
}

const TTypeInfo* TypeInfo_ToxmOptions()
{
  static const TTypeInfo* t = NewSetType(
      "ToxmOptions", NewEnumType("ToxmOption", {"oxmCustomFont", "oxmBanner", "oxmBackground", "oxmMultiLine"}));
  return t;
}

const TTypeInfo* TypeInfo_ToxmSelectionStyle()
{
  static const TTypeInfo* t =
      NewEnumType("ToxmSelectionStyle", {"oxmNormSel", "oxmNoSel", "oxmRaisedSel", "oxmInsetSel"});
  return t;
}

const TTypeInfo* TypeInfo_ToxmBackStyle()
{
  static const TTypeInfo* t = NewEnumType("ToxmBackStyle", {"oxmSolid", "oxmPictureClip", "oxmPictureStretch",
                                                            "oxmPicturePattern", "oxmHorzGradient", "oxmVertGradient"});
  return t;
}
