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

TEST(IsExistingDirectory, DriveRootUsesTheLogicalDriveMask)
{
  FakeProbe probe(DrivesCAndZ, {});
  EXPECT_TRUE(IsExistingDirectory("C:\\", probe));
  EXPECT_TRUE(IsExistingDirectory("Z:\\", probe));
  EXPECT_FALSE(IsExistingDirectory("D:\\", probe));
  EXPECT_FALSE(IsExistingDirectory("A:\\", probe));
  EXPECT_TRUE(probe.Asked.empty());
}

TEST(IsExistingDirectory, DriveLetterCaseIsIgnored)
{
  FakeProbe probe(DrivesCAndZ, {});
  EXPECT_TRUE(IsExistingDirectory("c:\\", probe));
  EXPECT_TRUE(IsExistingDirectory("z:\\", probe));
  EXPECT_FALSE(IsExistingDirectory("d:\\", probe));
}

TEST(IsExistingDirectory, NonLetterDriveNeverExists)
{
  FakeProbe probe(0xFFFFFFFFu, {});
  EXPECT_FALSE(IsExistingDirectory("1:\\", probe));
  EXPECT_FALSE(IsExistingDirectory("[:\\", probe));
  EXPECT_FALSE(IsExistingDirectory("\xE4:\\", probe));
  EXPECT_TRUE(probe.Asked.empty());
}

TEST(IsExistingDirectory, OtherValuesAreSearchedWithoutOneTrailingBackslash)
{
  FakeProbe probe(DrivesCAndZ, {"C:\\Data", "C:\\Data\\"});
  EXPECT_TRUE(IsExistingDirectory("C:\\Data\\", probe));
  EXPECT_TRUE(IsExistingDirectory("C:\\Data", probe));
  EXPECT_TRUE(IsExistingDirectory("C:\\Data\\\\", probe));
  EXPECT_FALSE(IsExistingDirectory("C:\\Missing", probe));
  const std::vector<std::string> expected = {"C:\\Data", "C:\\Data", "C:\\Data\\", "C:\\Missing"};
  EXPECT_EQ(probe.Asked, expected);
}

TEST(IsExistingDirectory, DriveWithoutBackslashIsSearchedLikeAPath)
{
  FakeProbe probe(DrivesCAndZ, {});
  EXPECT_FALSE(IsExistingDirectory("C:", probe));
  EXPECT_EQ(probe.Asked, std::vector<std::string>{"C:"});
}

TEST(IsExistingDirectory, WildcardsNeverNameADirectory)
{
  FakeProbe probe(DrivesCAndZ, {"C:\\win*", "C:\\w?ndows"});
  EXPECT_FALSE(IsExistingDirectory("C:\\win*", probe));
  EXPECT_FALSE(IsExistingDirectory("C:\\w?ndows\\", probe));
  EXPECT_TRUE(probe.Asked.empty());
}

TEST(IsExistingDirectory, EmptyAndBareBackslashAreNotSearched)
{
  FakeProbe probe(DrivesCAndZ, {""});
  EXPECT_FALSE(IsExistingDirectory("", probe));
  EXPECT_FALSE(IsExistingDirectory("\\", probe));
  EXPECT_TRUE(probe.Asked.empty());
}

TEST(NormalizeSelection, ExistingDirectoryGetsATrailingBackslash)
{
  const auto dirs = [](const std::string& Value) { return Value == "D:\\Data" || Value == "D:\\"; };
  EXPECT_EQ(NormalizeSelection("D:\\Data", dirs), "D:\\Data\\");
  EXPECT_EQ(NormalizeSelection("D:\\", dirs), "D:\\");
  EXPECT_EQ(NormalizeSelection("D:\\Missing", dirs), "D:\\Missing");
  EXPECT_EQ(NormalizeSelection("", dirs), "");
}

TEST(NormalizeSelection, ValueEndingInBackslashIsNotTested)
{
  int calls = 0;
  const auto count = [&calls](const std::string&) {
    ++calls;
    return true;
  };
  EXPECT_EQ(NormalizeSelection("D:\\Data\\", count), "D:\\Data\\");
  EXPECT_EQ(NormalizeSelection("", count), "");
  EXPECT_EQ(calls, 0);
}

TEST(SelectionForDialog, DriveGetsItsBackslash)
{
  EXPECT_EQ(SelectionForDialog("X:"), "X:\\");
  EXPECT_EQ(SelectionForDialog("X:\\"), "X:\\");
  EXPECT_EQ(SelectionForDialog("X:a"), "X:a\\");
}

TEST(SelectionForDialog, OtherValuesLoseOneTrailingBackslash)
{
  EXPECT_EQ(SelectionForDialog("D:\\Data\\"), "D:\\Data");
  EXPECT_EQ(SelectionForDialog("D:\\Data"), "D:\\Data");
  EXPECT_EQ(SelectionForDialog("D:\\Data\\\\"), "D:\\Data\\");
  EXPECT_EQ(SelectionForDialog("\\\\s\\"), "\\\\s");
  EXPECT_EQ(SelectionForDialog("\\"), "");
  EXPECT_EQ(SelectionForDialog(""), "");
}
