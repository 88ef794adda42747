#pragma once
// Controls over the system's window classes (button, check box, edit, memo,
// combo box, list box, status bar) and our own painted ones (label, panel,
// bevel, image, speed button), plus the timer component.
#include "framework/controls/Controls.h"
#include "framework/win32/Handles.h"
#include "framework/win32/MessageWindow.h"
#include "framework/graphics/WinBitmap.h"

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
enum TBevelCut { bvNone, bvLowered, bvRaised };
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

using TDrawItemEvent = TEvent<void(TObject* Control, int Index, RECT Rect, UINT State)>;

class TButtonControl : public TWinControl {
  QV_CLASS(TButtonControl, TWinControl)
public:
  explicit TButtonControl(TComponent* AOwner);

protected:
  void Notify(TMessage& Message) override;
};

class TButton : public TButtonControl {
  QV_CLASS(TButton, TButtonControl)
public:
  explicit TButton(TComponent* AOwner);
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int Value) { FModalResult = Value; }
  // Clicks, then hands the modal result to the form.
  void Click() override;

protected:
  void CreateParams(TCreateParams& Params) override;

private:
  bool FDefault = false, FCancel = false;
  int FModalResult = 0;
};

class TCheckBox : public TButtonControl {
  QV_CLASS(TCheckBox, TButtonControl)
public:
  explicit TCheckBox(TComponent* AOwner);
  bool Checked() const;
  void SetChecked(bool Value);
  void Click() override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWnd() override;
  void DestroyWnd() override;

private:
  bool FChecked = false;
};

class TCustomEdit : public TWinControl {
  QV_CLASS(TCustomEdit, TWinControl)
public:
  explicit TCustomEdit(TComponent* AOwner);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& Params) override;
  void Notify(TMessage& Message) override;

private:
  bool FReadOnly = false;
};

class TEdit : public TCustomEdit {
  QV_CLASS(TEdit, TCustomEdit)
public:
  explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
};

class TMemo : public TCustomEdit {
  QV_CLASS(TMemo, TCustomEdit)
public:
  explicit TMemo(TComponent* AOwner);
  ~TMemo() override;
  // The lines; edits in the window are read back when asked for.
  TStrings* Lines();
  void SetLines(TStrings* Value);

protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWnd() override;

private:
  TStringList* FLines;
};

class TListControl;

// The items of a list or combo box. Each change reaches the window as the one
// operation it is (a report of a few hundred thousand lines grows one line at
// a time), and the list keeps the lines and their objects for the next window
// when the window is made again. An update (BeginUpdate/EndUpdate) suspends
// the window's drawing until it ends.
class TListControlItems : public TStringList {
public:
  explicit TListControlItems(TListControl& Control) : FControl(Control) {}
  int Add(const std::string& S) override;
  void Insert(int Index, const std::string& S) override;
  void Put(int Index, const std::string& S) override;
  void Delete(int Index) override;
  void Clear() override;
  void Exchange(int Index1, int Index2) override;
  void Sort() override;

protected:
  void SetUpdateState(bool Updating) override;

private:
  TListControl& FControl;
};

// Items with object values, for list and combo boxes; kept in the control
// and handed to the window operation by operation (see TListControlItems).
class TListControl : public TWinControl {
  QV_CLASS(TListControl, TWinControl)
public:
  explicit TListControl(TComponent* AOwner);
  ~TListControl() override;
  TStrings* Items() { return FItems; }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  int ItemIndex() const;
  void SetItemIndex(int Value);
  TNotifyEvent OnChange;

protected:
  friend class TListControlItems;
  // The window messages of the list: list box and combo box differ only in them.
  struct TListMessages {
    UINT Insert, Delete, Reset, GetSel, SetSel, InitStorage;
  };
  virtual const TListMessages& Messages() const = 0;
  void InitializeWnd() override;
  void DestroyWnd() override;
  void WindowInsert(int Index, const std::string& S);
  void WindowDelete(int Index);
  void WindowClear();
  // Puts every item into the window again, keeping the selected line.
  void WindowReload();
  void WindowRedraw(bool On);
  TListControlItems* FItems;
  int FSavedIndex = -1;
};

class TListBox : public TListControl {
  QV_CLASS(TListBox, TListControl)
public:
  explicit TListBox(TComponent* AOwner);
  ~TListBox() override;
  TListBoxStyle Style() const { return FStyle; }
  void SetStyle(TListBoxStyle Value);
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  bool ExtendedSelect() const { return FExtendedSelect; }
  void SetExtendedSelect(bool Value);
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  int SelCount() const;
  bool Selected(int Index) const;
  void SetSelected(int Index, bool Value);
  RECT ItemRect(int Index);
  TCanvas& Canvas() { return FCanvas; }
  TDrawItemEvent OnDrawItem;

protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWnd() override;
  void DestroyWnd() override;
  void Notify(TMessage& Message) override;
  virtual void DrawItem(int Index, RECT Rect, UINT State);
  const TListMessages& Messages() const override;

private:
  TListBoxStyle FStyle = lbStandard;
  int FItemHeight = 16;
  bool FMultiSelect = false, FExtendedSelect = true, FSorted = false;
  std::vector<int> FSavedSelection;
  TCanvas FCanvas;
};

class TComboBox : public TListControl {
  QV_CLASS(TComboBox, TListControl)
public:
  explicit TComboBox(TComponent* AOwner) : TListControl(AOwner) {}
  ~TComboBox() override;
  // Drop-down list (the default) or with an edit box the user types in.
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle Value);

protected:
  void CreateParams(TCreateParams& Params) override;
  void Notify(TMessage& Message) override;
  const TListMessages& Messages() const override;

