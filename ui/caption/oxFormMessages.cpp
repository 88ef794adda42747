// The caption component's window-procedure hook: which messages it takes
// over, and in which order against the form's own procedure; the caption
// buttons' actions, the help modes and the notification-area icon.
#include <cstring>

#include "ui/caption/oxForm.h"

#include <windowsx.h>

namespace {

constexpr WPARAM kMoveByCaption = 0xF012;
constexpr UINT kNcToClientMouse = WM_MOUSEMOVE - WM_NCMOUSEMOVE;  // $160
constexpr UINT kTrayIconId = 2423;

bool SizingHit(LRESULT Hit) { return Hit == HTCAPTION || (Hit >= HTLEFT && Hit <= HTBOTTOMRIGHT); }

LPARAM PackedCursor()
{
  POINT p;
  GetCursorPos(&p);
  return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

}  // namespace

void ToxForm::WndProc(TMessage& Message)
{
  // Windows cannot unwind through its own frames: a failure is reported
  // here and the message keeps the result it has so far.
  try {
    switch (Message.Msg) {
      case WM_DESTROY:
        RemoveTrayIcon();
        Pass(Message);
        return;
      case WM_SIZE: Size(Message); return;
      case WM_SETTEXT:
      case WM_SYSCOLORCHANGE:
      case WM_WININICHANGE:
      case CM_TEXTCHANGED:
        UpdateMetrics();
        Pass(Message);
        // The system redraws its own caption for a new text; ours goes back on top.
        if (Message.Msg == WM_SETTEXT) PaintCaption();
        return;
      case WM_SHOWWINDOW:
        Pass(Message);
        if (!FTrayShown) UpdateTrayIcon();
        return;
      case WM_GETMINMAXINFO: MinMaxInfo(Message); return;
      case WM_HELP:
        Help(*reinterpret_cast<const HELPINFO*>(Message.LParam));
        Message.Result = TRUE;
        return;
      case WM_LBUTTONDOWN:
        if (!HelpSelectClick(Message)) Pass(Message);
        return;
      case WM_NCHITTEST:
        Pass(Message);
        if (SizingHit(Message.Result)) PaintCaptionEffect();
        return;
      case WM_NCPAINT: NcPaint(Message); return;
      case WM_NCACTIVATE: NcActivate(Message); return;
      case WM_SYSCOMMAND:
        if (Message.WParam == kMoveByCaption) PaintCaptionEffect();
        Pass(Message);
        return;
      case WM_INITMENU:
        PaintCaptionEffect();
        Pass(Message);
        return;
      case WM_OXTRAYNOTIFY: TrayNotify(Message); return;
      default: break;
    }
    if (Message.Msg >= WM_NCMOUSEMOVE && Message.Msg <= WM_NCMBUTTONDBLCLK && !Designing() && NcMouse(Message)) return;
    Pass(Message);
  } catch (...) {
    HandleCallbackException();
  }
}

void ToxForm::NcActivate(TMessage& Message)
{
  if (IsIconic(FOwnerForm->Handle())) {
    Pass(Message);
    return;
  }
  FActive = Message.WParam != 0;
  Pass(Message);
  PaintCaption();
}

// The system paints the frame (when no border effect replaces it), the
// system buttons, the menu bar and the client edge; the caption bar between
// them is ours, drawn before so the system's paint leaves it alone.
void ToxForm::NcPaint(TMessage& Message)
{
  HWND window = FOwnerForm->Handle();
  if (IsIconic(window)) {
    Message.Result = DefWindowProcA(window, WM_NCPAINT, Message.WParam, Message.LParam);
    return;
  }
  if (FOwnerForm->FormStyle() == fsMDIChild)
    FActive = reinterpret_cast<HWND>(SendMessageA(GetParent(window), WM_MDIGETACTIVE, 0, 0)) == window;
  else
    FActive = window == GetActiveWindow();
  RECT w;
  GetWindowRect(window, &w);
  TNcAreas a = NcPaintAreas(TRectI{w.left, w.top, w.right, w.bottom}, FMetrics, StripWidth());
  auto rect = [](const TRectI& r) { return CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom); };
  qv::RegionHandle ring(rect(a.Outer)), inner(rect(a.Inner)), box(rect(a.SystemBox)), lower(rect(a.Lower));
  qv::RegionHandle update(CreateRectRgn(0, 0, 0, 0));
  CombineRgn(ring.get(), ring.get(), inner.get(), RGN_DIFF);
  CombineRgn(update.get(), box.get(), lower.get(), RGN_OR);
  if (BorderEffect() == ox3Normal) CombineRgn(update.get(), update.get(), ring.get(), RGN_OR);
  PaintCaption();
  DefWindowProcA(window, WM_NCPAINT, reinterpret_cast<WPARAM>(update.get()), Message.LParam);
  Message.Result = 0;
  PaintCaptionEffect();
}

