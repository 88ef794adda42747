// The scan's browse dialog, as the user meets it: a walk starts only on a
// folder the user highlighted and that has a file-system path.
#include <gtest/gtest.h>

#include "engine/QVEngine.h"
#include "tests/app/SessionDriving.h"

using namespace qvsession;

class BrowseChoice : public ::testing::Test, protected TSession {
protected:
  // Confirms the browse dialog once it has filled its tree, after Highlight.
  void ConfirmBrowse(const std::function<void(HWND Tree)>& Highlight)
  {
    Answers.Push([Highlight](HWND Dialog) {
      qvtest::PumpMessagesFor(800);
      if (Highlight) Highlight(GetDlgItem(Dialog, 0x3741));
      qvtest::PumpMessagesFor(300);
      CbtDialogAnswerer::Press(IDOK)(Dialog);
    });
    Answers.Push(CbtDialogAnswerer::Press(IDOK));  // the message about the folder
  }
  void ExpectNoWalk()
  {
    ASSERT_TRUE(Drain());
    qvtest::PumpMessagesFor(300);
    ASSERT_EQ(Answers.Captions().size(), 2u);  // the browse dialog and the message; no save dialog
    EXPECT_EQ(Answers.Texts()[1], "The selected folder has no file-system path and cannot be scanned.");
    EXPECT_FALSE(QVMain->Walking());
    EXPECT_EQ(QVMain->Engine().Count(), 0);
    EXPECT_EQ(QVMain->StatusBar->SimpleText(), "");
  }
};

TEST_F(BrowseChoice, ConfirmedWithNothingHighlightedStartsNoWalk)
{
  ConfirmBrowse([](HWND Tree) { ASSERT_EQ(SendMessageA(Tree, TVM_GETNEXTITEM, TVGN_CARET, 0), 0); });
  PostKey(QVMain->Handle(), VK_F2);
  ExpectNoWalk();
}

TEST_F(BrowseChoice, ConfirmedOnMyComputerStartsNoWalk)
{
  std::string highlighted;
  ConfirmBrowse([&](HWND Tree) {
    SendMessageA(Tree, TVM_SELECTITEM, TVGN_CARET, SendMessageA(Tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    highlighted = qvtest::HighlightedFolder(GetParent(Tree));
  });
  PostKey(QVMain->Handle(), VK_F2);
  ExpectNoWalk();
  EXPECT_EQ(highlighted, "My Computer");
}

TEST_F(BrowseChoice, OptionsAddWithNothingHighlightedAddsNoLine)
{
  ConfirmBrowse(nullptr);
  dlgOptions->btnAddClick(nullptr);
  ASSERT_EQ(Answers.Texts().size(), 2u);
  EXPECT_EQ(Answers.Texts()[1], "The selected folder has no file-system path and cannot be excluded.");
  EXPECT_EQ(dlgOptions->ExcludedDirs->Items()->Count(), 0);
}