private:
  TComboBoxStyle FStyle = csDropDownList;
};

// Status bar with one text area (its caption).
class TStatusBar : public TWinControl {
  QV_CLASS(TStatusBar, TWinControl)
public:
  explicit TStatusBar(TComponent* AOwner);
  const std::string& SimpleText() const { return FText; }
  void SetSimpleText(const std::string& Value) { SetCaption(Value); }

protected:
  void CreateParams(TCreateParams& Params) override;
};

class TLabel : public TGraphicControl {
  QV_CLASS(TLabel, TGraphicControl)
public:
  explicit TLabel(TComponent* AOwner);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  void Paint() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The access key of the caption focuses FocusControl.
  bool DialogChar(char Key);

protected:
  void TextChanged() override { AdjustBounds(); }
  void FontChanged() override;
  // Draws the caption into Rect on Canvas, whose font is the label's and whose
  // brush is clear; labels with a look of their own override only this.
  virtual void DoDrawText(RECT& Rect, UINT Flags);
  UINT DrawTextFlags() const;
  void AdjustBounds();

private:
  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = true, FWordWrap = false, FTransparent = false, FShowAccelChar = true;
  TWinControl* FFocusControl = nullptr;
};

class TCustomPanel : public TWinControl {
  QV_CLASS(TCustomPanel, TWinControl)
public:
  explicit TCustomPanel(TComponent* AOwner);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut Value);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut Value);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int Value);

protected:
  bool WantsOwnPaint() const override { return true; }
  void PaintWindow(HDC DC) override;

private:
  TBevelCut FBevelInner = bvNone, FBevelOuter = bvRaised;
  int FBevelWidth = 1;
  TCanvas FCanvas;
};

class TPanel : public TCustomPanel {
  QV_CLASS(TPanel, TCustomPanel)
public:
  explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}
};

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine };
enum TBevelStyle { bsLowered, bsRaised };

class TBevel : public TGraphicControl {
  QV_CLASS(TBevel, TGraphicControl)
public:
  explicit TBevel(TComponent* AOwner);
  TBevelShape Shape() const { return FShape; }
  void SetShape(TBevelShape Value);
  TBevelStyle Style() const { return FStyle; }
  void SetStyle(TBevelStyle Value);
  void Paint() override;

private:
  TBevelShape FShape = bsBox;
  TBevelStyle FStyle = bsLowered;
};

class TImage : public TGraphicControl {
  QV_CLASS(TImage, TGraphicControl)
public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;
  TPicture* Picture() const { return FPicture; }
  void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
  bool Center() const { return FCenter; }
  void SetCenter(bool Value);
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);
  void Paint() override;

private:
  TPicture* FPicture;
  bool FCenter = false, FStretch = false;
};

// A button drawn on its parent (no window of its own).
class TSpeedButton : public TGraphicControl {
  QV_CLASS(TSpeedButton, TGraphicControl)
public:
  explicit TSpeedButton(TComponent* AOwner);
  ~TSpeedButton() override;
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  TBitmap* Glyph() const { return FGlyph; }
  void SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value) { FGroupIndex = Value; }
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
  // Latched down (only with a group index).
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  TButtonState State() const { return FState; }
  void SetState(TButtonState Value) { FState = Value; }
  // The glyph as a bitmap with a handle (made again when the glyph changes).
  TWinBitmap& GlyphBitmap();
  void Paint() override;
  void Click() override;

protected:
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool FDragging = false;

private:
  void UpdateExclusive();
  bool FFlat = false;
  TBitmap* FGlyph;
  TWinBitmap FGlyphBitmap;
  uint32_t FGlyphRevision = ~0u;
  int FNumGlyphs = 1;
  int FGroupIndex = 0;
  bool FAllowAllUp = false, FDown = false;
  TButtonState FState = bsUp;
};

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

// Open, save and font dialogs as components.
enum TOpenOption {
  ofReadOnly,
  ofOverwritePrompt,
  ofHideReadOnly,
  ofNoChangeDir,
  ofShowHelp,
  ofNoValidate,
  ofAllowMultiSelect,
  ofExtensionDifferent,
  ofPathMustExist,
  ofFileMustExist
};
using TOpenOptions = TSet<TOpenOption>;

class TOpenDialog : public TComponent {
  QV_CLASS(TOpenDialog, TComponent)
public:
  explicit TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}
  std::string FTitle, FFileName, FFilter, FDefaultExt;
  int FFilterIndex = 1;
  TOpenOptions FOptions{ofHideReadOnly};
  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& Value) { FFileName = Value; }
  virtual bool Execute();

protected:
  bool FSave = false;
};

class TSaveDialog : public TOpenDialog {
  QV_CLASS(TSaveDialog, TOpenDialog)
public:
  explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) { FSave = true; }
};

enum TFontDialogOption {
  fdAnsiOnly,
  fdTrueTypeOnly,
  fdEffects,
  fdFixedPitchOnly,
  fdForceFontExist,
  fdNoFaceSel,
  fdNoOEMFonts,
  fdNoSimulations,
  fdNoSizeSel,
  fdNoStyleSel,
  fdNoVectorFonts,
  fdShowHelp
};
using TFontDialogOptions = TSet<TFontDialogOption>;

class TFontDialog : public TComponent {
  QV_CLASS(TFontDialog, TComponent)
public:
  explicit TFontDialog(TComponent* AOwner);
  ~TFontDialog() override;
  TFont* Font() const { return FFont; }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  TFontDialogOptions FOptions{fdEffects};
  bool Execute();

private:
  TFont* FFont;
};
