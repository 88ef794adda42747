#include "ui/hints/HB32.h"

#include <cstring>
#include <vector>

const TTypeInfo* TypeInfo_THintStyle()
{
  static const TTypeInfo* t = NewEnumType("THintStyle", {"hsDefault", "hsCustom", "hsSystem"});
  return t;
}

const TFont& DefaultHintFont()
{
  static const TFont* font = [] {
    static TFont f;
    f.SetName("MS Sans Serif");
    f.SetSize(8);
    return &f;
  }();
  return *font;
}

namespace {

// The record Windows 95 kept: five 16-bit integers, eight bytes, the face name.
constexpr DWORD Record16Size = 50;

int16_t Int16At(const BYTE* Data, int Index)
{
  int16_t v;
  std::memcpy(&v, Data + 2 * Index, sizeof v);
  return v;
}

void Decode16(const BYTE* Data, LOGFONTA& Font)
{
  Font.lfHeight = Int16At(Data, 0);
  Font.lfWidth = Int16At(Data, 1);
  Font.lfEscapement = Int16At(Data, 2);
  Font.lfOrientation = Int16At(Data, 3);
  Font.lfWeight = Int16At(Data, 4);
  const BYTE* b = Data + 10;
  Font.lfItalic = b[0], Font.lfUnderline = b[1], Font.lfStrikeOut = b[2], Font.lfCharSet = b[3];
  Font.lfOutPrecision = b[4], Font.lfClipPrecision = b[5], Font.lfQuality = b[6], Font.lfPitchAndFamily = b[7];
  std::memcpy(Font.lfFaceName, Data + 18, Record16Size - 18);
  Font.lfFaceName[LF_FACESIZE - 1] = '\0';
}

// Today's systems (Wine too) keep a wide LOGFONT; read as a narrow one its face
// name would be a single letter.
void DecodeWide(const BYTE* Data, LOGFONTA& Font)
{
  LOGFONTW wide;
  std::memcpy(&wide, Data, sizeof wide);
  std::memcpy(&Font, &wide, offsetof(LOGFONTA, lfFaceName));
  wide.lfFaceName[LF_FACESIZE - 1] = L'\0';
  WideCharToMultiByte(CP_ACP, 0, wide.lfFaceName, -1, Font.lfFaceName, LF_FACESIZE, nullptr, nullptr);
}

}  // namespace

bool DecodeStatusFont(const BYTE* Data, DWORD Size, LOGFONTA& Font)
{
  Font = LOGFONTA{};
  if (Size == Record16Size)
    Decode16(Data, Font);
  else if (Size == sizeof(LOGFONTW))
    DecodeWide(Data, Font);
  else if (Size > 0)
    std::memcpy(&Font, Data, Size < sizeof Font ? Size : sizeof Font);
  else
    return false;
  Font.lfFaceName[LF_FACESIZE - 1] = '\0';
  return true;
}

void ReadStatusFont(qv::FontHandle& Font, int PixelsPerInch, COLORREF& Background, COLORREF& Text)
{
  HKEY opened = nullptr;
  if (RegOpenKeyA(HKEY_CURRENT_USER, "Control Panel\\Desktop\\WindowMetrics", &opened) == ERROR_SUCCESS) {
    const qv::RegKey key(opened);
    BYTE probe = 0;
    DWORD size = 1;
    const LONG first = RegQueryValueExA(key.get(), "StatusFont", nullptr, nullptr, &probe, &size);
    std::vector<BYTE> data(size ? size : 1);
    LOGFONTA lf{};
    if ((first == ERROR_SUCCESS || first == ERROR_MORE_DATA) &&
        RegQueryValueExA(key.get(), "StatusFont", nullptr, nullptr, data.data(), &size) == ERROR_SUCCESS &&
        DecodeStatusFont(data.data(), size, lf)) {
      lf.lfHeight = -lf.lfHeight * PixelsPerInch / 72;
      if (HFONT made = CreateFontIndirectA(&lf)) Font.reset(made);
    }
  }
  Text = GetSysColor(COLOR_INFOTEXT);
  Background = GetSysColor(COLOR_INFOBK);
}
