#include "framework/controls/Timer.h"

QV_IMPLEMENT_CLASS(TTimer)

void TTimer::DeclareProperties(TClassBuilder<TTimer>& c)
{
  c.Boolean("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true);
  c.Ordinal("Interval", TypeInfo_Cardinal(), &TTimer::Interval, &TTimer::SetInterval).Default(1000);
  c.Event("OnTimer", TypeInfo_TNotifyEvent(), &TTimer::OnTimer);
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner)
{
  FWindow = std::make_unique<TMessageWindow>([this](TMessage& m) {
    if (m.Msg == WM_TIMER) OnTimer(this);
  });
  Update();
}

TTimer::~TTimer()
{
  FTimer.reset();
  FWindow.reset();
}

void TTimer::SetEnabled(bool Value)
{
  FEnabled = Value;
  Update();
}
void TTimer::SetInterval(unsigned Value)
{
  FInterval = Value;
  Update();
}

void TTimer::Loaded()
{
  inherited::Loaded();
  Update();
}

void TTimer::Update()
{
  FTimer.reset();
  if (FEnabled && FInterval > 0 && !ComponentState().Contains(csLoading))
    FTimer = qv::TimerHandle(FWindow->Handle(), 1, FInterval);
}
