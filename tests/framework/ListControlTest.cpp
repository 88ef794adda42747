// List and combo box items under Wine: every item operation reaches the
// window as one message, the window always shows the items in their order,
// and a new window gets them all back.
#include "framework/controls/ComboBox.h"
#include "framework/controls/ListBox.h"
#include "framework/forms/Forms.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// A list or combo box that counts the messages its window procedure gets,
// and notes each switch of drawing in its order.
template <class T> class TCounted : public T {
public:
  using T::T;
  std::map<UINT, int> Sent;
  std::vector<WPARAM> Redraws;
  void WndProc(TMessage& Message) override
  {
    ++Sent[Message.Msg];
    if (Message.Msg == WM_SETREDRAW) Redraws.push_back(Message.WParam);
    T::WndProc(Message);
  }
};

std::vector<std::string> WindowLines(HWND List, UINT GetCount, UINT GetText)
{
  std::vector<std::string> lines;
  const int count = static_cast<int>(SendMessageA(List, GetCount, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[256] = {};
    SendMessageA(List, GetText, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    lines.push_back(text);
  }
  return lines;
}

class ListControlTest : public ::testing::Test {
protected:
  TApplicationScope Scope;
  std::unique_ptr<TForm> Form{TCustomForm::Create<TForm>(nullptr)};
  TCounted<TListBox>* List = new TCounted<TListBox>(Form.get());
  TCounted<TComboBox>* Combo = new TCounted<TComboBox>(Form.get());

  void SetUp() override
  {
    List->SetParent(Form.get());
    Combo->SetParent(Form.get());
    Combo->SetTop(120);
    Form->Show();
    // Only what a test does counts.
    List->Sent.clear();
    List->Redraws.clear();
    Combo->Sent.clear();
  }
  std::vector<std::string> ListLines() { return WindowLines(List->Handle(), LB_GETCOUNT, LB_GETTEXT); }
  std::vector<std::string> ComboLines() { return WindowLines(Combo->Handle(), CB_GETCOUNT, CB_GETLBTEXT); }
};

}  // namespace

TEST_F(ListControlTest, EachItemOperationIsOneWindowMessage)
{
  TStrings* items = List->Items();
  auto& sent = List->Sent;
  for (int i = 0; i < 1000; ++i) items->AddObject("line " + std::to_string(i), reinterpret_cast<TObject*>(1));
  EXPECT_EQ(sent[LB_INSERTSTRING], 1000);
  items->Insert(0, "first");
  items->Put(1, "changed");
  items->Delete(500);
  items->Exchange(2, 3);
  EXPECT_EQ(sent[LB_RESETCONTENT], 0);
  EXPECT_EQ(sent[LB_DELETESTRING], 1 + 1 + 2);
  EXPECT_EQ(ListLines(), items->ToVector());
  EXPECT_EQ(items->Objects(0), nullptr);
  EXPECT_EQ(items->Objects(2), reinterpret_cast<TObject*>(1));
  items->Clear();
  EXPECT_EQ(sent[LB_RESETCONTENT], 1);
  EXPECT_TRUE(ListLines().empty());
}

TEST_F(ListControlTest, UpdateSuspendsDrawingOnceAndPutsItBack)
{
  List->Items()->BeginUpdate();
  List->Items()->BeginUpdate();
  List->Items()->Add("a");
  List->Items()->EndUpdate();
  List->Items()->Add("b");
  List->Items()->EndUpdate();
  EXPECT_EQ(List->Redraws, (std::vector<WPARAM>{FALSE, TRUE}));
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"a", "b"}));
  // Assigning a whole list is one update.
  TStringList other;
  other.SetText("x\ny\nz\n");
  List->Items()->Assign(&other);
  EXPECT_EQ(List->Redraws.size(), 4u);
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"x", "y", "z"}));
  // A reload (here by sorting) draws again afterwards, unless an update holds drawing off.
  List->Redraws.clear();
  List->SetSorted(true);
  List->SetSorted(false);
  List->Items()->BeginUpdate();
  List->SetSorted(true);
  List->Items()->EndUpdate();
  EXPECT_EQ(List->Redraws, (std::vector<WPARAM>{FALSE, TRUE, FALSE, TRUE}));
}

TEST_F(ListControlTest, NewWindowShowsTheItemsObjectsAndSelection)
{
  for (const char* s : {"c", "a", "b"}) List->Items()->AddObject(s, reinterpret_cast<TObject*>(7));
  List->SetItemIndex(2);
  List->Items()->BeginUpdate();
  List->SetMultiSelect(true);  // makes the window again
  List->SetMultiSelect(false);
  List->Items()->Add("d");
  List->Items()->EndUpdate();
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"c", "a", "b", "d"}));
  EXPECT_EQ(List->ItemIndex(), 2);
  EXPECT_EQ(List->Items()->Objects(1), reinterpret_cast<TObject*>(7));
  // Items changed while there is no window come with the next one.
  Form->DestroyHandle();
  List->Items()->Delete(0);
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"a", "b", "d"}));
}

TEST_F(ListControlTest, SortedListShowsItsItemsInTheirOrder)
{
  for (const char* s : {"pear", "Apple", "fig"}) List->Items()->Add(s);
  List->SetSorted(true);
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"Apple", "fig", "pear"}));
  EXPECT_EQ(List->Items()->Add("banana"), 1);
  EXPECT_EQ(ListLines(), (std::vector<std::string>{"Apple", "banana", "fig", "pear"}));
  EXPECT_EQ(ListLines(), List->Items()->ToVector());
}

TEST_F(ListControlTest, ComboBoxItemsFollowTheSameOperations)
{
  TStrings* items = Combo->Items();
  for (const char* s : {"one", "two", "three"}) items->Add(s);
  items->Put(0, "uno");
  items->Delete(1);
  Combo->SetItemIndex(1);
  EXPECT_EQ(Combo->Sent[CB_RESETCONTENT], 0);
  EXPECT_EQ(ComboLines(), (std::vector<std::string>{"uno", "three"}));
  Combo->RecreateWnd();
  EXPECT_EQ(ComboLines(), (std::vector<std::string>{"uno", "three"}));
  EXPECT_EQ(Combo->ItemIndex(), 1);
}
