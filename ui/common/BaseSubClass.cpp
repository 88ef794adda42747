#include "ui/common/BaseSubClass.h"

#include "framework/controls/Timer.h"
#include "ui/common/Errors.h"

QV_IMPLEMENT_CLASS_NOPROPS(ToxBaseSubClass)

namespace {
int commonRetryCounter = 0;
constexpr unsigned kReattachInterval = 250;
}  // namespace

ToxBaseSubClass::ToxBaseSubClass(TComponent* AOwner) : TComponent(AOwner) {}

ToxBaseSubClass::~ToxBaseSubClass()
{
  Destroying();
  SetEnabled(false);
  if (FForm) FForm->RemoveFreeNotification(this);
  // The timers are owned components and go with DestroyComponents.
}

int& ToxBaseSubClass::RetryCounter() { return commonRetryCounter; }

void ToxBaseSubClass::Loaded() { inherited::Loaded(); }

void ToxBaseSubClass::SetForm(TCustomForm* Value)
{
  if (Value == FForm) return;
  if (FForm) FForm->RemoveFreeNotification(this);
  FForm = Value;
  if (FForm) FForm->FreeNotification(this);
  SetWindow(FForm ? FForm->Handle() : nullptr);
}

void ToxBaseSubClass::SetWindow(HWND Value)
{
  if (FHandle) Unhook();
  FHandle = Value;
  if (FHandle && FEnabled) Hook();
}

void ToxBaseSubClass::SetEnabled(bool Value)
{
  if (Value == FEnabled) return;
  FEnabled = Value;
  if (Value)
    Hook();
  else
    Unhook();
  if (!ComponentState().Contains(csDestroying)) Refresh();
}

void ToxBaseSubClass::Hook()
{
  if (!IsWindow(FHandle)) throw ENotOwnerError("Not a valid Window");
  // Hooking twice would leave the first procedure in the chain for good.
  if (FNewProc) Unhook();
  FOldProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(FHandle, GWLP_WNDPROC));
  FNewProc = MakeObjectInstance([this](TMessage& Message) { WndProc(Message); });
  if (!FNewProc) throw EOutOfResources("Windows Resources Exhausted");
  SetWindowLongPtrA(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FNewProc));
  FEnabled = true;
}

void ToxBaseSubClass::Unhook()
{
  if (IsWindow(FHandle) && FOldProc) {
    SetWindowLongPtrA(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOldProc));
    FOldProc = nullptr;
  }
  if (FNewProc) {
    FreeObjectInstance(FNewProc);
    FNewProc = nullptr;
  }
  FEnabled = false;
}

void ToxBaseSubClass::WndProc(TMessage& Message)
{
  Message.Result =
      CallWindowProcA(FOldProc ? FOldProc : DefWindowProcA, FHandle, Message.Msg, Message.WParam, Message.LParam);
  if (Message.Msg == WM_DESTROY) StartReattachTimer();
}

void ToxBaseSubClass::Reattach()
{
  if (!FForm) return;
  const bool enabled = FEnabled;
  SetWindow(FForm->Handle());
  SetEnabled(enabled);
}

void ToxBaseSubClass::StartReattachTimer()
{
  if (FTimer || ComponentState().Contains(csDestroying)) return;
  delete FSpentTimer;
  FSpentTimer = nullptr;
  FTimer = new TTimer(this);
  FTimer->SetInterval(kReattachInterval);
  FTimer->OnTimer = [this](TObject*) { ReattachTick(); };
}

void ToxBaseSubClass::ReattachTick()
{
  int& retries = RetryCounter();
  if (FForm && !FForm->HandleAllocated() && retries < kReattachRetries) {
    ++retries;
    return;
  }
  // Done before Reattach, so a failing hook reports once rather than every tick.
  retries = 0;
  DropTimer();
  Reattach();
}

void ToxBaseSubClass::DropTimer()
{
  if (!FTimer) return;
  FTimer->SetEnabled(false);
  FSpentTimer = FTimer;
  FTimer = nullptr;
}

void ToxBaseSubClass::Notification(TComponent* AComponent, TOperation Operation)
{
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FForm) {
    FForm = nullptr;
    DropTimer();
  }
  if (AComponent == FTimer) FTimer = nullptr;
  if (AComponent == FSpentTimer) FSpentTimer = nullptr;
}
