#pragma once
// The timer component: OnTimer every Interval milliseconds while enabled.
#include "framework/objects/Classes.h"
#include "framework/win32/Handles.h"
#include "framework/win32/MessageWindow.h"

#include <memory>

class TTimer : public TComponent {
  QV_CLASS(TTimer, TComponent)
public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned Value);
  TNotifyEvent OnTimer;
  void Loaded() override;

private:
  void Update();
  bool FEnabled = true;
  unsigned FInterval = 1000;
  std::unique_ptr<TMessageWindow> FWindow;
  qv::TimerHandle FTimer;
};
