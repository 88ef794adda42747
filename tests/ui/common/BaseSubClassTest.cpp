#include "ui/common/BaseSubClass.h"

#include "ui/common/Errors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/UiTestSupport.h"

namespace {

constexpr UINT kProbe = WM_APP + 17;
std::vector<std::string> trail;

// A form that answers the probe with 7 and notes every probe it sees.
class TProbeForm : public TForm {
public:
  explicit TProbeForm(TComponent* AOwner) : TForm(AOwner) {}
  ~TProbeForm() override { trail.push_back("form freed"); }
  void WndProc(TMessage& Message) override
  {
    if (Message.Msg == kProbe) {
      trail.push_back("form");
      Message.Result = 7;
      return;
    }
    inherited::WndProc(Message);
  }
};

// A hook that notes the result the chain gave it and adds its own increment.
class TProbeHook : public ToxBaseSubClass {
public:
  TProbeHook(TComponent* AOwner, std::string Name, int Add)
      : ToxBaseSubClass(AOwner), FLabel(std::move(Name)), FAdd(Add)
  {}
  void WndProc(TMessage& Message) override
  {
    ToxBaseSubClass::WndProc(Message);
    if (Message.Msg != kProbe) return;
    trail.push_back(FLabel + " saw " + std::to_string(Message.Result));
    Message.Result += FAdd;
  }
  void Refresh() override { ++Refreshes; }
  int& RetryCounter() override { return Retries; }
  int Refreshes = 0;
  static inline int Retries = 0;

private:
  std::string FLabel;
  int FAdd;
};

WNDPROC CurrentProc(HWND Window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(Window, GWLP_WNDPROC)); }

class SubClassTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    trail.clear();
    TProbeHook::Retries = 0;
    form = new TProbeForm(Application);
    form->SetBounds(100, 100, 300, 200);
    form->Show();
  }
  TProbeHook* NewHook(const std::string& Name, int Add, bool Enabled = true)
  {
    auto* hook = new TProbeHook(form, Name, Add);
    hook->SetForm(form);
    if (Enabled) hook->SetEnabled(true);
    return hook;
  }
  TApplicationScope scope;
  TProbeForm* form = nullptr;
};

}  // namespace

TEST_F(SubClassTest, TheFormAnswersFirstHooksSeeItsResultNewestLastAndComeOffInReverseOrder)
{
  const WNDPROC original = CurrentProc(form->Handle());
  TProbeHook* a = NewHook("A", 10);
  TProbeHook* b = NewHook("B", 100);
  EXPECT_EQ(117, SendMessageA(form->Handle(), kProbe, 0, 0));
  EXPECT_EQ((std::vector<std::string>{"form", "A saw 7", "B saw 17"}), trail);
  // The framework still finds and drives its form.
  EXPECT_EQ(form, TWinControl::FromHandle(form->Handle()));
  form->SetCaption("Hooked twice");
  EXPECT_EQ("Hooked twice", qvtest::WindowText(form->Handle()));
  SetWindowPos(form->Handle(), nullptr, 120, 130, 333, 222, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(333, form->Width());
  EXPECT_EQ(130, form->Top());
  // Each hook gives back the procedure it found.
  const int instances = ObjectInstanceCount();
  b->SetEnabled(false);
  EXPECT_EQ(a->NewProc(), CurrentProc(form->Handle()));
  EXPECT_EQ(nullptr, b->NewProc());
  EXPECT_EQ(instances - 1, ObjectInstanceCount());
  delete a;  // destruction unhooks
  EXPECT_EQ(original, CurrentProc(form->Handle()));
  EXPECT_EQ(7, SendMessageA(form->Handle(), kProbe, 0, 0));
}

TEST_F(SubClassTest, EnabledChangesRefreshOnlyWhenTheValueChangesAndFailWhenNoProcedureIsLeftOrOnANonWindow)
{
  TProbeHook* hook = NewHook("A", 1, false);
  hook->SetEnabled(true);
  hook->SetEnabled(true);
  EXPECT_EQ(1, hook->Refreshes);
  hook->SetEnabled(false);
  EXPECT_EQ(2, hook->Refreshes);
  EXPECT_EQ(7, SendMessageA(form->Handle(), kProbe, 0, 0));
  std::vector<WNDPROC> taken;
  while (WNDPROC p = MakeObjectInstance([](TMessage&) {})) taken.push_back(p);
  EXPECT_GT(taken.size(), 100u);
  uitest::ExpectFailure<EOutOfResources>([&] { hook->SetEnabled(true); }, "Windows Resources Exhausted");
  for (WNDPROC p : taken) FreeObjectInstance(p);
  EXPECT_EQ(7, SendMessageA(form->Handle(), kProbe, 0, 0));
  hook->SetWindow(reinterpret_cast<HWND>(static_cast<uintptr_t>(0x7654)));
  uitest::ExpectFailure<ENotOwnerError>([&] { hook->SetEnabled(true); }, "Not a valid Window");
  EXPECT_TRUE(hook->Enabled());
  EXPECT_EQ(nullptr, hook->NewProc());
}

TEST_F(SubClassTest, ARecreatedWindowIsHookedAgainOneTickLaterInTheSameOrder)
{
  TProbeHook* a = NewHook("A", 10);
  TProbeHook* b = NewHook("B", 100);
  const HWND old = form->Handle();
  form->RecreateWnd();
  ASSERT_NE(old, form->Handle());
  EXPECT_NE(nullptr, a->Timer());
  EXPECT_NE(nullptr, b->Timer());
  EXPECT_TRUE(a->Enabled());
  EXPECT_EQ(7, SendMessageA(form->Handle(), kProbe, 0, 0));  // not yet
  ASSERT_TRUE(qvtest::PumpUntil([&] { return !a->Timer() && !b->Timer(); }, 2000));
  EXPECT_EQ(0, TProbeHook::Retries);
  trail.clear();
  EXPECT_EQ(117, SendMessageA(form->Handle(), kProbe, 0, 0));
  EXPECT_EQ((std::vector<std::string>{"form", "A saw 7", "B saw 17"}), trail);
}

TEST_F(SubClassTest, WithoutANewWindowTheTwelfthTickMakesOne)
{
  TProbeHook* a = NewHook("A", 10);
  form->DestroyHandle();
  ASSERT_FALSE(form->HandleAllocated());
  const DWORD start = GetTickCount();
  qvtest::PumpUntil([&] { return TProbeHook::Retries == kReattachRetries; }, 4000);
  EXPECT_EQ(kReattachRetries, TProbeHook::Retries);
  EXPECT_FALSE(form->HandleAllocated());
  ASSERT_TRUE(qvtest::PumpUntil([&] { return !a->Timer(); }, 1000));
  EXPECT_GE(GetTickCount() - start, 11u * 250u - 100u);
  EXPECT_TRUE(form->HandleAllocated());
  EXPECT_EQ(0, TProbeHook::Retries);
  EXPECT_EQ(17, SendMessageA(form->Handle(), kProbe, 0, 0));
}

TEST_F(SubClassTest, AReleasedHookedFormIsFreedOnlyAfterTheHooksHaveReturned)
{
  NewHook("A", 10);
  NewHook("B", 100);
  form->Release();
  ASSERT_TRUE(qvtest::PumpUntil([&] { return !trail.empty() && trail.back() == "form freed"; }, 1000));
  form = nullptr;
}
