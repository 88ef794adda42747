#include "framework/controls/Controls.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <map>

#include "framework/controls/ControlHost.h"
#include "framework/menus/Menus.h"

const TTypeInfo* TypeInfo_TAlign()
{
  static const TTypeInfo* type =
      NewEnumType("TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"});
  return type;
}

const TTypeInfo* TypeInfo_TModalResult()
{
  static const TTypeInfo* t = NewIntegerType("TModalResult", otSLong, INT_MIN, INT_MAX);
  return t;
}

namespace {
TControl* captureControl = nullptr;
}

TControl* GetCaptureControl() { return captureControl; }

void SetCaptureControl(TControl* Control)
{
  captureControl = nullptr;
  if (!Control) {
    ReleaseCapture();
    return;
  }
  auto* win = dynamic_cast<TWinControl*>(Control);
  TWinControl* holder = win ? win : Control->Parent();
  if (!holder) return;
  SetCapture(holder->Handle());
  captureControl = Control;
}

namespace {
TControlHost* controlHost = nullptr;

// The client-area mouse messages a control handles itself.
bool IsMouseMessage(UINT Msg)
{
  switch (Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDBLCLK: return true;
    default: return false;
  }
}
}  // namespace

TControlHost* ControlHost() { return controlHost; }

void SetControlHost(TControlHost* Host) { controlHost = Host; }

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS(TControl)

