#include "framework/forms/Forms.h"

#include <windowsx.h>

#include <commctrl.h>

#include "framework/controls/ControlClasses.h"
#include "framework/controls/ControlHost.h"
#include "framework/menus/Menus.h"
#include "framework/objects/FormFile.h"

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

const TTypeInfo* TypeInfo_TFormBorderStyle()
{
  static const TTypeInfo* t = NewEnumType(
      "TFormBorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"});
  return t;
}
const TTypeInfo* TypeInfo_TBorderIcons()
{
  static const TTypeInfo* t =
      NewSetType("TBorderIcons", NewEnumType("TBorderIcon", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}));
  return t;
}
const TTypeInfo* TypeInfo_TPosition()
{
  static const TTypeInfo* t =
      NewEnumType("TPosition", {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter"});
  return t;
}
const TTypeInfo* TypeInfo_TFormStyle()
{
  static const TTypeInfo* t = NewEnumType("TFormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"});
  return t;
}
const TTypeInfo* TypeInfo_TWindowState()
{
  static const TTypeInfo* t = NewEnumType("TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"});
  return t;
}
// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS(TCustomForm)

void TCustomForm::DeclareProperties(TClassBuilder<TCustomForm>& c)
{
  c.Ordinal("BorderIcons", TypeInfo_TBorderIcons(), &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons)
      .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize}.ToInt());
  c.Ordinal("BorderStyle", TypeInfo_TFormBorderStyle(), &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle)
      .Default(bsSizeable);
  c.Ordinal("ClientWidth", TypeInfo_Integer(), &TCustomForm::GetClientWidth, &TCustomForm::SetClientWidth)
      .Stored(false);
  c.Ordinal("ClientHeight", TypeInfo_Integer(), &TCustomForm::GetClientHeight, &TCustomForm::SetClientHeight)
      .Stored(false);
  c.Ordinal("FormStyle", TypeInfo_TFormStyle(), &TCustomForm::FormStyle, &TCustomForm::SetFormStyle).Default(fsNormal);
  c.Object("Icon", TIcon::StaticClass(), &TCustomForm::Icon, &TCustomForm::SetIcon);
  c.Boolean("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview).Default(false);
  c.Object("Menu", TMainMenu::StaticClass(), &TCustomForm::Menu, &TCustomForm::SetMenu);
  c.Ordinal("ModalResult", TypeInfo_TModalResult(), &TCustomForm::ModalResult, &TCustomForm::SetModalResult)
      .Stored(false);
  c.Ordinal("Position", TypeInfo_TPosition(), &TCustomForm::Position, &TCustomForm::SetPosition).Default(poDesigned);
  c.Ordinal("WindowState", TypeInfo_TWindowState(), &TCustomForm::WindowState, &TCustomForm::SetWindowState)
      .Default(wsNormal);
  c.Event("OnCreate", TypeInfo_TNotifyEvent(), &TCustomForm::OnCreate);
  c.Event("OnDestroy", TypeInfo_TNotifyEvent(), &TCustomForm::OnDestroy);
  c.Event("OnResize", TypeInfo_TNotifyEvent(), &TCustomForm::OnResize);
  c.Event("OnShow", TypeInfo_TNotifyEvent(), &TCustomForm::OnShow);
  c.Event("OnClose", NewMethodType("TCloseEvent"), &TCustomForm::OnClose);
}

QV_IMPLEMENT_CLASS_NOPROPS(TForm)

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner), FIcon(new TIcon)
{
  StoreVisible(false);
  StoreBounds(0, 0, 320, 240);
  SetColor(clBtnFace);
  if (Screen) Screen->FForms.push_back(this);
}

TCustomForm::~TCustomForm()
{
  DoDestroy();
  if (Screen) {
    auto& forms = Screen->FForms;
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
    if (Screen->FActiveForm == this) Screen->FActiveForm = nullptr;
  }
  if (Application && Application->FMainForm == this) Application->FMainForm = nullptr;
  DestroyHandle();
  delete FIcon;
}

void TCustomForm::InitializeForm()
{
  RegisterControlClasses();
  InitComponentFromResources(this, TForm::StaticClass());
  DoCreate();
  if (Visible()) {
    StoreVisible(false);
    Show();
  }
}

void TCustomForm::Loaded()
{
  inherited::Loaded();
  if (FClientWidth > 0 || FClientHeight > 0) {
    // Client sizes read from the form file become outer sizes once the
    // frame (border style, menu) is known.
    RECT r{0, 0, FClientWidth > 0 ? FClientWidth : ClientWidth(), FClientHeight > 0 ? FClientHeight : ClientHeight()};
    TCreateParams p;
    CreateParams(p);
    AdjustWindowRectEx(&r, p.Style, FMenu != nullptr, p.ExStyle);
    StoreBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
  }
}

