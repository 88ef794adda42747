#include "app/StatusTextFit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// One pixel per character keeps the expected widths readable.
int LengthWidth(const std::string& Text) { return static_cast<int>(Text.size()); }

bool AlwaysDirectory(const std::string&) { return true; }
bool NeverDirectory(const std::string&) { return false; }

const std::string DeepPath = "D:\\Long\\Deeper\\Deep\\File.txt";  // 28 characters

}  // namespace

TEST(SplitStatusPath, SeparatesDriveDirectoryAndName)
{
  const TStatusPath p = SplitStatusPath(DeepPath);
  EXPECT_EQ(p.Drive, "D:");
  EXPECT_EQ(p.Dir, "\\Long\\Deeper\\Deep\\");
  EXPECT_EQ(p.Name, "File.txt");
  EXPECT_EQ(p.Text(), DeepPath);
}

TEST(SplitStatusPath, EdgeShapes)
{
  EXPECT_EQ(SplitStatusPath("D:").Drive, "D:");
  EXPECT_EQ(SplitStatusPath("D:").Dir, "");
  EXPECT_EQ(SplitStatusPath("D:").Name, "");
  EXPECT_EQ(SplitStatusPath("D:\\").Dir, "\\");
  EXPECT_EQ(SplitStatusPath("D:\\").Name, "");
  EXPECT_EQ(SplitStatusPath("D:File").Dir, "");
  EXPECT_EQ(SplitStatusPath("D:File").Name, "File");
  EXPECT_EQ(SplitStatusPath("File").Drive, "");
  EXPECT_EQ(SplitStatusPath("File").Name, "File");
  EXPECT_EQ(SplitStatusPath("\\\\srv\\share\\f").Drive, "");
  EXPECT_EQ(SplitStatusPath("\\\\srv\\share\\f").Dir, "\\\\srv\\share\\");
  EXPECT_EQ(SplitStatusPath("").Text(), "");
}

TEST(DropFirstFolder, PutsMarkerInFrontOfTheRest)
{
  EXPECT_EQ(DropFirstFolder("\\Long\\Deeper\\Deep\\"), "\\...\\Deeper\\Deep\\");
  EXPECT_EQ(DropFirstFolder("\\...\\Deeper\\Deep\\"), "\\...\\Deep\\");
  EXPECT_EQ(DropFirstFolder("\\...\\Deep\\"), "\\...\\");
  EXPECT_EQ(DropFirstFolder("\\Deep\\"), "\\...\\");
  EXPECT_EQ(DropFirstFolder("Data\\Sub\\"), "...\\Sub\\");
  EXPECT_EQ(DropFirstFolder("...\\Sub\\"), "...\\");
}

TEST(DropFirstFolder, LastFolderAndBareSeparatorBecomeEmpty)
{
  EXPECT_EQ(DropFirstFolder("\\"), "");
  EXPECT_EQ(DropFirstFolder("...\\"), "");
  EXPECT_EQ(DropFirstFolder("\\...\\"), "");
  EXPECT_EQ(DropFirstFolder("Data"), "");
}

TEST(FitPathText, FittingPathStaysUnchanged)
{
  EXPECT_EQ(FitPathText(DeepPath, 28, LengthWidth), DeepPath);
  EXPECT_EQ(FitPathText(DeepPath, 500, LengthWidth), DeepPath);
}

TEST(FitPathText, ShortensFromTheLeftFolderByFolder)
{
  EXPECT_EQ(FitPathText(DeepPath, 27, LengthWidth), "D:\\...\\Deeper\\Deep\\File.txt");
  EXPECT_EQ(FitPathText(DeepPath, 25, LengthWidth), "D:\\...\\Deep\\File.txt");
  EXPECT_EQ(FitPathText(DeepPath, 20, LengthWidth), "D:\\...\\Deep\\File.txt");
}

TEST(FitPathText, DriveAndNameSurviveWhileTheyFit)
{
  EXPECT_EQ(FitPathText(DeepPath, 19, LengthWidth), "D:\\...\\File.txt");
  EXPECT_EQ(FitPathText(DeepPath, 15, LengthWidth), "D:\\...\\File.txt");
}

TEST(FitPathText, DropsTheDriveOnceOnlyTheMarkerIsLeft)
{
  EXPECT_EQ(FitPathText(DeepPath, 14, LengthWidth), "...\\File.txt");
  EXPECT_EQ(FitPathText(DeepPath, 12, LengthWidth), "...\\File.txt");
}

TEST(FitPathText, NameAloneStaysEvenWhenTooWide)
{
  EXPECT_EQ(FitPathText(DeepPath, 11, LengthWidth), "File.txt");
  EXPECT_EQ(FitPathText(DeepPath, 3, LengthWidth), "File.txt");
  EXPECT_EQ(FitPathText(DeepPath, 0, LengthWidth), "File.txt");
}

TEST(FitPathText, DirectoryWithTrailingSeparatorLosesEverything)
{
  const std::string dir = "D:\\Data\\Deep\\";
  EXPECT_EQ(FitPathText(dir, 12, LengthWidth), "D:\\...\\Deep\\");
  EXPECT_EQ(FitPathText(dir, 7, LengthWidth), "D:\\...\\");
  EXPECT_EQ(FitPathText(dir, 4, LengthWidth), "...\\");
  EXPECT_EQ(FitPathText(dir, 3, LengthWidth), "");
}

