#pragma once
// Forms, the application object and the screen object.
//
// Form files: a form's text form file (TQVMain -> QVMain.dfm) lives beside its
// code and is compiled into the executable as an RCDATA resource named after
// the class in capitals:  TQVMAIN RCDATA "app/QVMain.dfm"  (see FormFile.h).
// A form is made with Application->CreateForm<TQVMain>(QVMain) or
// TForm::Create<T>(owner): the object is constructed, its form file read
// (components created, properties set, Loaded called on each), then OnCreate
// runs. A derived form looks up its component fields in Loaded().
#include "framework/controls/Controls.h"
#include "framework/forms/Hints.h"
#include "framework/win32/DialogSeam.h"
#include "framework/win32/Dialogs.h"
#include "framework/graphics/WinBitmap.h"

#include <functional>
#include <map>
#include <memory>

class TMainMenu;
class TMenuItem;
class TButton;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

const TTypeInfo* TypeInfo_TFormBorderStyle();
const TTypeInfo* TypeInfo_TBorderIcons();
const TTypeInfo* TypeInfo_TPosition();
const TTypeInfo* TypeInfo_TFormStyle();
const TTypeInfo* TypeInfo_TWindowState();

class TCustomForm : public TWinControl, public TFormSite {
  QV_CLASS(TCustomForm, TWinControl)
public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;

  // Constructs a form of class T, reads its form file and runs OnCreate.
  template <class T> static T* Create(TComponent* AOwner)
  {
    T* form = new T(AOwner);
    try {
      form->InitializeForm();
    } catch (...) {
      delete form;
      throw;
    }
    return form;
  }
  // Reads the form file of this class (when there is one), then OnCreate.
  void InitializeForm();

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition Value) { FPosition = Value; }
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle Value) { FFormStyle = Value; }
  TWindowState WindowState() const;
  void SetWindowState(TWindowState Value);
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* Value);
  TIcon* Icon() const { return FIcon; }
  void SetIcon(TIcon* Value) { FIcon->Assign(Value); }
  // The icon's handle (the form's icon, else none).
  HICON IconHandle();
  int GetClientWidth() const { return ClientWidth(); }
  int GetClientHeight() const { return ClientHeight(); }
  void SetClientWidth(int Value);
  void SetClientHeight(int Value);
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool Value) { FKeyPreview = Value; }
  // MDI client window; this framework makes none, so always null.
  HWND ClientHandle() const { return nullptr; }

  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) override { FModalResult = Value; }
  TCustomForm* Form() override { return this; }
  // Shows the form modally until ModalResult is set; returns it.
  virtual TModalResult ShowModal();
  bool Modal() const { return FModal; }
  void Close();
  // Frees the form once the messages pending for it are handled.
  void Release();
  void Show();
  bool Active() const;

  // The keys of a dialog, for every form shown modally or not: Tab and
  // Shift+Tab move the focus in tab order, Enter presses the focused or the
  // default button, Escape the Cancel button, and an access key presses its
  // button or check box or focuses its label's FocusControl. True when the
  // key was used (the message is then not dispatched).
  bool DialogKey(const MSG& Msg);
  // Focuses the control after (or before) Current in tab order, wrapping.
  void SelectNext(TWinControl* Current, bool Forward);
  // The control of this form that has the focus, or null.
  TWinControl* FocusedControl() const;

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnResize;
  TNotifyEvent OnShow;
  TEvent<void(TObject* Sender, TCloseAction& Action)> OnClose;

  void WndProc(TMessage& Message) override;
  void Loaded() override;
  void SetVisible(bool Value) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  bool WantsOwnPaint() const override { return true; }
  virtual void DoCreate();
  virtual void DoDestroy();
  virtual void DoClose(TCloseAction& Action);

private:
  void ApplyMenu();
  void CenterOnScreen();
  bool IsShortCut(const MSG& Msg);
  void FocusFirstControl();
  TButton* FindButton(bool Cancel) const;
  bool AccessKey(char Key);
  void RestoreFocus(bool Activating);
  friend class TApplication;

  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
  TPosition FPosition = poDesigned;
  TFormStyle FFormStyle = fsNormal;
  TWindowState FWindowState = wsNormal;
  TMainMenu* FMenu = nullptr;
  TIcon* FIcon;
  TWinIcon FIconHandle;
  uint32_t FIconRevision = ~0u;
  bool FKeyPreview = false;
  TModalResult FModalResult = mrNone;
  bool FModal = false;
  bool FCreated = false;
  bool FDestroyed = false;
  int FClientWidth = 0, FClientHeight = 0;
  HWND FLastFocused = nullptr;
};

class TForm : public TCustomForm {
  QV_CLASS(TForm, TCustomForm)
public:
  explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
};

class TApplication : public TComponent {
  QV_CLASS(TApplication, TComponent)
public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;

