#pragma once
// The settings types of the owner-drawn menus.
#include "framework/objects/TypInfo.h"
#include "ui/common/Effect3D.h"

// oxmNormal: items stay system-drawn; oxmWin95: check column, then image and
// text; oxmWin97: one framed glyph box holds the image or the check mark.
enum ToxmStyle { oxmNormal, oxmWin95, oxmWin97 };
enum ToxmOption { oxmCustomFont, oxmBanner, oxmBackground, oxmMultiLine };
using ToxmOptions = TSet<ToxmOption>;
enum ToxmSelectionStyle { oxmNormSel, oxmNoSel, oxmRaisedSel, oxmInsetSel };
enum ToxmBackStyle { oxmSolid, oxmPictureClip, oxmPictureStretch, oxmPicturePattern, oxmHorzGradient, oxmVertGradient };

const TTypeInfo* TypeInfo_ToxmStyle();
const TTypeInfo* TypeInfo_ToxmOptions();
const TTypeInfo* TypeInfo_ToxmSelectionStyle();
const TTypeInfo* TypeInfo_ToxmBackStyle();
