#pragma once
// Where a balloon takes its font and colours from, the default hint font and
// the system's status-bar font.
#include <windows.h>

#include "framework/graphics/Font.h"
#include "framework/win32/Handles.h"

enum THintStyle { hsDefault, hsCustom, hsSystem };
const TTypeInfo* TypeInfo_THintStyle();

// "MS Sans Serif" at 8 points, made once for the whole run.
const TFont& DefaultHintFont();

// The status-bar font of the user's window metrics, scaled to PixelsPerInch,
// and the system's hint colours. Font is left untouched when the metrics or
// their "StatusFont" value cannot be read; the colours are always set.
void ReadStatusFont(qv::FontHandle& Font, int PixelsPerInch, COLORREF& Background, COLORREF& Text);

// The font record of a "StatusFont" value: the 50-byte 16-bit record, a wide
// LOGFONT, or a LOGFONT (at most its size). False when Size bytes are none of these.
bool DecodeStatusFont(const BYTE* Data, DWORD Size, LOGFONTA& Font);
