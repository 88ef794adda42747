#include "app/BrowsePaths.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

class FakeProbe : public IDirectoryProbe {
public:
  FakeProbe(uint32_t Drives, std::set<std::string> Dirs) : FDrives(Drives), FDirs(std::move(Dirs)) {}
  uint32_t LogicalDrives() const override { return FDrives; }
  bool FindsDirectory(const std::string& Name) const override
  {
    Asked.push_back(Name);
    return FDirs.count(Name) != 0;
  }
  mutable std::vector<std::string> Asked;

private:
  uint32_t FDrives;
  std::set<std::string> FDirs;
};

constexpr uint32_t DrivesCAndZ = (1u << 2) | (1u << 25);

}  // namespace

TEST(IsDriveRoot, ExactlyLetterColonBackslash)
{
  EXPECT_TRUE(IsDriveRoot("C:\\"));
  EXPECT_FALSE(IsDriveRoot("C:"));
  EXPECT_FALSE(IsDriveRoot("C:\\x"));
  EXPECT_FALSE(IsDriveRoot("C\\:"));
  EXPECT_FALSE(IsDriveRoot(""));
}

TEST(IsExistingDirectory, DriveRootUsesTheLogicalDriveMaskWhateverTheLetterCase)
{
  FakeProbe probe(DrivesCAndZ, {});
  for (const char* drive : {"C:\\", "Z:\\", "c:\\", "z:\\"}) EXPECT_TRUE(IsExistingDirectory(drive, probe)) << drive;
  for (const char* drive : {"D:\\", "A:\\", "d:\\"}) EXPECT_FALSE(IsExistingDirectory(drive, probe)) << drive;
  // A drive that is no letter never exists, whatever the mask says.
  FakeProbe all(0xFFFFFFFFu, {});
  for (const char* drive : {"1:\\", "[:\\", "\xE4:\\"}) EXPECT_FALSE(IsExistingDirectory(drive, all)) << drive;
  EXPECT_TRUE(probe.Asked.empty());
  EXPECT_TRUE(all.Asked.empty());
}

TEST(IsExistingDirectory, OtherValuesAreSearchedWithoutOneTrailingBackslash)
{
  FakeProbe probe(DrivesCAndZ, {"C:\\Data", "C:\\Data\\"});
  EXPECT_TRUE(IsExistingDirectory("C:\\Data\\", probe));
  EXPECT_TRUE(IsExistingDirectory("C:\\Data", probe));
  EXPECT_TRUE(IsExistingDirectory("C:\\Data\\\\", probe));
  EXPECT_FALSE(IsExistingDirectory("C:\\Missing", probe));
  EXPECT_FALSE(IsExistingDirectory("C:", probe));  // a drive without its backslash is a path
  const std::vector<std::string> expected = {"C:\\Data", "C:\\Data", "C:\\Data\\", "C:\\Missing", "C:"};
  EXPECT_EQ(probe.Asked, expected);
}

TEST(IsExistingDirectory, WildcardsEmptyAndBareBackslashAreNeverSearched)
{
  FakeProbe probe(DrivesCAndZ, {"C:\\win*", "C:\\w?ndows", ""});
  for (const char* value : {"C:\\win*", "C:\\w?ndows\\", "", "\\"})
    EXPECT_FALSE(IsExistingDirectory(value, probe)) << value;
  EXPECT_TRUE(probe.Asked.empty());
}

TEST(NormalizeSelection, ExistingDirectoryGetsATrailingBackslash)
{
  std::vector<std::string> asked;
  const auto dirs = [&asked](const std::string& Value) {
    asked.push_back(Value);
    return Value == "D:\\Data" || Value == "D:\\";
  };
  EXPECT_EQ(NormalizeSelection("D:\\Data", dirs), "D:\\Data\\");
  EXPECT_EQ(NormalizeSelection("D:\\Missing", dirs), "D:\\Missing");
  // Values that end in a backslash, and the empty one, are not tested.
  EXPECT_EQ(NormalizeSelection("D:\\", dirs), "D:\\");
  EXPECT_EQ(NormalizeSelection("D:\\Data\\", dirs), "D:\\Data\\");
  EXPECT_EQ(NormalizeSelection("", dirs), "");
  EXPECT_EQ(asked, (std::vector<std::string>{"D:\\Data", "D:\\Missing"}));
}

TEST(SelectionForDialog, DriveGetsItsBackslashOtherValuesLoseOne)
{
  const std::vector<std::pair<std::string, std::string>> cases = {{"X:", "X:\\"},
                                                                  {"X:\\", "X:\\"},
                                                                  {"X:a", "X:a\\"},
                                                                  {"D:\\Data\\", "D:\\Data"},
                                                                  {"D:\\Data", "D:\\Data"},
                                                                  {"D:\\Data\\\\", "D:\\Data\\"},
                                                                  {"\\\\s\\", "\\\\s"},
                                                                  {"\\", ""},
                                                                  {"", ""}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(SelectionForDialog(value), expected) << value;
}
