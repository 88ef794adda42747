#include "framework/forms/Hints.h"

QV_IMPLEMENT_CLASS_NOPROPS(THintWindow)

THintWindow::THintWindow(TComponent* AOwner) : TWinControl(AOwner)
{
  StoreVisible(false);
  SetColor(clInfoBk);
}

void THintWindow::CreateParams(TCreateParams& Params)
{
  inherited::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  Params.WndParent = nullptr;
  Params.ClassStyle = CS_SAVEBITS | CS_DBLCLKS;
}

RECT THintWindow::CalcHintRect(int MaxWidth, const std::string& Hint)
{
  qv::MemoryDC dc(CreateCompatibleDC(nullptr));
  TCanvasDC attached(FCanvas, dc.get());
  RECT r{0, 0, MaxWidth, 0};
  FCanvas.DrawText(Hint, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  r.right += 6;
  r.bottom += 2;
  return r;
}

void THintWindow::ActivateHint(RECT Rect, const std::string& Hint)
{
  SetCaption(Hint);
  SetWindowPos(Handle(), HWND_TOPMOST, Rect.left, Rect.top, Rect.right - Rect.left, Rect.bottom - Rect.top,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  StoreVisible(true);
  Invalidate();
}

void THintWindow::PaintWindow(HDC DC)
{
  TCanvasDC attached(FCanvas, DC);
  Paint();
}

void THintWindow::Paint()
{
  RECT r;
  GetClientRect(Handle(), &r);
  FCanvas.SetBrushColor(Color());
  FCanvas.FillRect(r);
  FCanvas.SetBrushStyle(bsClear);
  FCanvas.Font().SetColor(clInfoText);
  r.left += 2;
  r.top += 1;
  FCanvas.DrawText(Caption(), r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

void THintWindow::WndProc(TMessage& Message)
{
  if (Message.Msg == WM_NCHITTEST) {
    Message.Result = HTTRANSPARENT;
    return;
  }
  if (Message.Msg == WM_SHOWWINDOW && !Message.WParam) StoreVisible(false);
  inherited::WndProc(Message);
}

// ---------------------------------------------------------------------------

namespace {
constexpr UINT_PTR kHintTimer = 1;
}

THintManager::THintManager(TComponent* WindowOwner)
    : FWindowOwner(WindowOwner), FWindow([this](TMessage& m) { OnMessage(m); })
{
  FHintWindowClass = [](TComponent* Owner) { return new THintWindow(Owner); };
  SetShowHint(true);
}

THintManager::~THintManager() { SetShowHint(false); }

void THintManager::SetShowHint(bool Value)
{
  if (Value == FShowHint) return;
  FShowHint = Value;
  CancelHint();
  if (Value) {
    FHintWindow = FHintWindowClass ? FHintWindowClass(FWindowOwner) : new THintWindow(FWindowOwner);
    FHintWindow->SetColor(FHintColor);
  } else {
    delete FHintWindow;
    FHintWindow = nullptr;
  }
}

void THintManager::SetHintColor(TColor Value)
{
  FHintColor = Value;
  if (FHintWindow) FHintWindow->SetColor(Value);
}

void THintManager::HideHint()
{
  if (FHintWindow && FHintWindow->HandleAllocated() && IsWindowVisible(FHintWindow->Handle()))
    ShowWindow(FHintWindow->Handle(), SW_HIDE);
}

void THintManager::CancelHint()
{
  FTimer.reset();
  HideHint();
  FHintControl = nullptr;
}

void THintManager::NoteMouseOver(TWinControl* Window, POINT ClientPos)
{
  TControl* control = Window->ControlAtPos(ClientPos, true);
  if (!control) control = Window;
  if (control == FHintControl) return;
  CancelHint();
  FHintControl = control;
  // CancelHint released the old timer first: released after SetTimer, it
  // would kill the new timer of the same id.
  if (FShowHint && control->EffectiveShowHint() && !control->Hint().empty())
    FTimer = qv::TimerHandle(FWindow.Handle(), kHintTimer, static_cast<UINT>(FHintPause));
}

TControl* THintManager::HintControlAt(POINT CursorPos) const
{
  TWinControl* window = TWinControl::FromHandle(WindowFromPoint(CursorPos));
  if (!window) return nullptr;
  POINT local = CursorPos;
  ::ScreenToClient(window->Handle(), &local);
  // Graphic children have no window of their own, and WindowFromPoint passes
  // over disabled child windows: both are found among the window's controls.
  TControl* control = window->ControlAtPos(local, true);
  return control ? control : window;
}

void THintManager::ActivateHint(POINT CursorPos)
{
  FTimer.reset();
  if (!FShowHint || !FHintWindow) return;
  TControl* control = HintControlAt(CursorPos);
  if (!control || control->Hint().empty() || !control->EffectiveShowHint()) return;
  FHintControl = control;
  const std::string hint = control->Hint();
  RECT r = FHintWindow->CalcHintRect(GetSystemMetrics(SM_CXSCREEN) / 4, hint);
  OffsetRect(&r, CursorPos.x, CursorPos.y + 20);
  FHintWindow->ActivateHint(r, hint);
}

void THintManager::OnMessage(TMessage& Message)
{
  if (Message.Msg == WM_TIMER && Message.WParam == kHintTimer) {
    POINT p;
    GetCursorPos(&p);
    ActivateHint(p);
  }
}