void TControl::DeclareProperties(TClassBuilder<TControl>& c)
{
  c.Ordinal("Left", TypeInfo_Integer(), &TControl::Left, &TControl::SetLeft);
  c.Ordinal("Top", TypeInfo_Integer(), &TControl::Top, &TControl::SetTop);
  c.Ordinal("Width", TypeInfo_Integer(), &TControl::Width, &TControl::SetWidth);
  c.Ordinal("Height", TypeInfo_Integer(), &TControl::Height, &TControl::SetHeight);
  c.Ordinal("Align", TypeInfo_TAlign(), &TControl::Align, &TControl::SetAlign).Default(alNone);
  c.String("Caption", &TControl::Caption, &TControl::SetCaption);
  c.Ordinal("Color", TypeInfo_TColor(), &TControl::Color, &TControl::SetColor);
  c.Object("Font", TFont::StaticClass(), &TControl::Font, &TControl::SetFont);
  c.Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(true);
  c.Boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(true);
  c.Boolean("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint).Default(true);
  c.String("Hint", &TControl::Hint, &TControl::SetHint);
  c.Boolean("ShowHint", &TControl::ShowHint, &TControl::SetShowHint).Default(false);
  c.Ordinal("HelpContext", TypeInfo_Integer(), &TControl::HelpContext, &TControl::SetHelpContext).Default(0);
  c.Ordinal("Cursor", TypeInfo_TCursor(), &TControl::Cursor, &TControl::SetCursor).Default(crDefault);
  c.Object("PopupMenu", TPopupMenu::StaticClass(), &TControl::PopupMenu, &TControl::SetPopupMenu);
  c.Boolean("Visible", &TControl::Visible, &TControl::SetVisible).Default(true);
  c.Event("OnClick", TypeInfo_TNotifyEvent(), &TControl::OnClick);
  c.Event("OnDblClick", TypeInfo_TNotifyEvent(), &TControl::OnDblClick);
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), FFont(new TFont)
{
  FFont->OnChange = [this](TObject*) {
    if (!FSyncingFont) FParentFont = false;
    FontChanged();
  };
}

TControl::~TControl()
{
  if (captureControl == this) captureControl = nullptr;
  if (FParent) FParent->RemoveControl(this);
  delete FFont;
}

TComponent* TControl::GetParentComponent() const { return FParent; }

void TControl::SetParentComponent(TComponent* Value)
{
  if (auto* win = dynamic_cast<TWinControl*>(Value)) SetParent(win);
}

void TControl::SetParent(TWinControl* AParent)
{
  if (AParent == FParent) return;
  if (AParent == this) throw EComponentError("A control cannot have itself as its parent");
  if (FParent) FParent->RemoveControl(this);
  if (AParent) AParent->InsertControl(this);
}

TFormSite* TControl::FormSite() const
{
  const TControl* c = this;
  while (c->FParent) c = c->FParent;
  return dynamic_cast<TFormSite*>(const_cast<TControl*>(c));
}

TCustomForm* TControl::ParentForm() const
{
  TFormSite* site = FormSite();
  return site ? site->Form() : nullptr;
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
  if (FParent && FVisible && !dynamic_cast<TWinControl*>(this)) Invalidate();
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  if (FParent && FVisible && !dynamic_cast<TWinControl*>(this)) Invalidate();
}

void TControl::SetAlign(TAlign Value)
{
  FAlign = Value;
  if (FParent) FParent->AlignControls();
}

void TControl::SetVisible(bool Value)
{
  if (Value == FVisible) return;
  Invalidate();
  FVisible = Value;
  Invalidate();
  if (FParent) FParent->AlignControls();
}

void TControl::SetEnabled(bool Value)
{
  if (Value == FEnabled) return;
  FEnabled = Value;
  Invalidate();
}

void TControl::SetCaption(const std::string& Value)
{
  if (Value == FText) return;
  FText = Value;
  TextChanged();
  Perform(CM_TEXTCHANGED, 0, 0);
  Invalidate();
}

void TControl::SetShowHint(bool Value)
{
  FShowHint = Value;
  FParentShowHint = false;
}

bool TControl::EffectiveShowHint() const
{
  if (!FParentShowHint || !FParent) return FShowHint;
  return FParent->EffectiveShowHint();
}

void TControl::SetColor(TColor Value)
{
  FColor = Value;
  Invalidate();
}

void TControl::SetParentFont(bool Value)
{
  FParentFont = Value;
  if (Value) SyncParentFont();
}

void TControl::SyncParentFont()
{
  if (!FParentFont || !FParent) return;
  FSyncingFont = true;
  FFont->Assign(FParent->Font());
  FSyncingFont = false;
}

void TControl::FontChanged() { Invalidate(); }

void TControl::SetPopupMenu(TPopupMenu* Value)
{
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = Value;
  if (Value) Value->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation)
{
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam)
{
  TMessage m{Msg, WParam, LParam, 0};
  WndProc(m);
  return m.Result;
}

void TControl::DefaultHandler(TMessage& Message)
{
  if (Message.Msg == CM_HITTEST) Message.Result = HTCLIENT;
}

void TControl::WndProc(TMessage& Message)
{
  if (IsMouseMessage(Message.Msg))
    HandleMouse(Message);
  else
    DefaultHandler(Message);
}

void TControl::HandleMouse(TMessage& Message)
{
  int x = GET_X_LPARAM(Message.LParam), y = GET_Y_LPARAM(Message.LParam);
  TShiftState shift = KeysToShiftState(Message.WParam);
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      Press(Message.Msg == WM_LBUTTONDOWN ? mbLeft : Message.Msg == WM_RBUTTONDOWN ? mbRight : mbMiddle, shift, x, y);
      break;
    case WM_LBUTTONDBLCLK:
      // With CS_DBLCLKS a quick second click arrives as this message in place
      // of its press; it is still a press, or its release would click nothing.
      if (!FEnabled) break;
      OnDblClick(this);
      shift.Include(ssDouble);
      Press(mbLeft, shift, x, y);
      break;
    case WM_MOUSEMOVE: MouseMove(shift, x, y); break;
    default: {
      TMouseButton b = Message.Msg == WM_LBUTTONUP ? mbLeft : Message.Msg == WM_RBUTTONUP ? mbRight : mbMiddle;
      bool click = b == mbLeft && FPressed && FClickOnRelease && x >= 0 && y >= 0 && x < FWidth && y < FHeight;
      if (b == mbLeft) {
        FPressed = false;
        if (captureControl == this) SetCaptureControl(nullptr);
      }
      MouseUp(b, shift, x, y);
      if (click) Click();
    }
  }
}

void TControl::Press(TMouseButton Button, TShiftState Shift, int X, int Y)
{
  // A disabled control takes no press: graphic ones get theirs delivered
  // straight (caption buttons), and must not hold the mouse.
  if (!FEnabled) return;
  if (FCaptureOnPress && Button == mbLeft) SetCaptureControl(this);
  FPressed = Button == mbLeft;
  MouseDown(Button, Shift, X, Y);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
  OnMouseDown(this, Button, Shift, X, Y);
}
void TControl::MouseMove(TShiftState, int, int) {}
void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) { OnMouseUp(this, Button, Shift, X, Y); }