void TCustomForm::DoCreate()
{
  FCreated = true;
  OnCreate(this);
}

void TCustomForm::DoDestroy()
{
  if (!FCreated || FDestroyed) return;
  FDestroyed = true;
  OnDestroy(this);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value)
{
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value)
{
  if (Value == FBorderIcons) return;
  FBorderIcons = Value;
  RecreateWnd();
}

void TCustomForm::SetClientWidth(int Value)
{
  FClientWidth = Value;
  if (HandleAllocated()) SetWidth(Width() + Value - ClientWidth());
}

void TCustomForm::SetClientHeight(int Value)
{
  FClientHeight = Value;
  if (HandleAllocated()) SetHeight(Height() + Value - ClientHeight());
}

TWindowState TCustomForm::WindowState() const
{
  if (HandleAllocated()) {
    HWND h = const_cast<TCustomForm*>(this)->Handle();
    if (IsIconic(h)) return wsMinimized;
    if (IsZoomed(h)) return wsMaximized;
    return IsWindowVisible(h) ? wsNormal : FWindowState;
  }
  return FWindowState;
}

void TCustomForm::SetWindowState(TWindowState Value)
{
  FWindowState = Value;
  if (HandleAllocated() && Visible())
    ShowWindow(Handle(), Value == wsMinimized ? SW_MINIMIZE : Value == wsMaximized ? SW_MAXIMIZE : SW_RESTORE);
}

void TCustomForm::SetMenu(TMainMenu* Value)
{
  if (FMenu) FMenu->RemoveFreeNotification(this);
  FMenu = Value;
  if (Value) Value->FreeNotification(this);
  ApplyMenu();
}

void TCustomForm::ApplyMenu()
{
  if (!HandleAllocated()) return;
  ::SetMenu(Handle(), FMenu ? FMenu->Handle() : nullptr);
  DrawMenuBar(Handle());
}

HICON TCustomForm::IconHandle()
{
  if (FIconRevision != FIcon->Revision()) {
    FIconHandle.Assign(FIcon);
    FIconRevision = FIcon->Revision();
  }
  return FIconHandle.Handle();
}

