#include "persist/StdIdents.h"

#include <iterator>

#include "persist/PersistText.h"

namespace {

struct TIdent {
    int32_t Value;
    const char* Name;
};

constexpr int32_t SysColor(int32_t Index)
{
    return static_cast<int32_t>(0x80000000u | static_cast<uint32_t>(Index));
}

constexpr TIdent Colors[] = {
    {0x000000, "clBlack"}, {0x000080, "clMaroon"}, {0x008000, "clGreen"},
    {0x008080, "clOlive"}, {0x800000, "clNavy"}, {0x800080, "clPurple"},
    {0x808000, "clTeal"}, {0x808080, "clGray"}, {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"}, {0x00FF00, "clLime"}, {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"}, {0xFF00FF, "clFuchsia"}, {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},
    {SysColor(0), "clScrollBar"}, {SysColor(1), "clBackground"},
    {SysColor(2), "clActiveCaption"}, {SysColor(3), "clInactiveCaption"},
    {SysColor(4), "clMenu"}, {SysColor(5), "clWindow"}, {SysColor(6), "clWindowFrame"},
    {SysColor(7), "clMenuText"}, {SysColor(8), "clWindowText"}, {SysColor(9), "clCaptionText"},
    {SysColor(10), "clActiveBorder"}, {SysColor(11), "clInactiveBorder"},
    {SysColor(12), "clAppWorkSpace"}, {SysColor(13), "clHighlight"},
    {SysColor(14), "clHighlightText"}, {SysColor(15), "clBtnFace"},
    {SysColor(16), "clBtnShadow"}, {SysColor(17), "clGrayText"}, {SysColor(18), "clBtnText"},
    {SysColor(19), "clInactiveCaptionText"}, {SysColor(20), "clBtnHighlight"},
    {SysColor(21), "cl3DDkShadow"}, {SysColor(22), "cl3DLight"},
    {SysColor(23), "clInfoText"}, {SysColor(24), "clInfoBk"},
    {0x1FFFFFFF, "clNone"}, {0x20000000, "clDefault"},
};

constexpr TIdent Cursors[] = {
    {0, "crDefault"}, {-1, "crNone"}, {-2, "crArrow"}, {-3, "crCross"}, {-4, "crIBeam"},
    {-6, "crSizeNESW"}, {-7, "crSizeNS"}, {-8, "crSizeNWSE"}, {-9, "crSizeWE"},
    {-10, "crUpArrow"}, {-11, "crHourGlass"}, {-12, "crDrag"}, {-13, "crNoDrop"},
    {-14, "crHSplit"}, {-15, "crVSplit"}, {-16, "crMultiDrag"}, {-17, "crSQLWait"},
    {-18, "crNo"}, {-19, "crAppStart"}, {-20, "crHelp"}, {-21, "crHandPoint"},
    {-22, "crSizeAll"},
};

template <size_t N>
std::optional<std::string> NameOf(const TIdent (&Table)[N], int32_t Value)
{
    for (const TIdent& Ident : Table)
        if (Ident.Value == Value)
            return std::string(Ident.Name);
    return std::nullopt;
}

template <size_t N>
std::optional<int32_t> ValueOf(const TIdent (&Table)[N], std::string_view Name)
{
    for (const TIdent& Ident : Table)
        if (SameText(Ident.Name, Name))
            return Ident.Value;
    return std::nullopt;
}

} // namespace

std::optional<std::string> StdColorName(int32_t Color) { return NameOf(Colors, Color); }
std::optional<int32_t> StdColorValue(std::string_view Name) { return ValueOf(Colors, Name); }
std::optional<std::string> StdCursorName(int32_t Cursor) { return NameOf(Cursors, Cursor); }
std::optional<int32_t> StdCursorValue(std::string_view Name) { return ValueOf(Cursors, Name); }