void TControl::Click() { OnClick(this); }

void TControl::Invalidate()
{
  if (!FParent || !FParent->HandleAllocated()) return;
  RECT r = BoundsRect();
  InvalidateRect(FParent->Handle(), &r, TRUE);
}

void TControl::Repaint()
{
  Invalidate();
  if (FParent && FParent->HandleAllocated()) UpdateWindow(FParent->Handle());
}

POINT TControl::ClientToScreen(POINT P) const
{
  if (auto* win = dynamic_cast<const TWinControl*>(this)) {
    ::ClientToScreen(const_cast<TWinControl*>(win)->Handle(), &P);
    return P;
  }
  if (!FParent) return P;
  return FParent->ClientToScreen(POINT{P.x + FLeft, P.y + FTop});
}

POINT TControl::ScreenToClient(POINT P) const
{
  if (auto* win = dynamic_cast<const TWinControl*>(this)) {
    ::ScreenToClient(const_cast<TWinControl*>(win)->Handle(), &P);
    return P;
  }
  if (!FParent) return P;
  POINT q = FParent->ScreenToClient(P);
  return POINT{q.x - FLeft, q.y - FTop};
}

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS_NOPROPS(TGraphicControl)

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}
TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WndProc(TMessage& Message)
{
  if (Message.Msg == WM_PAINT) {
    Paint();
    return;
  }
  inherited::WndProc(Message);
}

// ---------------------------------------------------------------------------

namespace {
// The object whose window is being created: the window procedure binds the
// first message of a new window to it, before WM_NCCREATE even.
TWinControl* creationControl = nullptr;
std::map<std::string, WNDPROC>& RegisteredClasses()
{
  static std::map<std::string, WNDPROC> classes;
  return classes;
}
}  // namespace

QV_IMPLEMENT_CLASS(TWinControl)

void TWinControl::DeclareProperties(TClassBuilder<TWinControl>& c)
{
  c.Ordinal("TabOrder", TypeInfo_Integer(), &TWinControl::TabOrder, &TWinControl::SetTabOrder).Default(-1);
  c.Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(false);
  c.Event("OnEnter", TypeInfo_TNotifyEvent(), &TWinControl::OnEnter);
  c.Event("OnExit", TypeInfo_TNotifyEvent(), &TWinControl::OnExit);
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) { FCaptureOnPress = false; }

TWinControl::~TWinControl()
{
  // Children that are not owned by us (owned by the form) only lose their parent.
  while (!FControls.empty()) FControls.back()->SetParent(nullptr);
  DestroyHandle();
}

TWinControl* TWinControl::FromHandle(HWND Window)
{
  if (!Window) return nullptr;
  DWORD pid = 0;
  GetWindowThreadProcessId(Window, &pid);
  if (pid != GetCurrentProcessId()) return nullptr;
  WNDPROC proc = reinterpret_cast<WNDPROC>(GetClassLongPtrA(Window, GCLP_WNDPROC));
  if (proc != StaticWndProc) return nullptr;
  return reinterpret_cast<TWinControl*>(GetWindowLongPtrA(Window, GWLP_USERDATA));
}

void TWinControl::InsertControl(TControl* Control)
{
  Control->FParent = this;
  FControls.push_back(Control);
  Control->SyncParentFont();
  if (auto* win = dynamic_cast<TWinControl*>(Control); win && HandleAllocated()) win->HandleNeeded();
  Control->Invalidate();
  if (Control->FAlign != alNone) AlignControls();
}

void TWinControl::RemoveControl(TControl* Control)
{
  Control->Invalidate();
  if (auto* win = dynamic_cast<TWinControl*>(Control)) win->DestroyHandle();
  FControls.erase(std::remove(FControls.begin(), FControls.end(), Control), FControls.end());
  Control->FParent = nullptr;
}

void TWinControl::CreateParams(TCreateParams& Params)
{
  Params.Caption = FText;
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS | (Visible() ? WS_VISIBLE : 0) | (Enabled() ? 0 : WS_DISABLED) |
                 (FTabStop ? WS_TABSTOP : 0);
  Params.X = Left();
  Params.Y = Top();
  Params.Width = Width();
  Params.Height = Height();
  if (Parent()) Params.WndParent = Parent()->Handle();
  Params.WinClassName = "Qv" + ClassName();
  Params.Background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
}