bool ToxForm::NcMouse(TMessage& Message)
{
  RECT w;
  GetWindowRect(FOwnerForm->Handle(), &w);
  POINT p{GET_X_LPARAM(Message.LParam) - w.left, GET_Y_LPARAM(Message.LParam) - w.top};
  for (int i = ComponentCount() - 1; i >= 0; --i) {
    auto* button = dynamic_cast<TNCButton*>(Components(i));
    if (!button || !button->Shown() || !button->Enabled()) continue;
    RECT b = button->BoundsRect();
    if (!PtInRect(&b, p)) continue;
    LPARAM local = MAKELPARAM(static_cast<WORD>(p.x - b.left), static_cast<WORD>(p.y - b.top));
    if (button->Perform(CM_HITTEST, 0, local) == 0) continue;
    if (Message.Msg == WM_NCLBUTTONDOWN || Message.Msg == WM_NCRBUTTONDOWN || Message.Msg == WM_NCMBUTTONDOWN)
      BringWindowToTop(FOwnerForm->Handle());
    button->Perform(Message.Msg + kNcToClientMouse, Message.WParam, local);
    Message.Result = 0;
    return true;
  }
  return false;
}

void ToxForm::Size(TMessage& Message)
{
  Pass(Message);
  // A rolled-up window that the user stretches taller counts as unrolled.
  if (!FRolling && FOwnerForm->Height() / 2 > 2 * FMetrics.FrameHeight + FMetrics.CaptionHeight && FRollUp) {
    FRollUp = false;
    FRollUpButton->LoadGlyph("RollUpButton");
  }
  UpdateButtons();
  FrameRefresh();
  FFormWidth = FOwnerForm->Width();
}

void ToxForm::MinMaxInfo(TMessage& Message)
{
  if (FOptions.Contains(oxfMinMax) && !Designing() && !FRolling && !FRollUp) {
    auto* info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
    info->ptMinTrackSize = POINT{FMinWidth, FMinHeight};
    info->ptMaxTrackSize = POINT{FMaxWidth, FMaxHeight};
  }
  Pass(Message);
}

// --- Roll-up and stay-on-top --------------------------------------------------

void ToxForm::SetRollUp(bool Value)
{
  if (Value == FRollUp) return;
  FRolling = true;
  try {
    if (!Designing()) {
      if (Value) {
        FRollUpButton->LoadGlyph("RollDownButton");
        FRememberedHeight = FOwnerForm->Height();
        FOwnerForm->SetHeight(2 * FMetrics.FrameHeight + FMetrics.CaptionHeight);
      } else {
        FRollUpButton->LoadGlyph("RollUpButton");
        // Without a remembered height there is nothing to go back to.
        if (FRememberedHeight > 0) FOwnerForm->SetHeight(FRememberedHeight);
        FRememberedHeight = 0;
      }
    }
    FRollUp = Value;
  } catch (...) {
    FRolling = false;
    throw;
  }
  FRolling = false;
}

void ToxForm::RollUpClick()
{
  SetRollUp(!FRollUp);
  DoRollUp();
}

bool ToxForm::OnTop() const { return FOnTopButton->Down(); }

