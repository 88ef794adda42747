#pragma once
// Standard identifiers of integer-valued properties: colour names (RGB
// colours and system colours $80000000 + n), cursor names and font
// character-set names. The object stream and the text encodings of property
// values write a value as its identifier when it has one.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using TColor = int32_t;
using TCursor = int16_t;
using TFontCharset = uint8_t;

constexpr TColor SysColor(int n) { return static_cast<TColor>(0x80000000u + static_cast<uint32_t>(n)); }

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080, clNavy = 0x800000,
                 clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080, clSilver = 0xC0C0C0, clRed = 0x0000FF,
                 clLime = 0x00FF00, clYellow = 0x00FFFF, clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00,
                 clWhite = 0xFFFFFF, clLtGray = clSilver, clDkGray = clGray, clNone = 0x1FFFFFFF,
                 clDefault = 0x20000000;

constexpr TColor clScrollBar = SysColor(0), clBackground = SysColor(1), clActiveCaption = SysColor(2),
                 clInactiveCaption = SysColor(3), clMenu = SysColor(4), clWindow = SysColor(5),
                 clWindowFrame = SysColor(6), clMenuText = SysColor(7), clWindowText = SysColor(8),
                 clCaptionText = SysColor(9), clActiveBorder = SysColor(10), clInactiveBorder = SysColor(11),
                 clAppWorkSpace = SysColor(12), clHighlight = SysColor(13), clHighlightText = SysColor(14),
                 clBtnFace = SysColor(15), clBtnShadow = SysColor(16), clGrayText = SysColor(17),
                 clBtnText = SysColor(18), clInactiveCaptionText = SysColor(19), clBtnHighlight = SysColor(20),
                 cl3DDkShadow = SysColor(21), cl3DLight = SysColor(22), clInfoText = SysColor(23),
                 clInfoBk = SysColor(24);

constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSize = -5, crSizeNESW = -6,
                  crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11, crDrag = -12,
                  crNoDrop = -13, crHSplit = -14, crVSplit = -15, crMultiDrag = -16, crSQLWait = -17, crNo = -18,
                  crAppStart = -19, crHelp = -20, crHandPoint = -21, crSizeAll = -22;

// Character sets by value; their identifiers ("DEFAULT_CHARSET", ...) are in
// the table behind CharsetToIdent. (The Windows header defines the
// identifiers themselves as macros, so the C++ names differ.)
constexpr TFontCharset csAnsiCharset = 0, csDefaultCharset = 1, csSymbolCharset = 2, csOemCharset = 255;

struct TIdentMapEntry {
  int32_t Value;
  const char* Name;
};

// Value to identifier: the first identifier of that value. Identifier to
// value: letter case ignored. Both return false when there is none.
bool ColorToIdent(int32_t Color, std::string& Ident);
bool IdentToColor(std::string_view Ident, int32_t& Color);
bool CursorToIdent(int32_t Cursor, std::string& Ident);
bool IdentToCursor(std::string_view Ident, int32_t& Cursor);
bool CharsetToIdent(int32_t Charset, std::string& Ident);
bool IdentToCharset(std::string_view Ident, int32_t& Charset);

// Identifier when there is one, else the decimal value.
std::string ColorToString(TColor Color);
// Identifier, decimal or "$" hexadecimal; EConvertError for anything else.
TColor StringToColor(std::string_view S);
std::string CursorToString(TCursor Cursor);
TCursor StringToCursor(std::string_view S);

// The colour identifiers in table order (the standard colours a colour
// editor offers).
std::vector<std::string> GetColorValues();
std::vector<std::string> GetCursorValues();
std::vector<std::string> GetCharsetValues();
