#pragma once
// Controls: TControl (position, caption, font, mouse handling, messages),
// TGraphicControl (painted by its parent, no window of its own) and
// TWinControl (a window, created on demand, with child controls). One static
// window procedure serves every window class we register; it finds the
// object through GWLP_USERDATA and never lets an exception escape.
#include <windows.h>

#include "framework/objects/Classes.h"
#include "framework/objects/StdIdents.h"
#include "framework/objects/StringList.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Picture.h"
#include "framework/graphics/Graphics.h"
#include "framework/win32/Handles.h"
#include "framework/win32/Messages.h"
#include "framework/win32/ExceptionReport.h"

#include <string>
#include <vector>

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TMouseButton { mbLeft, mbRight, mbMiddle };
using TMouseEvent = TEvent<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;

const TTypeInfo* TypeInfo_TAlign();

// A modal form's result: the button that closed it (IDOK, IDCANCEL, ...).
using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrAbort = IDABORT, mrRetry = IDRETRY,
                       mrIgnore = IDIGNORE, mrYes = IDYES, mrNo = IDNO;
const TTypeInfo* TypeInfo_TModalResult();

class TWinControl;
class TCustomForm;
class TPopupMenu;

// The form at the top of a control tree as controls see it. TCustomForm
// implements it, so this layer reaches its form without the layer above.
class TFormSite {
public:
  virtual TCustomForm* Form() = 0;
  virtual void SetModalResult(TModalResult Value) = 0;

protected:
  ~TFormSite() = default;
};

class TControl : public TComponent {
  QV_CLASS(TControl, TComponent)
public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* AParent);
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;
  TCustomForm* ParentForm() const;
  TFormSite* FormSite() const;

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  RECT BoundsRect() const { return RECT{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  virtual RECT ClientRect() const { return RECT{0, 0, FWidth, FHeight}; }
  int ClientWidth() const { return ClientRect().right; }
  int ClientHeight() const { return ClientRect().bottom; }
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign Value);

  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool Value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);

  // The caption or text. Window controls read it from their window.
  virtual std::string Caption() const { return FText; }
  virtual void SetCaption(const std::string& Value);
  std::string Text() const { return Caption(); }
  void SetText(const std::string& Value) { SetCaption(Value); }

  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool Value) { FParentShowHint = Value; }
  // Whether hints show for this control (its own flag or its parent's).
  bool EffectiveShowHint() const;
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int Value) { FHelpContext = Value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TFont* Font() const { return FFont; }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value) { FCursor = Value; }
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* Value);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;

  // Delivers a message to this control's WndProc and returns its result.
  LRESULT Perform(UINT Msg, WPARAM WParam, LPARAM LParam);
  virtual void WndProc(TMessage& Message);
  virtual void Click();
  virtual void Invalidate();
  void Repaint();
  POINT ClientToScreen(POINT P) const;
  POINT ScreenToClient(POINT P) const;

  void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void FontChanged();
  virtual void TextChanged() {}
  virtual void VisibleChanging() {}
  // The parent's font when ParentFont is set.
  void SyncParentFont();
  void DefaultHandler(TMessage& Message);
  // Record what the window already shows, without moving or showing it.
  void StoreBounds(int ALeft, int ATop, int AWidth, int AHeight)
  {
    FLeft = ALeft, FTop = ATop, FWidth = AWidth, FHeight = AHeight;
  }
  void StoreVisible(bool Value) { FVisible = Value; }
  // Graphic controls take the mouse on a press; window controls have their own.
  bool FCaptureOnPress = true;
  // Plain controls click on a release over them; buttons click themselves.
  bool FClickOnRelease = true;
  std::string FText;

private:
  friend class TWinControl;
  void HandleMouse(TMessage& Message);
  void Press(TMouseButton Button, TShiftState Shift, int X, int Y);

  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  TAlign FAlign = alNone;
  bool FVisible = true;
  bool FEnabled = true;
  std::string FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  int FHelpContext = 0;
  TColor FColor = clWindow;
  TFont* FFont;
  bool FParentFont = true;
  bool FSyncingFont = false;
  TCursor FCursor = crDefault;
  TPopupMenu* FPopupMenu = nullptr;
  bool FPressed = false;
};

