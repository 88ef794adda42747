// The status-bar font of the window metrics in each of its stored forms.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "framework/win32/Handles.h"
#include "ui/hints/HB32.h"

namespace {

constexpr const char* MetricsKey = "Control Panel\\Desktop\\WindowMetrics";

class StatusFont : public ::testing::Test {
protected:
  HKEY Key = nullptr;
  std::vector<BYTE> Saved;
  DWORD SavedType = 0;
  bool HadValue = false;

  void SetUp() override
  {
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, MetricsKey, &Key), ERROR_SUCCESS);
    DWORD size = 0;
    HadValue = RegQueryValueExA(Key, "StatusFont", nullptr, &SavedType, nullptr, &size) == ERROR_SUCCESS;
    Saved.resize(size);
    if (HadValue) RegQueryValueExA(Key, "StatusFont", nullptr, &SavedType, Saved.data(), &size);
  }
  void TearDown() override
  {
    if (HadValue)
      RegSetValueExA(Key, "StatusFont", 0, SavedType, Saved.data(), static_cast<DWORD>(Saved.size()));
    else
      RegDeleteValueA(Key, "StatusFont");
    RegCloseKey(Key);
  }
  // The font ReadStatusFont makes at 96 pixels per inch from the stored Data
  // (none: what is there), read back (all zero: no font).
  LOGFONTA Read(const void* Data = nullptr, DWORD Size = 0)
  {
    if (Data) RegSetValueExA(Key, "StatusFont", 0, REG_BINARY, static_cast<const BYTE*>(Data), Size);
    qv::FontHandle font;
    COLORREF bk = 1, text = 1;
    ReadStatusFont(font, 96, bk, text);
    EXPECT_EQ(bk, GetSysColor(COLOR_INFOBK));
    EXPECT_EQ(text, GetSysColor(COLOR_INFOTEXT));
    LOGFONTA lf{};
    if (font) GetObjectA(font.get(), sizeof lf, &lf);
    return lf;
  }
};

TEST_F(StatusFont, SixteenBitRecordsAreWidenedWideAndNarrowLogFontsReadAndAMissingValueGivesNone)
{
  BYTE record[50] = {};
  const int16_t ints[5] = {-9, 0, 0, 0, 700};
  std::memcpy(record, ints, sizeof ints);
  record[10] = 1;  // italic
  record[13] = ANSI_CHARSET;
  std::strcpy(reinterpret_cast<char*>(record + 18), "Arial");
  LOGFONTA lf = Read(record, sizeof record);
  EXPECT_EQ(lf.lfHeight, 12);  // 9 points at 96 pixels per inch
  EXPECT_EQ(lf.lfWeight, 700);
  EXPECT_EQ(lf.lfItalic, 1);
  EXPECT_STREQ(lf.lfFaceName, "Arial");
  LOGFONTW wide{};
  wide.lfHeight = -11;
  wide.lfWeight = 400;
  wcscpy(wide.lfFaceName, L"Tahoma");
  lf = Read(&wide, sizeof wide);
  EXPECT_EQ(lf.lfHeight, 14);  // truncated: 11 * 96 / 72 = 14.67
  EXPECT_STREQ(lf.lfFaceName, "Tahoma");

  LOGFONTA narrow{};
  narrow.lfHeight = -8;
  std::strcpy(narrow.lfFaceName, "Courier New");
  lf = Read(&narrow, sizeof narrow);
  EXPECT_EQ(lf.lfHeight, 10);
  EXPECT_STREQ(lf.lfFaceName, "Courier New");

  // No value: no font, and the colours are set all the same.
  RegDeleteValueA(Key, "StatusFont");
  EXPECT_STREQ(Read().lfFaceName, "");
}

}  // namespace
