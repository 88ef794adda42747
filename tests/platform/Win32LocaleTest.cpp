// Path comparison, path keys and the regional date-time text through the Win32
// seam.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/Win32FileSystem.h"
#include "tests/support/Win32TempTree.h"

namespace {

// Changes one of the user's regional settings for the length of a test.
class TRegionalSetting {
public:
  TRegionalSetting(LCTYPE Type, const char* Value) : FType(Type)
  {
    char old[128] = "";
    FHadOld = GetLocaleInfoA(LOCALE_USER_DEFAULT, Type, old, sizeof old) > 0;
    FOld = old;
    FSet = SetLocaleInfoA(LOCALE_USER_DEFAULT, Type, Value) != FALSE;
  }
  ~TRegionalSetting()
  {
    if (FSet && FHadOld) SetLocaleInfoA(LOCALE_USER_DEFAULT, FType, FOld.c_str());
  }
  TRegionalSetting(const TRegionalSetting&) = delete;
  TRegionalSetting& operator=(const TRegionalSetting&) = delete;
  bool Set() const { return FSet && FHadOld; }

private:
  LCTYPE FType;
  std::string FOld;
  bool FHadOld = false;
  bool FSet = false;
};

}  // namespace

// Letter case is ignored for ASCII and Latin-1 letters; accents, hyphens,
// apostrophes, digits and a trailing separator count.
TEST(Win32PathCompare, LetterCaseIsIgnoredAndEverythingElseCounts)
{
  TWin32FileSystem fs;
  const struct {
    const char *A, *B;
    bool Same;
  } cases[] = {{"D:\\Data\\Sub", "d:\\DATA\\sub", true},
               {"D:\\\xc9t\xe9", "d:\\\xe9T\xc9", true},                            // Été, éTÉ
               {"D:\\Stra\xdf\x65\\\xc4rger", "D:\\STRA\xdf\x45\\\xe4rger", true},  // Straße\Ärger
               {"\x8a\xd8", "\x9a\xf8", true},                                      // ŠØ, šø
               {"", "", true},
               {"D:\\Data\\e", "D:\\Data\\\xe9", false},  // e, é
               {"D:\\co-op", "D:\\coop", false},
               {"D:\\it's", "D:\\its", false},
               {"D:\\a-b", "D:\\a'b", false},
               {"D:\\Data1", "D:\\Data2", false},
               {"D:\\10", "D:\\010", false},
               {"D:\\Data\\Sub", "D:\\Data\\Sub\\", false},
               {"D:\\Data", "D:\\Dat", false},
               {"", "a", false}};
  for (const auto& c : cases) EXPECT_EQ(fs.SamePath(c.A, c.B), c.Same) << "'" << c.A << "' vs '" << c.B << "'";
}

// The directory list is indexed by key while exclusions are compared one by
// one; both must agree on every pair, or a directory would be listed twice
// or excluded by one and not the other.
TEST(Win32PathCompare, KeysAreEqualExactlyWhenPathsAreTheSame)
{
  TWin32FileSystem fs;
  // "Stra\xdf\x65" is Straße: a hex escape would swallow a plain e.
  std::vector<std::string> paths = {
      "",          "a",       "A",    "ab",   "AB",    "aB",    "\xc9t\xe9", "\xe9t\xe9",
      "\xc9T\xc9", "ete",     "ETE",  "e",    "\xe9",  "\xc9",  "co-op",     "CO-OP",
      "coop",      "co'op",   "it's", "its",  "IT'S",  "a-b",   "a'b",       "ab-",
      "10",        "010",     "9",    "1",    "Data1", "DATA1", "data2",     "Stra\xdf\x65",
      "STRASSE",   "strasse", "\xe6", "ae",   "\xc6",  "\x8a",  "\x9a",      "\xff",
      "Y",         "y",       "a b",  "a  b", "a.b",   "a_b",   "a~1"};
  paths.insert(paths.end(), {"D:\\Data\\Sub", "d:\\data\\sub", "D:\\Data\\Sub\\", "D:/Data/Sub"});
  for (const std::string& a : paths)
    for (const std::string& b : paths)
      EXPECT_EQ(fs.SamePath(a, b), fs.PathKey(a) == fs.PathKey(b)) << "'" << a << "' vs '" << b << "'";
}

TEST(Win32DateText, ShortDateSpaceLongTimeInTheUsersFormatsButNoTimeAtMidnight)
{
  TWin32FileSystem fs;
  // An invalid DOS date gives no text.
  EXPECT_EQ(fs.DateTimeText(0), "");
  EXPECT_EQ(fs.DateTimeText(DosDateTime(1998, 13, 5, 14, 3, 22)), "");
  // The text follows the user's regional settings, changed for the test.
  TRegionalSetting date(LOCALE_SSHORTDATE, "dd.MM.yyyy");
  TRegionalSetting time(LOCALE_STIMEFORMAT, "HH:mm:ss");
  if (!date.Set() || !time.Set()) GTEST_SKIP() << "the regional settings cannot be changed here";
  EXPECT_EQ(fs.DateTimeText(DosDateTime(1998, 12, 5, 14, 3, 22)), "05.12.1998 14:03:22");
  EXPECT_EQ(fs.DateTimeText(DosDateTime(2001, 2, 3, 0, 0, 2)), "03.02.2001 00:00:02");
  EXPECT_EQ(fs.DateTimeText(DosDateTime(1998, 12, 5, 0, 0, 0)), "05.12.1998");
}
