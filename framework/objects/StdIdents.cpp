#include "framework/objects/StdIdents.h"

#include <iterator>

#include "framework/objects/Exceptions.h"
#include "framework/objects/SysUtils.h"

namespace {

// Order matters: a value maps to its first identifier (clGray before clDkGray).
const TIdentMapEntry Colors[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
    {clLtGray, "clLtGray"},
    {clDkGray, "clDkGray"},
};

const TIdentMapEntry Cursors[] = {
    {crDefault, "crDefault"},
    {crArrow, "crArrow"},
    {crCross, "crCross"},
    {crIBeam, "crIBeam"},
    {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},
    {crSizeNWSE, "crSizeNWSE"},
    {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"},
    {crHourGlass, "crHourGlass"},
    {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"},
    {crHSplit, "crHSplit"},
    {crVSplit, "crVSplit"},
    {crMultiDrag, "crMultiDrag"},
    {crSQLWait, "crSQLWait"},
    {crNo, "crNo"},
    {crAppStart, "crAppStart"},
    {crHelp, "crHelp"},
    {crHandPoint, "crHandPoint"},
    {crSizeAll, "crSizeAll"},
    {crNone, "crNone"},
    {crSize, "crSize"},
};

const TIdentMapEntry Charsets[] = {
    {0, "ANSI_CHARSET"},          {1, "DEFAULT_CHARSET"},      {2, "SYMBOL_CHARSET"},    {77, "MAC_CHARSET"},
    {128, "SHIFTJIS_CHARSET"},    {129, "HANGEUL_CHARSET"},    {130, "JOHAB_CHARSET"},   {134, "GB2312_CHARSET"},
    {136, "CHINESEBIG5_CHARSET"}, {161, "GREEK_CHARSET"},      {162, "TURKISH_CHARSET"}, {163, "VIETNAMESE_CHARSET"},
    {177, "HEBREW_CHARSET"},      {178, "ARABIC_CHARSET"},     {186, "BALTIC_CHARSET"},  {204, "RUSSIAN_CHARSET"},
    {222, "THAI_CHARSET"},        {238, "EASTEUROPE_CHARSET"}, {255, "OEM_CHARSET"},
};

template <size_t N> bool ToIdent(const TIdentMapEntry (&Map)[N], int32_t Value, std::string& Ident)
{
  for (const TIdentMapEntry& e : Map)
    if (e.Value == Value) {
      Ident = e.Name;
      return true;
    }
  return false;
}

template <size_t N> bool FromIdent(const TIdentMapEntry (&Map)[N], std::string_view Ident, int32_t& Value)
{
  for (const TIdentMapEntry& e : Map)
    if (SameText(e.Name, Ident)) {
      Value = e.Value;
      return true;
    }
  return false;
}

template <size_t N> std::vector<std::string> Names(const TIdentMapEntry (&Map)[N])
{
  std::vector<std::string> r;
  // Aliases are left out: only the identifiers that ToIdent gives back.
  for (const TIdentMapEntry& e : Map) {
    std::string first;
    if (ToIdent(Map, e.Value, first) && first == e.Name) r.emplace_back(e.Name);
  }
  return r;
}

}  // namespace

bool ColorToIdent(int32_t Color, std::string& Ident) { return ToIdent(Colors, Color, Ident); }
bool IdentToColor(std::string_view Ident, int32_t& Color) { return FromIdent(Colors, Ident, Color); }
bool CursorToIdent(int32_t Cursor, std::string& Ident) { return ToIdent(Cursors, Cursor, Ident); }
bool IdentToCursor(std::string_view Ident, int32_t& Cursor) { return FromIdent(Cursors, Ident, Cursor); }
bool CharsetToIdent(int32_t Charset, std::string& Ident) { return ToIdent(Charsets, Charset, Ident); }
bool IdentToCharset(std::string_view Ident, int32_t& Charset) { return FromIdent(Charsets, Ident, Charset); }

std::string ColorToString(TColor Color)
{
  std::string s;
  return ColorToIdent(Color, s) ? s : std::to_string(Color);
}

TColor StringToColor(std::string_view S)
{
  int32_t v;
  if (IdentToColor(S, v) || TryStrToInt(S, v)) return v;
  throw EConvertError("'" + std::string(S) + "' is not a valid integer value");
}

std::string CursorToString(TCursor Cursor)
{
  std::string s;
  return CursorToIdent(Cursor, s) ? s : std::to_string(Cursor);
}

TCursor StringToCursor(std::string_view S)
{
  int32_t v;
  if (IdentToCursor(S, v) || TryStrToInt(S, v)) return static_cast<TCursor>(v);
  throw EConvertError("'" + std::string(S) + "' is not a valid integer value");
}

std::vector<std::string> GetColorValues() { return Names(Colors); }
std::vector<std::string> GetCursorValues() { return Names(Cursors); }
std::vector<std::string> GetCharsetValues() { return Names(Charsets); }