TEST(FitPathText, FileInTheRootLosesTheSeparatorBeforeTheDrive)
{
  EXPECT_EQ(FitPathText("D:\\File.txt", 10, LengthWidth), "D:File.txt");
  EXPECT_EQ(FitPathText("D:\\File.txt", 9, LengthWidth), "File.txt");
}

TEST(FitPathText, DriveRelativeDirectoryGetsAMarkerWithoutSeparator)
{
  EXPECT_EQ(FitPathText("D:Data\\Sub\\x", 11, LengthWidth), "D:...\\Sub\\x");
  EXPECT_EQ(FitPathText("D:Data\\Sub\\x", 7, LengthWidth), "D:...\\x");
  EXPECT_EQ(FitPathText("D:Data\\Sub\\x", 6, LengthWidth), "D:x");
}

TEST(FitPathText, NetworkPathEndsAtTheName)
{
  const std::string unc = "\\\\server\\share\\dir\\file";
  EXPECT_EQ(FitPathText(unc, 19, LengthWidth), "\\...\\share\\dir\\file");
  EXPECT_EQ(FitPathText(unc, 9, LengthWidth), "\\...\\file");
  EXPECT_EQ(FitPathText(unc, 8, LengthWidth), "...\\file");
  EXPECT_EQ(FitPathText(unc, 1, LengthWidth), "file");
}

TEST(FitPathText, MeasuresWithTheGivenFunction)
{
  // Wide 'W's: the long folder names cost most, so fewer folders survive.
  const auto wide = [](const std::string& Text) {
    int width = 0;
    for (char c : Text) width += c == 'W' ? 10 : 1;
    return width;
  };
  const std::string path = "C:\\WWW\\ab\\name";
  EXPECT_EQ(FitPathText(path, 41, wide), path);
  EXPECT_EQ(FitPathText(path, 40, wide), "C:\\...\\ab\\name");
}

TEST(FitPathText, MeasuresEachCandidateOnlyUntilOneFits)
{
  std::vector<std::string> measured;
  const auto record = [&measured](const std::string& Text) {
    measured.push_back(Text);
    return static_cast<int>(Text.size());
  };
  EXPECT_EQ(FitPathText(DeepPath, 20, record), "D:\\...\\Deep\\File.txt");
  const std::vector<std::string> expected = {DeepPath, "D:\\...\\Deeper\\Deep\\File.txt", "D:\\...\\Deep\\File.txt"};
  EXPECT_EQ(measured, expected);
}

TEST(CutText, FittingTextStaysUnchanged)
{
  EXPECT_EQ(CutText("Hello world", 11, LengthWidth), "Hello world");
  EXPECT_EQ(CutText("", 0, LengthWidth), "");
}

TEST(CutText, CutsAtTheEndAndAppendsDots)
{
  EXPECT_EQ(CutText("Hello world", 10, LengthWidth), "Hello w...");
  EXPECT_EQ(CutText("Hello world", 8, LengthWidth), "Hello...");
  EXPECT_EQ(CutText("Hello world", 4, LengthWidth), "H...");
}

TEST(CutText, StopsWhenNothingOfTheTextIsLeft)
{
  EXPECT_EQ(CutText("Hello world", 3, LengthWidth), "...");
  EXPECT_EQ(CutText("Hello world", 0, LengthWidth), "...");
  EXPECT_EQ(CutText("A", 0, LengthWidth), "...");
}

TEST(CutText, MeasuresWithTheGivenFunction)
{
  const auto wide = [](const std::string& Text) {
    int width = 0;
    for (char c : Text) width += c == 'W' ? 10 : 1;
    return width;
  };
  EXPECT_EQ(CutText("WWW", 30, wide), "WWW");
  EXPECT_EQ(CutText("WWW", 29, wide), "WW...");
  EXPECT_EQ(CutText("WWW", 13, wide), "W...");
  EXPECT_EQ(CutText("WWW", 12, wide), "...");
}

TEST(FitStatusText, ExistingDirectoryIsShortenedAsAPath)
{
  EXPECT_EQ(FitStatusText("D:\\Data\\Deep", 10, LengthWidth, AlwaysDirectory), "...\\Deep");
  EXPECT_EQ(FitStatusText("D:\\Data\\Deep", 11, LengthWidth, AlwaysDirectory), "D:\\...\\Deep");
}

TEST(FitStatusText, OtherTextIsCutAtTheEnd)
{
  EXPECT_EQ(FitStatusText("D:\\Data\\Deep", 10, LengthWidth, NeverDirectory), "D:\\Data...");
  EXPECT_EQ(FitStatusText("Choose a folder", 9, LengthWidth, NeverDirectory), "Choose...");
}

TEST(FitStatusText, AsksTheDirectoryTestAboutTheWholeText)
{
  std::string asked;
  const auto test = [&asked](const std::string& Value) {
    asked = Value;
    return false;
  };
  FitStatusText("C:\\Some\\Where\\", 100, LengthWidth, test);
  EXPECT_EQ(asked, "C:\\Some\\Where\\");
}
