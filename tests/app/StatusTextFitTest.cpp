#include "app/StatusTextFit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// One pixel per character keeps the expected widths readable.
int LengthWidth(const std::string& Text) { return static_cast<int>(Text.size()); }
// Ten pixels for a 'W', one for anything else.
int WideW(const std::string& Text)
{
  int width = 0;
  for (char c : Text) width += c == 'W' ? 10 : 1;
  return width;
}

bool AlwaysDirectory(const std::string&) { return true; }
bool NeverDirectory(const std::string&) { return false; }

const std::string DeepPath = "D:\\Long\\Deeper\\Deep\\File.txt";  // 28 characters
const std::string Unc = "\\\\server\\share\\dir\\file";

struct TFitCase {
  std::string Text;
  int Width;
  std::string Expected;
};

}  // namespace

TEST(SplitStatusPath, SeparatesDriveDirectoryAndNameOfEveryShape)
{
  const std::vector<std::vector<std::string>> cases = {// text, drive, directory, name
                                                       {DeepPath, "D:", "\\Long\\Deeper\\Deep\\", "File.txt"},
                                                       {"D:", "D:", "", ""},
                                                       {"D:\\", "D:", "\\", ""},
                                                       {"D:File", "D:", "", "File"},
                                                       {"File", "", "", "File"},
                                                       {"\\\\srv\\share\\f", "", "\\\\srv\\share\\", "f"},
                                                       {"", "", "", ""}};
  for (const auto& c : cases) {
    const TStatusPath p = SplitStatusPath(c[0]);
    EXPECT_EQ(p.Drive, c[1]) << c[0];
    EXPECT_EQ(p.Dir, c[2]) << c[0];
    EXPECT_EQ(p.Name, c[3]) << c[0];
    EXPECT_EQ(p.Text(), c[0]);
  }
}

TEST(DropFirstFolder, PutsTheMarkerInFrontOfTheRestUntilNothingIsLeft)
{
  const std::vector<std::pair<std::string, std::string>> cases = {{"\\Long\\Deeper\\Deep\\", "\\...\\Deeper\\Deep\\"},
                                                                  {"\\...\\Deeper\\Deep\\", "\\...\\Deep\\"},
                                                                  {"\\...\\Deep\\", "\\...\\"},
                                                                  {"\\Deep\\", "\\...\\"},
                                                                  {"Data\\Sub\\", "...\\Sub\\"},
                                                                  {"...\\Sub\\", "...\\"},
                                                                  // The last folder and a bare separator become empty.
                                                                  {"\\", ""},
                                                                  {"...\\", ""},
                                                                  {"\\...\\", ""},
                                                                  {"Data", ""}};
  for (const auto& [dir, expected] : cases) EXPECT_EQ(DropFirstFolder(dir), expected) << dir;
}

TEST(FitPathText, ShortensFromTheLeftFolderByFolderThenDropsDriveAndSeparators)
{
  const std::vector<TFitCase> cases = {{DeepPath, 28, DeepPath},  // fits: unchanged
                                       {DeepPath, 500, DeepPath},
                                       {DeepPath, 27, "D:\\...\\Deeper\\Deep\\File.txt"},
                                       {DeepPath, 25, "D:\\...\\Deep\\File.txt"},
                                       {DeepPath, 20, "D:\\...\\Deep\\File.txt"},
                                       // Drive and name survive while they fit, then the marker alone.
                                       {DeepPath, 19, "D:\\...\\File.txt"},
                                       {DeepPath, 15, "D:\\...\\File.txt"},
                                       {DeepPath, 14, "...\\File.txt"},
                                       {DeepPath, 12, "...\\File.txt"},
                                       // The name alone stays even when it is too wide.
                                       {DeepPath, 11, "File.txt"},
                                       {DeepPath, 3, "File.txt"},
                                       {DeepPath, 0, "File.txt"},
                                       // A directory with a trailing separator loses everything.
                                       {"D:\\Data\\Deep\\", 12, "D:\\...\\Deep\\"},
                                       {"D:\\Data\\Deep\\", 7, "D:\\...\\"},
                                       {"D:\\Data\\Deep\\", 4, "...\\"},
                                       {"D:\\Data\\Deep\\", 3, ""},
                                       // A file in the root loses the separator before the drive.
                                       {"D:\\File.txt", 10, "D:File.txt"},
                                       {"D:\\File.txt", 9, "File.txt"},
                                       // A drive-relative directory gets a marker without a separator.
                                       {"D:Data\\Sub\\x", 11, "D:...\\Sub\\x"},
                                       {"D:Data\\Sub\\x", 7, "D:...\\x"},
                                       {"D:Data\\Sub\\x", 6, "D:x"},
                                       // A network path ends at the name.
                                       {Unc, 19, "\\...\\share\\dir\\file"},
                                       {Unc, 9, "\\...\\file"},
                                       {Unc, 8, "...\\file"},
                                       {Unc, 1, "file"}};
  for (const TFitCase& c : cases) EXPECT_EQ(FitPathText(c.Text, c.Width, LengthWidth), c.Expected) << c.Width;
}