WNDPROC TWinControl::RegisterWindowClass(const TCreateParams& Params)
{
  auto& classes = RegisteredClasses();
  auto found = classes.find(Params.WinClassName);
  if (found != classes.end()) return found->second;
  WNDCLASSA wc{};
  WNDPROC defProc = DefWindowProcA;
  if (!Params.BaseClassName.empty()) {
    if (!GetClassInfoA(nullptr, Params.BaseClassName.c_str(), &wc))
      throw EOutOfResources("Window class " + Params.BaseClassName + " not found");
    defProc = wc.lpfnWndProc;
  } else {
    wc.style = Params.ClassStyle;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = Params.Background;
  }
  wc.lpfnWndProc = StaticWndProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = Params.WinClassName.c_str();
  if (!RegisterClassA(&wc)) throw EOutOfResources("Cannot register window class " + Params.WinClassName);
  classes[Params.WinClassName] = defProc;
  return defProc;
}

void TWinControl::CreateWnd()
{
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && !params.WndParent)
    throw EComponentError("Control '" + Name() + "' has no parent window");
  FDefWndProc = RegisterWindowClass(params);
  TWinControl* previous = creationControl;
  creationControl = this;
  HWND window = CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
                                params.X, params.Y, params.Width, params.Height, params.WndParent, params.Menu,
                                GetModuleHandleA(nullptr), this);
  creationControl = previous;
  if (!window) throw EOutOfResources("Error creating window of " + Name());
  FHandle = window;
  UpdateFont();
  InitializeWnd();
}

HWND TWinControl::Handle()
{
  if (!FHandle && !FCreating) {
    FCreating = true;
    try {
      if (Parent()) Parent()->HandleNeeded();
      if (!FHandle) CreateWnd();
    } catch (...) {
      FCreating = false;
      throw;
    }
    FCreating = false;
    for (TControl* child : FControls) {
      if (auto* win = dynamic_cast<TWinControl*>(child)) win->HandleNeeded();
    }
  }
  return FHandle;
}

