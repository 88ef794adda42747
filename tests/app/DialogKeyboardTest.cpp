// The options dialog driven by real key presses: SendInput from a second
// thread while the dialog's modal loop runs on this one.
#include <gtest/gtest.h>

#include <thread>

#include "tests/app/SessionDriving.h"

using qvtest::FocusOf;
using qvtest::TapKey;

namespace {

bool IsChecked(HWND Box) { return SendMessageA(Box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

}  // namespace

class DialogKeyboard : public ::testing::Test, protected qvsession::TSession {
protected:
  DWORD Ui = GetCurrentThreadId();
  HWND Dialog = dlgOptions->Handle(), List = dlgOptions->ExcludedDirs->Handle(),
       Beeps = dlgOptions->EnableBeeps->Handle(), Recurse = dlgOptions->RecurseDirs->Handle(),
       Ok = dlgOptions->btnOK->Handle(), Cancel = dlgOptions->btnCancel->Handle();
  // Shows the dialog modally while Keys presses keys from another thread.
  TModalResult WithKeys(const std::function<void()>& Keys)
  {
    std::thread presser([&] {
      for (int i = 0; i < 100 && !IsWindowVisible(Dialog); ++i) Sleep(50);
      Sleep(400);
      Keys();
    });
    const TModalResult result = dlgOptions->ShowModal();
    presser.join();
    return result;
  }
  void TabTo(HWND Target)
  {
    for (int i = 0; i < 8 && FocusOf(Ui) != Target; ++i) TapKey(VK_TAB);
  }
};

TEST_F(DialogKeyboard, TabShiftTabSpaceAccessKeysAndEscape)
{
  std::vector<HWND> focus;
  bool recurseAfterSpace = true, beepsAfterAltB = false;
  const TModalResult result = WithKeys([&] {
    focus.push_back(FocusOf(Ui));  // the first control in tab order
    for (int i = 0; i < 5; ++i) {
      TapKey(VK_TAB);
      focus.push_back(FocusOf(Ui));
    }
    TapKey(VK_TAB, VK_SHIFT);
    focus.push_back(FocusOf(Ui));
    TabTo(Recurse);
    TapKey(VK_SPACE);
    recurseAfterSpace = IsChecked(Recurse);
    TapKey('D', VK_MENU);
    focus.push_back(FocusOf(Ui));
    TapKey('B', VK_MENU);
    beepsAfterAltB = IsChecked(Beeps);
    focus.push_back(FocusOf(Ui));
    TapKey(VK_ESCAPE);
  });
  EXPECT_EQ(result, mrCancel);
  EXPECT_FALSE(IsWindowVisible(Dialog));
  EXPECT_EQ(focus, (std::vector<HWND>{List, Beeps, Recurse, Ok, Cancel, List, Cancel, List, Beeps}));
  EXPECT_FALSE(recurseAfterSpace);
  EXPECT_TRUE(beepsAfterAltB);
}

TEST_F(DialogKeyboard, EnterPressesTheFocusedOrTheDefaultButton)
{
  // On the list, Enter is the default button's.
  EXPECT_EQ(WithKeys([] { TapKey(VK_RETURN); }), mrOk);
  // On a focused button, Enter presses that button.
  EXPECT_EQ(WithKeys([&] {
              TabTo(Cancel);
              TapKey(VK_RETURN);
            }),
            mrCancel);
  // Space presses the focused button.
  EXPECT_EQ(WithKeys([&] {
              TabTo(Ok);
              TapKey(VK_SPACE);
            }),
            mrOk);
  // The main window has its keys back: focus returned to its list.
  qvtest::PumpMessagesFor(200);
  EXPECT_EQ(GetFocus(), QVMain->Changes->Handle());
}