void TCustomForm::CreateParams(TCreateParams& Params)
{
  inherited::CreateParams(Params);
  Params.WinClassName = "QvForm";
  Params.WndParent = nullptr;
  Params.Style = WS_CLIPCHILDREN;
  bool sysMenu = FBorderIcons.Contains(biSystemMenu);
  switch (FBorderStyle) {
    case bsNone: Params.Style |= WS_POPUP; break;
    case bsSingle:
    case bsToolWindow: Params.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable:
    case bsSizeToolWin: Params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
      Params.Style |= WS_CAPTION | WS_DLGFRAME;
      Params.ExStyle |= WS_EX_DLGMODALFRAME;
      break;
  }
  if (FBorderStyle != bsNone && sysMenu) Params.Style |= WS_SYSMENU;
  if (FBorderStyle == bsSingle || FBorderStyle == bsSizeable) {
    if (sysMenu && FBorderIcons.Contains(biMinimize)) Params.Style |= WS_MINIMIZEBOX;
    if (sysMenu && FBorderIcons.Contains(biMaximize)) Params.Style |= WS_MAXIMIZEBOX;
  }
  if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) Params.ExStyle |= WS_EX_TOOLWINDOW;
  if (FBorderIcons.Contains(biHelp) && !(Params.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
    Params.ExStyle |= WS_EX_CONTEXTHELP;
  if (FFormStyle == fsStayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
}

void TCustomForm::CreateWnd()
{
  inherited::CreateWnd();
  ApplyMenu();
  HICON icon = IconHandle();
  if (!icon && Application) icon = Application->Icon().Handle();
  if (icon) SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

void TCustomForm::DestroyWnd()
{
  // The menu bar belongs to the menu component; keep it out of DestroyWindow.
  if (HandleAllocated() && FMenu) ::SetMenu(Handle(), nullptr);
  inherited::DestroyWnd();
}

void TCustomForm::CenterOnScreen()
{
  int x = (GetSystemMetrics(SM_CXSCREEN) - Width()) / 2;
  int y = (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2;
  SetBounds(x, y, Width(), Height());
}

void TCustomForm::SetVisible(bool Value)
{
  if (Value == Visible() && (!Value || (HandleAllocated() && IsWindowVisible(Handle())))) return;
  if (!Value) {
    StoreVisible(false);
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
    return;
  }
  if (FPosition == poScreenCenter) CenterOnScreen();
  HWND h = Handle();
  StoreVisible(true);
  ShowWindow(h, FWindowState == wsMaximized   ? SW_SHOWMAXIMIZED
                : FWindowState == wsMinimized ? SW_SHOWMINIMIZED
                                              : SW_SHOW);
}

void TCustomForm::Show()
{
  SetVisible(true);
  SetForegroundWindow(Handle());
}

bool TCustomForm::Active() const { return Screen && Screen->FActiveForm == this; }

namespace {
struct DisabledWindows {
  HWND except;
  std::vector<HWND> list;
};
BOOL CALLBACK DisableOne(HWND window, LPARAM param)
{
  auto* d = reinterpret_cast<DisabledWindows*>(param);
  if (window != d->except && IsWindowVisible(window) && IsWindowEnabled(window)) {
    d->list.push_back(window);
    EnableWindow(window, FALSE);
  }
  return TRUE;
}
}  // namespace

TModalResult TCustomForm::ShowModal()
{
  if (Visible() || FModal) throw EComponentError("Cannot make a visible window modal");
  FModalResult = mrNone;
  if (qv::IDialogAnswerer* answerer = qv::DialogAnswerer()) {
    if (auto answer = answerer->AnswerShowModal(*this)) return FModalResult = *answer;
  }
  HWND self = Handle();
  DisabledWindows disabled{self, {}};
  EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&disabled));
  FModal = true;
  try {
    Show();
    while (FModalResult == mrNone) {
      Application->HandleMessage();
      if (Application->Terminated()) FModalResult = mrCancel;
    }
  } catch (...) {
    for (HWND w : disabled.list) EnableWindow(w, TRUE);
    FModal = false;
    throw;
  }
  // Windows are enabled again before the hide, so activation returns to them.
  for (HWND w : disabled.list) EnableWindow(w, TRUE);
  Hide();
  FModal = false;
  return FModalResult;
}

void TCustomForm::DoClose(TCloseAction& Action) { OnClose(this, Action); }

void TCustomForm::Close()
{
  if (FModal) {
    FModalResult = mrCancel;
    return;
  }
  TCloseAction action = (Application && Application->MainForm() == this) ? caFree : caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application && Application->MainForm() == this) {
    Application->Terminate();
  } else if (action == caHide) {
    Hide();
  } else if (action == caFree) {
    Release();
  } else if (action == caMinimize) {
    SetWindowState(wsMinimized);
  }
}

void TCustomForm::Release() { PostMessageA(Handle(), CM_RELEASE, 0, 0); }

bool TCustomForm::IsShortCut(const MSG& Msg) { return FMenu && FMenu->IsShortCut(Msg); }

void TCustomForm::WndProc(TMessage& Message)
{
  switch (Message.Msg) {
    case WM_CLOSE: Close(); return;
    case WM_SIZE:
    case WM_MOVE: {
      inherited::WndProc(Message);
      RECT r;
      GetWindowRect(Handle(), &r);
      if (!IsIconic(Handle()) && !IsZoomed(Handle())) StoreBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
      if (Message.Msg == WM_SIZE) OnResize(this);
      return;
    }
    case WM_SHOWWINDOW:
      inherited::WndProc(Message);
      if (Message.WParam) OnShow(this);
      return;
    case WM_ACTIVATE:
      if (Screen && LOWORD(Message.WParam) != WA_INACTIVE) Screen->FActiveForm = this;
      if (LOWORD(Message.WParam) == WA_INACTIVE) RestoreFocus(false);
      inherited::WndProc(Message);
      if (LOWORD(Message.WParam) != WA_INACTIVE && !HIWORD(Message.WParam)) RestoreFocus(true);
      return;
    case WM_COMMAND:
      if (Message.LParam == 0 && FMenu && FMenu->DispatchCommand(LOWORD(Message.WParam))) return;
      break;
    case WM_INITMENUPOPUP:
      if (FMenu && FMenu->DispatchPopup(reinterpret_cast<HMENU>(Message.WParam))) return;
      break;
    case WM_MENUSELECT:
      if (FMenu && Application) {
        TMenuItem* item = (HIWORD(Message.WParam) & MF_POPUP)
                              ? FMenu->FindItem(reinterpret_cast<UINT_PTR>(GetSubMenu(
                                                    reinterpret_cast<HMENU>(Message.LParam), LOWORD(Message.WParam))),
                                                fkHandle)
                              : FMenu->FindItem(LOWORD(Message.WParam), fkCommand);
        Application->SetHint(item ? item->Hint() : std::string());
      }
      break;
    case CM_RELEASE: DoDestroy(); break;
    default: break;
  }
  inherited::WndProc(Message);
}

// ---------------------------------------------------------------------------

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS_NOPROPS(TApplication)

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner)
{
  FWindow = std::make_unique<TMessageWindow>(nullptr);
  HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "MAINICON", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
  FIcon.SetHandle(icon);
}