void TWinControl::DestroyWnd()
{
  if (FHandle) {
    int length = GetWindowTextLengthA(FHandle);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(FHandle, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    FText = text;
  }
}

void TWinControl::DestroyHandle()
{
  if (!FHandle) return;
  for (TControl* child : FControls) {
    if (auto* win = dynamic_cast<TWinControl*>(child)) win->DestroyHandle();
  }
  DestroyWnd();
  HWND window = FHandle;
  DestroyWindow(window);
  FHandle = nullptr;
  FFontHandle.Reset();
}

void TWinControl::RecreateWnd()
{
  if (!FHandle) return;
  DestroyHandle();
  HandleNeeded();
}

LRESULT CALLBACK TWinControl::StaticWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
  auto* self = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(Window, GWLP_USERDATA));
  if (!self && creationControl) {
    self = creationControl;
    creationControl = nullptr;
    self->FHandle = Window;
    SetWindowLongPtrA(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (!self) return DefWindowProcA(Window, Msg, WParam, LParam);
  TMessage m{Msg, WParam, LParam, 0};
  ++self->FDispatchDepth;
  try {
    self->WndProc(m);
  } catch (...) {
    HandleCallbackException();
  }
  --self->FDispatchDepth;
  if (Msg == WM_NCDESTROY) {
    SetWindowLongPtrA(Window, GWLP_USERDATA, 0);
    if (self->FHandle == Window) self->FHandle = nullptr;
  }
  // A release requested while the window was busy happens once it is idle.
  self->FreeIfReleased();
  return m.Result;
}

TWinControl* TWinControl::BeginOuterDispatch(HWND Window)
{
  TWinControl* control = FromHandle(Window);
  if (control) ++control->FDispatchDepth;
  return control;
}

void TWinControl::EndOuterDispatch(TWinControl* Control)
{
  if (!Control) return;
  --Control->FDispatchDepth;
  Control->FreeIfReleased();
}

void TWinControl::FreeIfReleased()
{
  if (!FFreePending || FDispatchDepth != 0) return;
  // Cleared first: destroying the window sends it messages again.
  FFreePending = false;
  delete this;
}

namespace {
HWND DrawnControl(HWND Parent, const TMessage& Message)
{
  if (Message.Msg == WM_DRAWITEM) {
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
    if (draw->CtlType != ODT_MENU) return draw->hwndItem;
  }
  return Message.WParam ? GetDlgItem(Parent, static_cast<int>(Message.WParam)) : nullptr;
}
}  // namespace

bool TWinControl::ReflectToChild(HWND Item, TMessage& Message)
{
  TWinControl* child = Item ? FromHandle(Item) : nullptr;
  if (!child) return false;
  TMessage reflected{CN_BASE + Message.Msg, Message.WParam, Message.LParam, 0};
  child->Notify(reflected);
  Message.Result = reflected.Result;
  return true;
}

void TWinControl::WndProc(TMessage& Message)
{
  if (IsMouseMessage(Message.Msg)) {
    RouteMouse(Message);
    return;
  }
  switch (Message.Msg) {
    case WM_PAINT:
      if (WantsOwnPaint() || !FControls.empty()) {
        qv::PaintDC dc(FHandle);
        if (WantsOwnPaint()) PaintWindow(dc.get());
        PaintControls(dc.get());
        return;
      }
      break;
    case WM_COMMAND:
      if (ReflectToChild(reinterpret_cast<HWND>(Message.LParam), Message)) return;
      break;
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
      // Our controls have no ids, so a drawn control is found by its window.
      if (ReflectToChild(DrawnControl(FHandle, Message), Message)) return;
      break;
    case WM_CAPTURECHANGED:
      if (captureControl && (captureControl == this || captureControl->Parent() == this) &&
          reinterpret_cast<HWND>(Message.LParam) != FHandle)
        captureControl = nullptr;
      break;
    case WM_SETCURSOR:
      if (HandleSetCursor(Message)) return;
      break;
    case WM_CONTEXTMENU:
      if (PopupMenu() && PopupMenu()->AutoPopup()) {
        POINT p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
        if (p.x == -1 && p.y == -1) p = ClientToScreen(POINT{0, 0});
        PopupMenu()->SetPopupComponent(this);
        PopupMenu()->Popup(p.x, p.y);
        return;
      }
      break;
    case WM_SIZE: AlignControls(); break;
    case CM_HITTEST: Message.Result = HTCLIENT; return;
    case CM_RELEASE: FFreePending = true; return;
    default: break;
  }
  DefaultHandler(Message);
  if (Message.Msg < CM_BASE && FHandle)
    Message.Result = CallWindowProcA(FDefWndProc ? FDefWndProc : DefWindowProcA, FHandle, Message.Msg, Message.WParam,
                                     Message.LParam);
  // After the window's own handling, so an edit has its caret when told.
  if (Message.Msg == WM_SETFOCUS)
    OnEnter(this);
  else if (Message.Msg == WM_KILLFOCUS)
    OnExit(this);
}

void TWinControl::RouteMouse(TMessage& Message)
{
  POINT p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
  // The hint delay follows the pointer over graphic children too, which
  // never see a message of their own; a held button shows no hints.
  if (Message.Msg == WM_MOUSEMOVE && !captureControl && controlHost) controlHost->NoteMouseOver(this, p);
  TControl* target = nullptr;
  if (captureControl && captureControl->Parent() == this)
    target = captureControl;
  else if (Message.Msg != WM_MOUSEMOVE || !captureControl)
    target = ControlAtPos(p, false);
  if (target && !dynamic_cast<TWinControl*>(target)) {
    LPARAM local = MAKELPARAM(static_cast<WORD>(p.x - target->Left()), static_cast<WORD>(p.y - target->Top()));
    Message.Result = target->Perform(Message.Msg, Message.WParam, local);
    return;
  }
  Message.Result =
      CallWindowProcA(FDefWndProc ? FDefWndProc : DefWindowProcA, FHandle, Message.Msg, Message.WParam, Message.LParam);
  TControl::HandleMouse(Message);
}

bool TWinControl::HandleSetCursor(TMessage& Message)
{
  if (LOWORD(Message.LParam) != HTCLIENT) return false;
  TCursor cursor = controlHost ? controlHost->ScreenCursor() : crDefault;
  if (cursor == crDefault) {
    POINT p;
    GetCursorPos(&p);
    ::ScreenToClient(FHandle, &p);
    TControl* c = ControlAtPos(p, true);
    cursor = c ? c->Cursor() : Cursor();
  }
  if (cursor == crDefault || !controlHost || !controlHost->ApplyCursor(cursor)) return false;
  Message.Result = TRUE;
  return true;
}

TControl* TWinControl::ControlAtPos(POINT P, bool AllowDisabled) const
{
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (!c->Visible() || (!AllowDisabled && !c->Enabled())) continue;
    if (P.x < c->Left() || P.y < c->Top() || P.x >= c->Left() + c->Width() || P.y >= c->Top() + c->Height()) continue;
    LPARAM local = MAKELPARAM(static_cast<WORD>(P.x - c->Left()), static_cast<WORD>(P.y - c->Top()));
    if (c->Perform(CM_HITTEST, 0, local) != 0) return c;
  }
  return nullptr;
}