  void Initialize() {}
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& Value) { FTitle = Value; }
  const std::string& HelpFile() const { return FHelpFile; }
  void SetHelpFile(const std::string& Value) { FHelpFile = Value; }
  // The program's icon: the icon resource "MAINICON" unless set.
  TWinIcon& Icon() { return FIcon; }
  TCustomForm* MainForm() const { return FMainForm; }
  HWND Handle() const { return FWindow ? FWindow->Handle() : nullptr; }

  // Creates a form owned by the application; the first becomes the main form.
  template <class T> void CreateForm(T*& Reference)
  {
    T* form = TCustomForm::Create<T>(this);
    Reference = form;
    if (!FMainForm) FMainForm = form;
  }
  // Shows the main form and runs the message loop until Terminate.
  void Run();
  // Handles one message (waiting for one when none is pending).
  void HandleMessage();
  void ProcessMessages();
  void Terminate();
  bool Terminated() const { return FTerminated; }

  // The default exception report: an error box with the failure's text,
  // after which the program goes on. OnException replaces it.
  void HandleException(TObject* Sender);
  void ShowException(const std::exception& E);
  TEvent<void(TObject* Sender, const std::exception& E)> OnException;

  // Hints: the hint window and its delay live in the hint manager.
  THintManager& Hints() { return FHints; }
  bool ShowHint() const { return FHints.ShowHint(); }
  void SetShowHint(bool Value) { FHints.SetShowHint(Value); }
  const THintWindowClass& HintWindowClass() const { return FHints.HintWindowClass(); }
  void SetHintWindowClass(THintWindowClass Value) { FHints.SetHintWindowClass(std::move(Value)); }
  THintWindow* HintWindow() const { return FHints.HintWindow(); }
  TColor HintColor() const { return FHints.HintColor(); }
  void SetHintColor(TColor Value) { FHints.SetHintColor(Value); }
  int HintPause() const { return FHints.HintPause(); }
  void SetHintPause(int Value) { FHints.SetHintPause(Value); }
  void CancelHint() { FHints.CancelHint(); }
  void ActivateHint(POINT CursorPos) { FHints.ActivateHint(CursorPos); }
  void NoteMouseOver(TWinControl* Window, POINT ClientPos) { FHints.NoteMouseOver(Window, ClientPos); }
  // The hint of the menu item or control in focus (for a status bar).
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value);
  TNotifyEvent OnHint;

  // Help through WinHelpA with HelpFile; the help window is closed when the
  // application is destroyed. OnHelp may take the call over (returning true).
  bool HelpCommand(UINT Command, ULONG_PTR Data);
  bool HelpContext(int Context) { return HelpCommand(HELP_CONTEXT, static_cast<ULONG_PTR>(Context)); }
  TEvent<bool(UINT Command, ULONG_PTR Data)> OnHelp;

  // The message box of the program: caption is the title.
  int MessageBox(const std::string& Text, qv::TMsgBoxKind Kind);
  // The window that owns the program's boxes and dialogs now.
  HWND BoxOwner() const;

private:
  friend class TCustomForm;
  bool PreTranslate(MSG& Msg);
  void DispatchOne(MSG& Msg);

  std::string FTitle;
  std::string FHelpFile;
  bool FHelpOpened = false;
  TWinIcon FIcon;
  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
  std::string FHint;
  std::unique_ptr<TMessageWindow> FWindow;
  bool FHandlingException = false;
  THintManager FHints{this};
};

class TScreen : public TComponent {
  QV_CLASS(TScreen, TComponent)
public:
  explicit TScreen(TComponent* AOwner);
  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
  TCursor Cursor() const { return FCursor; }
  // Takes effect at once; crDefault gives each control its own cursor back.
  void SetCursor(TCursor Value);
  HCURSOR Cursors(int Index) const;
  // Adds or replaces an entry of the cursor table (18: the help-select cursor).
  void SetCursors(int Index, HCURSOR Cursor);
  TCustomForm* ActiveForm() const { return FActiveForm; }
  int FormCount() const { return static_cast<int>(FForms.size()); }
  TCustomForm* Forms(int Index) const { return FForms.at(static_cast<size_t>(Index)); }

private:
  friend class TCustomForm;
  TCursor FCursor = crDefault;
  std::map<int, HCURSOR> FCursors;
  TCustomForm* FActiveForm = nullptr;
  std::vector<TCustomForm*> FForms;
};

extern TApplication* Application;
extern TScreen* Screen;

// Creates Application and Screen (and installs the form-resource finder over
// the executable's RCDATA resources); the destructor frees them and every
// form the application owns. The program's main and each test make one.
class TApplicationScope {
public:
  TApplicationScope();
  ~TApplicationScope();
  TApplicationScope(const TApplicationScope&) = delete;
  TApplicationScope& operator=(const TApplicationScope&) = delete;
};