// The control that holds the mouse after a press (a graphic control, whose
// parent window has the capture), or null.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);

class TGraphicControl : public TControl {
  QV_CLASS(TGraphicControl, TControl)
public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;
  TCanvas& Canvas() { return FCanvas; }
  // Paints on Canvas, which is attached to the parent's DC with the origin
  // at this control's top-left corner.
  virtual void Paint() {}
  void WndProc(TMessage& Message) override;

private:
  TCanvas FCanvas;
};

struct TCreateParams {
  std::string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  HMENU Menu = nullptr;
  // Our class name, and the system class it is built on (empty: our own).
  std::string WinClassName;
  std::string BaseClassName;
  UINT ClassStyle = CS_DBLCLKS;
  HBRUSH Background = nullptr;
};

class TWinControl : public TControl {
  QV_CLASS(TWinControl, TControl)
public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  // The window, created (with its parent's) when first asked for.
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded() { Handle(); }
  // Destroys the window and its children's; they come back on demand.
  void DestroyHandle();
  // Destroys and creates the window again; children and state are kept.
  void RecreateWnd();
  static TWinControl* FromHandle(HWND Window);

  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int Index) const { return FControls.at(static_cast<size_t>(Index)); }
  // The child control at P (client coordinates) that claims it through
  // CM_HITTEST; disabled children only when AllowDisabled.
  TControl* ControlAtPos(POINT P, bool AllowDisabled) const;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  RECT ClientRect() const override;
  void SetVisible(bool Value) override;
  void SetEnabled(bool Value) override;
  std::string Caption() const override;
  void SetCaption(const std::string& Value) override;
  void Invalidate() override;
  void SetFocus();
  bool Focused() const;
  int TabOrder() const { return FTabOrder; }
  void SetTabOrder(int Value) { FTabOrder = Value; }
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value) { FTabStop = Value; }
  // The window has received or lost the keyboard focus.
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  void WndProc(TMessage& Message) override;
  static LRESULT CALLBACK StaticWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
  // A procedure hooked in front of ours brackets each message with these, so
  // a release requested meanwhile waits until the hook has returned too.
  static TWinControl* BeginOuterDispatch(HWND Window);
  static void EndOuterDispatch(TWinControl* Control);

protected:
  friend class TControl;
  virtual void CreateParams(TCreateParams& Params);
  virtual void CreateWnd();
  // Saves what lives only in the window (list lines, edit text) before the
  // window goes, so the next window shows it again.
  virtual void DestroyWnd();
  // Puts the saved state into a new window.
  virtual void InitializeWnd() {}
  virtual void PaintWindow(HDC DC);
  void PaintControls(HDC DC);
  // Reflected notifications from the parent (CN_BASE + message).
  virtual void Notify(TMessage& Message) { (void)Message; }
  // Hands Message to the child control whose window is Item as CN_BASE plus
  // the message; false when Item is no control of ours.
  bool ReflectToChild(HWND Item, TMessage& Message);
  void UpdateFont();
  void FontChanged() override;
  void AlignControls();
  virtual bool WantsOwnPaint() const { return false; }
  WNDPROC FDefWndProc = nullptr;

private:
  void InsertControl(TControl* Control);
  void RemoveControl(TControl* Control);
  void RouteMouse(TMessage& Message);
  bool HandleSetCursor(TMessage& Message);
  static WNDPROC RegisterWindowClass(const TCreateParams& Params);
  void FreeIfReleased();

  HWND FHandle = nullptr;
  std::vector<TControl*> FControls;
  TFontHandle FFontHandle;
  int FTabOrder = -1;
  bool FTabStop = false;
  bool FCreating = false;
  int FDispatchDepth = 0;
  bool FFreePending = false;
  friend class TCustomForm;
};

// Reports an exception escaping a window procedure, timer or callback
// through the application's exception report.
void HandleCallbackException();