void ToxForm::SetOnTop(bool Value)
{
  if (Value == FOnTopButton->Down()) return;
  FOnTopButton->SetDown(Value);
  if (!Designing() && FOwnerForm->HandleAllocated())
    SetWindowPos(FOwnerForm->Handle(), Value ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void ToxForm::OnTopClick()
{
  SetOnTop(!FOnTopButton->Down());
  FrameRefresh();
}

void ToxForm::StartClick() { SendMessageA(FOwnerForm->Handle(), WM_SYSCOMMAND, SC_TASKLIST, PackedCursor()); }

// --- Help ---------------------------------------------------------------------

void ToxForm::HelpClick()
{
  if (NewStyleSystem()) {
    SendMessageA(FOwnerForm->Handle(), WM_SYSCOMMAND, SC_CONTEXTHELP, PackedCursor());
    return;
  }
  // Old systems have no context-help mode: the next click picks the control.
  if (Screen) Screen->SetCursor(crHelpSelect);
  SetCapture(FOwnerForm->Handle());
}

namespace {

// The innermost control under the screen point, disabled ones included.
TControl* ControlAtScreen(TWinControl* Root, POINT P)
{
  TControl* found = Root;
  TWinControl* level = Root;
  while (level) {
    TControl* child = level->ControlAtPos(level->ScreenToClient(P), true);
    if (!child) break;
    found = child;
    level = dynamic_cast<TWinControl*>(child);
  }
  return found;
}

}  // namespace

bool ToxForm::HelpSelectClick(TMessage& Message)
{
  if (NewStyleSystem() || !Screen || Screen->Cursor() != crHelpSelect) return false;
  Screen->SetCursor(crDefault);
  ReleaseCapture();
  POINT p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
  ClientToScreen(FOwnerForm->Handle(), &p);
  TControl* target = ControlAtScreen(FOwnerForm, p);
  if (!target || target == FOwnerForm) return true;
  HELPINFO info{};
  info.cbSize = sizeof info;
  info.iContextType = HELPINFO_WINDOW;
  if (auto* win = dynamic_cast<TWinControl*>(target)) {
    info.hItemHandle = win->Handle();
    info.iCtrlId = static_cast<int>(reinterpret_cast<intptr_t>(win->Handle()));
    info.dwContextId = static_cast<DWORD_PTR>(target->HelpContext());
  }
  info.MousePos = p;
  Help(info);
  return true;
}

void ToxForm::Help(const HELPINFO& Info)
{
  int context = 0;
  if (Info.iContextType == HELPINFO_WINDOW) {
    TWinControl* control = TWinControl::FromHandle(static_cast<HWND>(Info.hItemHandle));
    if (!control) return;
    bool cancel = false;
    DoHelpSelect(control, control->HelpContext(), cancel);
    if (cancel) return;
    for (TControl* c = control; c && !context; c = c->Parent()) context = c->HelpContext();
    if (!context) return;
  } else {
    auto lookup = [&](TMenu* menu) {
      if (!menu) return 0;
      int found = menu->GetHelpContext(static_cast<UINT_PTR>(Info.iCtrlId), true);
      return found ? found : menu->GetHelpContext(reinterpret_cast<UINT_PTR>(Info.hItemHandle), false);
    };
    context = lookup(FOwnerForm->Menu());
    if (!context) context = lookup(FOwnerForm->PopupMenu());
  }
  if (!Application) return;
  if (FCaptionButtons.Contains(oxbHelp) || FOwnerForm->BorderIcons().Contains(biHelp))
    Application->HelpCommand(HELP_CONTEXTPOPUP, static_cast<ULONG_PTR>(context));
  else
    Application->HelpContext(context);
}

// --- Notification area --------------------------------------------------------

void ToxForm::SetTrayIcon(TIcon* Value)
{
  FTrayIcon->Assign(Value);
  UpdateTrayIcon();
}

void ToxForm::SetTrayHint(const std::string& Value)
{
  if (Value == FTrayHint) return;
  FTrayHint = Value;
  UpdateTrayIcon();
}

void ToxForm::SetTrayMenu(TPopupMenu* Value)
{
  if (FTrayMenu) FTrayMenu->RemoveFreeNotification(this);
  FTrayMenu = Value;
  if (Value) Value->FreeNotification(this);
}

void ToxForm::SetTrayEnabled(bool Value)
{
  if (Value == FTrayEnabled) return;
  FTrayEnabled = Value;
  UpdateTrayIcon();
}

void ToxForm::UpdateTrayIcon()
{
  if (FReading || Designing() || !FOwnerForm->HandleAllocated()) return;
  FTrayData = NOTIFYICONDATAA{};
  FTrayData.cbSize = NOTIFYICONDATAA_V1_SIZE;
  FTrayData.hWnd = FOwnerForm->Handle();
  FTrayData.uID = kTrayIconId;
  FTrayData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  FTrayData.uCallbackMessage = WM_OXTRAYNOTIFY;
  if (FTrayIconRevision != FTrayIcon->Revision()) {
    FTrayIconHandle.Assign(FTrayIcon);
    FTrayIconRevision = FTrayIcon->Revision();
  }
  HICON icon = FTrayIconHandle.Handle();
  if (!icon) icon = FOwnerForm->IconHandle();
  if (!icon && Application) icon = Application->Icon().Handle();
  FTrayData.hIcon = icon;
  std::strncpy(FTrayData.szTip, FTrayHint.c_str(), 63);
  FTrayData.szTip[63] = 0;
  FTrayShown = true;
  if (!FTrayAdded && FTrayEnabled)
    Shell_NotifyIconA(NIM_ADD, &FTrayData);
  else if (FTrayAdded && !FTrayEnabled)
    Shell_NotifyIconA(NIM_DELETE, &FTrayData);
  else if (FTrayAdded && FTrayEnabled)
    Shell_NotifyIconA(NIM_MODIFY, &FTrayData);
  FTrayAdded = FTrayEnabled;
}

void ToxForm::RemoveTrayIcon()
{
  if (FTrayAdded) Shell_NotifyIconA(NIM_DELETE, &FTrayData);
  FTrayAdded = false;
  FTrayShown = false;
}

void ToxForm::TrayNotify(TMessage& Message)
{
  switch (static_cast<UINT>(Message.LParam)) {
    case WM_LBUTTONDOWN: DoTrayClick(); break;
    case WM_LBUTTONDBLCLK: DoTrayDblClk(); break;
    case WM_RBUTTONUP: {
      SetForegroundWindow(FOwnerForm->Handle());
      POINT p;
      GetCursorPos(&p);
      if (FTrayMenu) FTrayMenu->Popup(p.x, p.y);
      break;
    }
    default: break;
  }
}