TApplication::~TApplication()
{
  // The help window the program opened closes with it.
  if (FHelpOpened) WinHelpA(nullptr, FHelpFile.c_str(), HELP_QUIT, 0);
  FHints.SetShowHint(false);
  // Forms run their OnDestroy while the whole form object still exists.
  for (int i = ComponentCount() - 1; i >= 0; --i) {
    if (auto* form = dynamic_cast<TCustomForm*>(Components(i))) form->DoDestroy();
  }
  DestroyComponents();
  FWindow.reset();
}

void TApplication::Run()
{
  if (FMainForm) FMainForm->Show();
  while (!FTerminated) HandleMessage();
}

bool TApplication::PreTranslate(MSG& Msg)
{
  if (Msg.message == WM_KEYDOWN || Msg.message == WM_SYSKEYDOWN || Msg.message == WM_CHAR ||
      Msg.message == WM_SYSCHAR) {
    HWND top = GetAncestor(Msg.hwnd, GA_ROOT);
    if (auto* form = dynamic_cast<TCustomForm*>(TWinControl::FromHandle(top))) {
      const bool keyDown = Msg.message == WM_KEYDOWN || Msg.message == WM_SYSKEYDOWN;
      if (keyDown && form->IsShortCut(Msg)) return true;
      if (form->DialogKey(Msg)) return true;
    }
  }
  if (Msg.message == WM_LBUTTONDOWN || Msg.message == WM_RBUTTONDOWN || Msg.message == WM_KEYDOWN) FHints.CancelHint();
  return false;
}

// Every message taken by one of the application's loops (the main loop, a
// modal form's, a walk's pumping) passes here. Shortcut keys run their
// commands right here, outside any window procedure, so this is where a
// command's unhandled failure ends: the error box shows it and the loop goes
// on with the next message, instead of the failure unwinding the loop.
void TApplication::DispatchOne(MSG& Msg)
{
  try {
    if (PreTranslate(Msg)) return;
    TranslateMessage(&Msg);
    DispatchMessageA(&Msg);
  } catch (...) {
    HandleException(this);
  }
}

void TApplication::HandleMessage()
{
  MSG msg;
  BOOL got = GetMessageA(&msg, nullptr, 0, 0);
  if (got == 0 || got == -1) {
    FTerminated = true;
    return;
  }
  DispatchOne(msg);
}

void TApplication::ProcessMessages()
{
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      FTerminated = true;
      return;
    }
    DispatchOne(msg);
  }
}

void TApplication::Terminate()
{
  if (FTerminated) return;
  FTerminated = true;
  PostQuitMessage(0);
}

void TApplication::HandleException(TObject* Sender)
{
  try {
    throw;
  } catch (const std::exception& e) {
    if (OnException)
      OnException(Sender, e);
    else
      ShowException(e);
  } catch (...) {
    ShowException(Exception("Unknown failure"));
  }
}

void TApplication::ShowException(const std::exception& E)
{
  // A failure while the box is up (from a repaint behind it) is not shown twice.
  if (FHandlingException) return;
  FHandlingException = true;
  std::string text = E.what();
  if (!text.empty() && text.back() != '.') text += '.';
  try {
    MessageBox(text, qv::TMsgBoxKind::Error);
  } catch (...) {}
  FHandlingException = false;
}

// The box belongs to the window the user works in, so that it is modal to it
// and comes back with it; when no visible window of ours is active (a dialog
// has just closed, the program is in the background) the main form owns it.
HWND TApplication::BoxOwner() const
{
  HWND active = GetActiveWindow();
  if (active && IsWindowVisible(active)) return active;
  if (FMainForm && FMainForm->HandleAllocated() && IsWindowVisible(FMainForm->Handle())) return FMainForm->Handle();
  return nullptr;
}

int TApplication::MessageBox(const std::string& Text, qv::TMsgBoxKind Kind)
{
  return qv::ShowMessageBox(Text, FTitle, Kind, BoxOwner());
}

void TApplication::SetHint(const std::string& Value)
{
  FHint = Value;
  OnHint(this);
}

