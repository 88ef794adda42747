#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/QvCommands.h"
#include "cli/QvOptions.h"
#include "engine/FileSystem.h"
#include "platform/PlatformFileSystem.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestFiles.h"

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

namespace {

struct TRun {
  int Status;
  std::string Out;
  std::string Err;
};

Strings SplitLines(const std::string& Text)
{
  Strings lines;
  std::istringstream in(Text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

// qv run in-process on a real temporary tree, with stdout and stderr captured.
class QvTest : public ::testing::Test {
protected:
  std::unique_ptr<TFileSystem> Fs = CreatePlatformFileSystem();
  TTempDir Dir;
  std::string Root, Sep = std::string(1, Fs->Separator());

  void SetUp() override
  {
    for (const char* Sub : {"tree", "tree/sub", "tree/skip"}) Dir.AddDir(Sub);
    Dir.AddFile("tree/a.txt", "0123456789");
    Dir.AddFile("tree/sub/b.txt", "b");
    Dir.AddFile("tree/skip/c.txt", "c");
    Root = Fs->FullPath(P("tree")) + Sep;
  }

  std::string Read(const std::string& Rel) { return ReadWholeFile(P(Rel)); }
  std::string P(const std::string& Rel) { return Dir.Path(Rel); }
  std::string Full(const std::string& Rel) { return Fs->FullPath(P(Rel)); }

  TRun Qv(Strings Args)
  {
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int status = RunQv(Args, *Fs, false);
    std::fflush(stdout);
    TRun run{status, ::testing::internal::GetCapturedStdout(), ::testing::internal::GetCapturedStderr()};
    return run;
  }
};

// The root is made absolute with one trailing separator; an unchanged tree
// compares clean with exit status 0, one difference is enough for 1, and the
// report file has the printed lines with CR LF ends.
TEST_F(QvTest, UnchangedTreeComparesCleanWithExitZeroAndChangesGiveOneAndACrLfReport)
{
  ASSERT_EQ(Qv({"scan", P("tree") + Sep + Sep, "-o", P("s.qv")}).Status, 0);
  const Strings dirs = SplitLines(Read("s.qd"));
  ASSERT_GE(dirs.size(), 2u);
  EXPECT_EQ(dirs[0], std::string("*** DO NOT MODIFY THIS FILE UNLESS YOU KNOW WHAT YOU ARE DOING!!! ***\r"));
  EXPECT_EQ(dirs[1], Root + "\r");
  TRun run = Qv({"compare", P("s.qv")});
  EXPECT_EQ(run.Status, 0) << run.Err;
  Strings lines = SplitLines(run.Out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].rfind("COLLECTION FOR " + Root + " (", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1].rfind("DONE, 00:0", 0), 0u);
  EXPECT_EQ(run.Err, "");
  Dir.AddFile("tree/new.txt", "n");
  EXPECT_EQ(Qv({"compare", P("s.qv")}).Status, 1);

  Dir.AddFile("tree/a.txt", "01234567890123");
  fs::remove(P("tree/sub/b.txt"));
  run = Qv({"compare", P("s.qv"), "-o", P("report.txt")});
  EXPECT_EQ(run.Status, 1) << run.Err;
  lines = SplitLines(run.Out);
  ASSERT_EQ(lines.size(), 5u);
  const Strings middle(lines.begin() + 1, lines.end() - 1);
  EXPECT_NE(std::find(middle.begin(), middle.end(), Root + "a.txt - Size: 4"), middle.end());
  EXPECT_NE(std::find(middle.begin(), middle.end(), Root + "sub" + Sep + "b.txt - Missing"), middle.end());
  EXPECT_EQ(middle.back(), Root + "new.txt - New");
  std::string expected;
  for (const std::string& line : lines) expected += line + "\r\n";
  EXPECT_EQ(Read("report.txt"), expected);
}

TEST_F(QvTest, ExcludeAndNoRecurseReachTheScanAndTheCompare)
{
  ASSERT_EQ(Qv({"scan", "--exclude", P("tree/skip"), P("tree"), "-o", P("s.qv")}).Status, 0);
  EXPECT_EQ(Read("s.qd").find("skip"), std::string::npos);
  Dir.AddFile("tree/skip/d.txt", "d");
  EXPECT_EQ(Qv({"compare", "--exclude", P("tree/skip"), P("s.qv")}).Status, 0);
  const TRun run = Qv({"compare", P("s.qv")});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(SplitLines(run.Out).size(), 4u);  // c.txt and d.txt are new
  ASSERT_EQ(Qv({"scan", "--no-recurse", P("tree"), "-o", P("s.qv")}).Status, 0);
  EXPECT_EQ(SplitLines(Read("s.qd")).size(), 3u);  // banner, root, root's own directory
  Dir.AddFile("tree/sub/more.txt", "m");
  EXPECT_EQ(Qv({"compare", "--no-recurse", P("s.qv")}).Status, 0);
  // With recursion on, the subdirectories are walked and their files are new.
  EXPECT_EQ(Qv({"compare", P("s.qv")}).Status, 1);
}

// Every failure names what failed, on stderr only; nothing is written.
TEST_F(QvTest, ErrorsGoToStderrWithExitTwo)
{
  ASSERT_EQ(Qv({"scan", P("tree"), "-o", P("cut.qv")}).Status, 0);
  Dir.AddFile("cut.qv", Read("cut.qv").substr(0, 7));
  const struct {
    Strings Args;
    std::string Err;
  } cases[] = {
      {{"compare", P("none.qv")}, "Cannot open file " + Full("none.qv")},
      {{"scan", P("missing"), "-o", P("s.qv")}, "Directory " + Full("missing") + " not found"},
      {{"scan", P("tree/a.txt"), "-o", P("s.qv")}, "Directory " + Full("tree/a.txt") + " not found"},
      {{"scan", P("tree"), "-o", P("nodir/s.qv")}, "Cannot create file " + Full("nodir/s.qv")},
      {{"compare", P("cut.qv")}, "Collection file " + Full("cut.qv") + " is damaged."},
  };
  for (const auto& c : cases) {
    const TRun run = Qv(c.Args);
    EXPECT_EQ(run.Status, 2) << c.Err;
    EXPECT_EQ(run.Err, "qv: " + c.Err + "\n");
    EXPECT_EQ(run.Out, "");
  }
  EXPECT_FALSE(fs::exists(P("s.qv")));
}

TEST_F(QvTest, UsageErrorsPrintTheUsage)
{
  for (const Strings& args : {Strings{}, Strings{"frobnicate"}, Strings{"scan", P("tree")}, Strings{"compare"},
                              Strings{"scan", "--bogus", P("tree"), "-o", "x"}, Strings{"compare", "a", "b"},
                              Strings{"compare", "a", "-o"}}) {
    const TRun run = Qv(args);
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err.rfind("qv: ", 0), 0u) << run.Err;
    EXPECT_NE(run.Err.find("usage: qv scan"), std::string::npos);
  }
  EXPECT_EQ(Qv({"--help"}).Status, 0);
  EXPECT_EQ(Qv({"--version"}).Out, "qv 5.0 (Quorvik V5.0)\n");
}