void TWinControl::PaintWindow(HDC DC)
{
  RECT r;
  GetClientRect(FHandle, &r);
  qv::BrushHandle brush(CreateSolidBrush(ColorToRGB(Color())));
  FillRect(DC, &r, brush.get());
}

void TWinControl::PaintControls(HDC DC)
{
  for (TControl* c : FControls) {
    auto* g = dynamic_cast<TGraphicControl*>(c);
    if (!g || !g->Visible()) continue;
    RECT bounds = g->BoundsRect();
    if (!RectVisible(DC, &bounds)) continue;
    TSavedDC saved(DC);
    IntersectClipRect(DC, bounds.left, bounds.top, bounds.right, bounds.bottom);
    SetViewportOrgEx(DC, bounds.left, bounds.top, nullptr);
    TCanvasDC attached(g->Canvas(), DC);
    g->Perform(WM_PAINT, 0, 0);
  }
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
  TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FHandle) MoveWindow(FHandle, ALeft, ATop, AWidth, AHeight, TRUE);
}

RECT TWinControl::ClientRect() const
{
  RECT r{0, 0, Width(), Height()};
  if (FHandle) GetClientRect(FHandle, &r);
  return r;
}

void TWinControl::SetVisible(bool Value)
{
  TControl::SetVisible(Value);
  if (FHandle) ShowWindow(FHandle, Value ? SW_SHOW : SW_HIDE);
}

void TWinControl::SetEnabled(bool Value)
{
  TControl::SetEnabled(Value);
  if (FHandle) EnableWindow(FHandle, Value);
}

std::string TWinControl::Caption() const
{
  if (!FHandle) return FText;
  int length = GetWindowTextLengthA(FHandle);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(FHandle, text.data(), length + 1);
  text.resize(static_cast<size_t>(length));
  return text;
}

void TWinControl::SetCaption(const std::string& Value)
{
  if (Value == Caption()) return;
  FText = Value;
  if (FHandle) SetWindowTextA(FHandle, Value.c_str());
  TextChanged();
  Perform(CM_TEXTCHANGED, 0, 0);
}

void TWinControl::Invalidate()
{
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

void TWinControl::UpdateFont()
{
  if (FHandle) SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFontHandle.Handle(*Font())), TRUE);
}

void TWinControl::FontChanged()
{
  UpdateFont();
  for (TControl* c : FControls) c->SyncParentFont();
  Invalidate();
}

void TWinControl::AlignControls()
{
  RECT r = ClientRect();
  for (TControl* c : FControls) {
    if (!c->Visible() || c->Align() == alNone) continue;
    switch (c->Align()) {
      case alTop:
        c->SetBounds(r.left, r.top, r.right - r.left, c->Height());
        r.top += c->Height();
        break;
      case alBottom:
        c->SetBounds(r.left, r.bottom - c->Height(), r.right - r.left, c->Height());
        r.bottom -= c->Height();
        break;
      case alLeft:
        c->SetBounds(r.left, r.top, c->Width(), r.bottom - r.top);
        r.left += c->Width();
        break;
      case alRight:
        c->SetBounds(r.right - c->Width(), r.top, c->Width(), r.bottom - r.top);
        r.right -= c->Width();
        break;
      default: c->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top); break;
    }
  }
}