bool TApplication::HelpCommand(UINT Command, ULONG_PTR Data)
{
  if (OnHelp) return OnHelp(Command, Data);
  HWND owner = FMainForm && FMainForm->HandleAllocated() ? FMainForm->Handle() : nullptr;
  FHelpOpened = Command != HELP_QUIT;
  return WinHelpA(owner, FHelpFile.c_str(), Command, Data) != FALSE;
}

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS_NOPROPS(TScreen)

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner)
{
  struct {
    TCursor id;
    LPCSTR name;
  } table[] = {
      {crDefault, IDC_ARROW},        {crArrow, IDC_ARROW},       {crCross, IDC_CROSS},    {crIBeam, IDC_IBEAM},
      {crSize, IDC_SIZEALL},         {crSizeNESW, IDC_SIZENESW}, {crSizeNS, IDC_SIZENS},  {crSizeNWSE, IDC_SIZENWSE},
      {crSizeWE, IDC_SIZEWE},        {crUpArrow, IDC_UPARROW},   {crHourGlass, IDC_WAIT}, {crNo, IDC_NO},
      {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},         {crHandPoint, IDC_HAND}, {crSizeAll, IDC_SIZEALL}};
  for (const auto& entry : table) FCursors[entry.id] = LoadCursorA(nullptr, entry.name);
  FCursors[crNone] = nullptr;
}

HCURSOR TScreen::Cursors(int Index) const
{
  auto it = FCursors.find(Index);
  return it != FCursors.end() ? it->second : FCursors.at(crDefault);
}

void TScreen::SetCursors(int Index, HCURSOR Cursor)
{
  FCursors[Index] = Cursor ? Cursor : LoadCursorA(nullptr, IDC_ARROW);
}

void TScreen::SetCursor(TCursor Value)
{
  FCursor = Value;
  ::SetCursor(Cursors(Value == crDefault ? crArrow : Value));
}

// ---------------------------------------------------------------------------

namespace {
// What the layers below ask of the application and the screen, answered
// from whichever of the two exists at the time of the call.
class TApplicationHost final : public TControlHost {
public:
  void NoteMouseOver(TWinControl* Window, POINT ClientPos) override
  {
    if (Application) Application->NoteMouseOver(Window, ClientPos);
  }
  TCursor ScreenCursor() const override { return Screen ? Screen->Cursor() : crDefault; }
  bool ApplyCursor(TCursor Cursor) override
  {
    if (!Screen) return false;
    ::SetCursor(Screen->Cursors(Cursor));
    return true;
  }
  HWND MainWindow() const override
  {
    return Application && Application->MainForm() && Application->MainForm()->HandleAllocated()
               ? Application->MainForm()->Handle()
               : nullptr;
  }
};

TApplicationHost applicationHost;

void InstallApplicationHost()
{
  SetExceptionReport([](const std::exception& E) {
    if (Application) Application->ShowException(E);
  });
  SetControlHost(&applicationHost);
  TMenuEvents& menus = MenuEvents();
  menus.OnHint = [](const std::string& Hint) {
    if (Application) Application->SetHint(Hint);
  };
  menus.OnHelp = [](int Context) {
    TCustomForm* active = Screen ? Screen->ActiveForm() : nullptr;
    if (!active || !Application) return;
    if (active->BorderIcons().Contains(biHelp))
      Application->HelpCommand(HELP_CONTEXTPOPUP, static_cast<ULONG_PTR>(Context));
    else
      Application->HelpContext(Context);
  };
  menus.OnBarChanged = [](TMainMenu* Menu) {
    auto* form = dynamic_cast<TCustomForm*>(Menu->Owner());
    if (form && form->Menu() == Menu && form->HandleAllocated()) DrawMenuBar(form->Handle());
  };
}

void RemoveApplicationHost()
{
  MenuEvents() = TMenuEvents{};
  SetControlHost(nullptr);
  SetExceptionReport(nullptr);
}
}  // namespace

TApplicationScope::TApplicationScope()
{
  InstallApplicationHost();
  SetFormResourceFinder([](const std::string& Name, std::string& Data) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC res = FindResourceA(module, Name.c_str(), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!res) return false;
    HGLOBAL loaded = LoadResource(module, res);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return false;
    Data.assign(static_cast<const char*>(bytes), SizeofResource(module, res));
    return true;
  });
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  Screen = new TScreen(nullptr);
  Application = new TApplication(nullptr);
}

TApplicationScope::~TApplicationScope()
{
  delete Application;
  Application = nullptr;
  delete Screen;
  Screen = nullptr;
  SetFormResourceFinder(nullptr);
  RemoveApplicationHost();
}
