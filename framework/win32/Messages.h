#pragma once
// Window messages as the framework hands them around: TMessage, the
// framework's own message numbers, and the shift state of key and mouse
// messages.
#include <windows.h>

#include "framework/objects/TypInfo.h"

// Framework messages. CM_HITTEST asks a graphic control whether a point
// (lParam, its own coordinates) is its own; CM_TEXTCHANGED follows every
// change of a control's caption.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_HITTEST = CM_BASE + 0x0A;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 0x12;
constexpr UINT CM_RELEASE = CM_BASE + 0x21;
constexpr UINT CN_BASE = 0xBC00;  // reflected WM_COMMAND / WM_DRAWITEM / ...

struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

// The shift state of a mouse message's key flags, with the Alt key's state now.
TShiftState KeysToShiftState(WPARAM Keys);