TEST(FitPathText, MeasuresWithTheGivenFunctionEachCandidateOnlyUntilOneFits)
{
  // Wide 'W's: the long folder names cost most, so fewer folders survive.
  EXPECT_EQ(FitPathText("C:\\WWW\\ab\\name", 41, WideW), "C:\\WWW\\ab\\name");
  EXPECT_EQ(FitPathText("C:\\WWW\\ab\\name", 40, WideW), "C:\\...\\ab\\name");
  std::vector<std::string> measured;
  const auto record = [&measured](const std::string& Text) {
    measured.push_back(Text);
    return static_cast<int>(Text.size());
  };
  EXPECT_EQ(FitPathText(DeepPath, 20, record), "D:\\...\\Deep\\File.txt");
  const std::vector<std::string> expected = {DeepPath, "D:\\...\\Deeper\\Deep\\File.txt", "D:\\...\\Deep\\File.txt"};
  EXPECT_EQ(measured, expected);
}

TEST(CutText, CutsAtTheEndWithDotsUntilNothingOfTheTextIsLeft)
{
  const std::vector<TFitCase> cases = {{"Hello world", 11, "Hello world"}, {"", 0, ""},
                                       {"Hello world", 10, "Hello w..."},  {"Hello world", 8, "Hello..."},
                                       {"Hello world", 4, "H..."},         {"Hello world", 3, "..."},
                                       {"Hello world", 0, "..."},          {"A", 0, "..."}};
  for (const TFitCase& c : cases) EXPECT_EQ(CutText(c.Text, c.Width, LengthWidth), c.Expected) << c.Text << c.Width;
  const std::vector<TFitCase> wide = {
      {"WWW", 30, "WWW"}, {"WWW", 29, "WW..."}, {"WWW", 13, "W..."}, {"WWW", 12, "..."}};
  for (const TFitCase& c : wide) EXPECT_EQ(CutText(c.Text, c.Width, WideW), c.Expected) << c.Width;
}

TEST(FitStatusText, ShortensAnExistingDirectoryAsAPathAndCutsOtherText)
{
  EXPECT_EQ(FitStatusText("D:\\Data\\Deep", 10, LengthWidth, AlwaysDirectory), "...\\Deep");
  EXPECT_EQ(FitStatusText("D:\\Data\\Deep", 11, LengthWidth, AlwaysDirectory), "D:\\...\\Deep");
  EXPECT_EQ(FitStatusText("D:\\Data\\Deep", 10, LengthWidth, NeverDirectory), "D:\\Data...");
  EXPECT_EQ(FitStatusText("Choose a folder", 9, LengthWidth, NeverDirectory), "Choose...");
  // The directory test is asked about the whole text.
  std::string asked;
  FitStatusText("C:\\Some\\Where\\", 100, LengthWidth, [&asked](const std::string& Value) {
    asked = Value;
    return false;
  });
  EXPECT_EQ(asked, "C:\\Some\\Where\\");
}
