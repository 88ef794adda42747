#pragma once
// ToxBaseSubClass: a component that puts its own window procedure in front of
// a form's window. The procedure found there answers every message first;
// WndProc then sees the message and its result and may change the result.
// Hooks on one window chain from the newest to the oldest and must come off
// in the reverse order. When the form's window is destroyed the hook comes
// back by itself on the new window, from a 250 ms timer.
#include "framework/controls/ObjectInstance.h"
#include "framework/forms/Forms.h"

class TTimer;

class ToxBaseSubClass : public TComponent {
  QV_CLASS(ToxBaseSubClass, TComponent)
public:
  explicit ToxBaseSubClass(TComponent* AOwner);
  ~ToxBaseSubClass() override;

  bool Enabled() const { return FEnabled; }
  // Hooks (True) or unhooks (False) when the value changes, then Refresh.
  void SetEnabled(bool Value);
  HWND Handle() const { return FHandle; }
  TCustomForm* Form() const { return FForm; }
  // Records the form's window (making it when there is none yet).
  void SetForm(TCustomForm* Value);
  // Unhooks from the current window (which clears Enabled), then hooks the
  // new one if Enabled is still set.
  void SetWindow(HWND Value);
  WNDPROC OldProc() const { return FOldProc; }
  WNDPROC NewProc() const { return FNewProc; }
  // The re-attach timer while one is pending, else null.
  TTimer* Timer() const { return FTimer; }

  // ENotOwnerError "Not a valid Window" when Handle is no window;
  // EOutOfResources "Windows Resources Exhausted" when no procedure is left.
  void Hook();
  // Puts the recorded procedure back (unless the window is gone).
  void Unhook();

  virtual void WndProc(TMessage& Message);
  virtual void Refresh() {}
  virtual void Reattach();

  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
  // The re-attach retry counter, one per module that uses the base: the
  // ticks of all its waiting instances count against it.
  virtual int& RetryCounter();

private:
  void StartReattachTimer();
  void ReattachTick();
  void DropTimer();

  bool FEnabled = false;
  HWND FHandle = nullptr;
  WNDPROC FNewProc = nullptr;
  WNDPROC FOldProc = nullptr;
  TCustomForm* FForm = nullptr;
  TTimer* FTimer = nullptr;
  // A timer cannot be freed inside its own tick; it waits here for the next
  // re-attach or the destructor.
  TTimer* FSpentTimer = nullptr;
};

// Ticks a waiting hook lets pass without a window before it makes one.
constexpr int kReattachRetries = 11;
