#include "ui/caption/oxForm.h"

#include <windowsx.h>

#include <algorithm>

namespace {

ToxForm::TVersionSource& VersionSource()
{
  static ToxForm::TVersionSource source = [] { return static_cast<uint32_t>(GetVersion()); };
  return source;
}

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

// The caption module's own re-attach retries, apart from the menus'.
int captionRetryCounter = 0;

}  // namespace

const TTypeInfo* TypeInfo_ToxfOptions()
{
  static const TTypeInfo* type =
      NewSetType("ToxfOptions", NewEnumType("ToxfOption", {"oxfActiveGradient", "oxfInactiveGradient", "oxfMinMax"}));
  return type;
}

const TTypeInfo* TypeInfo_TCaptionButtons()
{
  static const TTypeInfo* type = NewSetType(
      "TCaptionButtons", NewEnumType("TCaptionButton", {"oxbRollUp", "oxbHelp", "oxbStart", "oxbOnTop", "oxbCustom"}));
  return type;
}

QV_IMPLEMENT_CLASS(ToxForm)

void ToxForm::DeclareProperties(TClassBuilder<ToxForm>& c)
{
  c.Boolean("Enabled", &ToxForm::Enabled, &ToxForm::SetEnabled).Default(true);
  c.Ordinal("ActiveGradient", TypeInfo_TColor(), &ToxForm::ActiveGradient, &ToxForm::SetActiveGradient)
      .Default(clBlack);
  c.Ordinal("InactiveGradient", TypeInfo_TColor(), &ToxForm::InactiveGradient, &ToxForm::SetInactiveGradient)
      .Default(clBlack);
  c.Ordinal("ItalicWords", TypeInfo_Integer(), &ToxForm::ItalicWords, &ToxForm::SetItalicWords).Default(1);
  c.Ordinal("Options", TypeInfo_ToxfOptions(), &ToxForm::Options, &ToxForm::SetOptions)
      .Default(ToxfOptions{oxfActiveGradient, oxfInactiveGradient}.ToInt());
  c.Ordinal("CaptionButtons", TypeInfo_TCaptionButtons(), &ToxForm::CaptionButtons, &ToxForm::SetCaptionButtons)
      .Default(TCaptionButtons{oxbRollUp, oxbHelp, oxbStart, oxbOnTop, oxbCustom}.ToInt());
  c.Object("CustomButtons", TStrings::StaticClass(), &ToxForm::CustomButtons, &ToxForm::SetCustomButtons);
  c.Ordinal("CustomButtonIndex", TypeInfo_Integer(), &ToxForm::CustomButtonIndex, &ToxForm::SetCustomButtonIndex);
  c.Boolean("RollUp", &ToxForm::RollUp, &ToxForm::SetRollUp).Default(false);
  c.Event("OnRollUp", TypeInfo_TNotifyEvent(), &ToxForm::OnRollUp);
  c.Event("OnButtonClick", NewMethodType("TButtonClickEvent"), &ToxForm::OnButtonClick);
  c.Ordinal("ActiveCaption", TypeInfo_T3DEffect(), &ToxForm::ActiveCaption, &ToxForm::SetActiveCaption);
  c.Ordinal("ActiveText", TypeInfo_T3DEffect(), &ToxForm::ActiveText, &ToxForm::SetActiveText);
  c.Ordinal("ActiveBorder", TypeInfo_T3DEffect(), &ToxForm::ActiveBorder, &ToxForm::SetActiveBorder);
  c.Ordinal("InactiveCaption", TypeInfo_T3DEffect(), &ToxForm::InactiveCaption, &ToxForm::SetInactiveCaption);
  c.Ordinal("InactiveText", TypeInfo_T3DEffect(), &ToxForm::InactiveText, &ToxForm::SetInactiveText);
  c.Ordinal("InactiveBorder", TypeInfo_T3DEffect(), &ToxForm::InactiveBorder, &ToxForm::SetInactiveBorder);
  c.Ordinal("MinHeight", TypeInfo_Word(), &ToxForm::MinHeight, &ToxForm::SetMinHeight);
  c.Ordinal("MinWidth", TypeInfo_Word(), &ToxForm::MinWidth, &ToxForm::SetMinWidth);
  c.Ordinal("MaxWidth", TypeInfo_Word(), &ToxForm::MaxWidth, &ToxForm::SetMaxWidth).Default(400);
  c.Ordinal("MaxHeight", TypeInfo_Word(), &ToxForm::MaxHeight, &ToxForm::SetMaxHeight).Default(300);
  c.Event("OnHelpSelect", NewMethodType("THelpSelectEvent"), &ToxForm::OnHelpSelect);
  c.Ordinal("Alignment", TypeInfo_TAlignment(), &ToxForm::Alignment, &ToxForm::SetAlignment).Default(taLeftJustify);
  c.Boolean("OnTop", &ToxForm::OnTop, &ToxForm::SetOnTop);
  c.Object("TrayIcon", TIcon::StaticClass(), &ToxForm::TrayIcon, &ToxForm::SetTrayIcon);
  c.String("TrayHint", &ToxForm::TrayHint, &ToxForm::SetTrayHint);
  c.Object("TrayMenu", TPopupMenu::StaticClass(), &ToxForm::TrayMenu, &ToxForm::SetTrayMenu);
  c.Boolean("TrayEnabled", &ToxForm::TrayEnabled, &ToxForm::SetTrayEnabled);
  c.Event("OnTrayClick", TypeInfo_TNotifyEvent(), &ToxForm::OnTrayClick);
  c.Event("OnTrayDblClk", TypeInfo_TNotifyEvent(), &ToxForm::OnTrayDblClk);
}

void ToxForm::SetVersionSource(TVersionSource Source)
{
  VersionSource() = Source ? std::move(Source) : [] { return static_cast<uint32_t>(GetVersion()); };
}

bool ToxForm::NewStyleSystem() { return IsNewStyleVersion(VersionSource()()); }

ToxForm::ToxForm(TComponent* AOwner) : ToxBaseSubClass(AOwner)
{
  FOwnerForm = dynamic_cast<TCustomForm*>(AOwner);
  if (!FOwnerForm) throw ENotOwnerError("A Form MUST be the owner");
  SetForm(FOwnerForm);
  FActiveGrad = std::make_unique<TGradient>();
  FInactiveGrad = std::make_unique<TGradient>();
  FActiveGrad->SetStartColor(clActiveCaption);
  FActiveGrad->SetEndColor(FActiveGradient);
  FInactiveGrad->SetStartColor(clInactiveCaption);
  FInactiveGrad->SetEndColor(FInactiveGradient);
  FCustomButtons = new TStringList;
  FCustomButtons->OnChange = [this](TObject*) {
    if (!FReading) SyncCustomButtons();
  };
  if (!NewStyleSystem() && Screen) {
    if (HCURSOR cursor = LoadCursorA(Instance(), "HelpSelect31")) Screen->SetCursors(crHelpSelect, cursor);
  }
  UpdateMetrics();
  CreateStandardButtons();
  FTrayIcon = new TIcon;
  FTrayIcon->OnChange = [this](TObject*) { UpdateTrayIcon(); };
  if (Designing()) {
    int count = 0;
    for (int i = 0; i < FOwnerForm->ComponentCount(); ++i)
      if (dynamic_cast<ToxForm*>(FOwnerForm->Components(i))) ++count;
    if (count > 1) throw EDuplicationError("Only 1 ToxForm component(s) are allowed on the selected Form");
  }
  SetEnabled(true);
  UpdateButtons();
  FrameRefresh();
}

ToxForm::~ToxForm()
{
  RemoveTrayIcon();
  delete FTrayIcon;
  FTrayIcon = nullptr;
  // The custom buttons take themselves out of the list as they go.
  while (!FCustomButtonList.empty()) delete FCustomButtonList.back();
  delete FCustomButtons;
  FCustomButtons = nullptr;
  // The hook comes off before the bitmaps, font and gradients it paints with.
  SetEnabled(false);
}

TNCButton* ToxForm::MakeButton(bool Shown, int Gap)
{
  auto* button = new TNCButton(this);
  button->SetParent(FOwnerForm);
  button->SetShown(Shown);
  button->SetGap(Gap);
  return button;
}

void ToxForm::CreateStandardButtons()
{
  FOnTopButton = MakeButton(FCaptionButtons.Contains(oxbOnTop), 0);
  FOnTopButton->LoadGlyph("OnTopButtonU");
  FOnTopButton->LoadDownGlyph("OnTopButtonD");
  FOnTopButton->Font()->SetName("MS Sans Serif");
  FOnTopButton->Font()->SetStyle(TFontStyles{fsBold});
  FOnTopButton->SetGroupIndex(-9);
  FOnTopButton->SetAllowAllUp(true);
  FOnTopButton->OnClick = [this](TObject*) { OnTopClick(); };

  FRollUpButton = MakeButton(FCaptionButtons.Contains(oxbRollUp), 1);
  FRollUpButton->LoadGlyph("RollUpButton");
  FRollUpButton->OnClick = [this](TObject*) { RollUpClick(); };

  FHelpButton = MakeButton(FCaptionButtons.Contains(oxbHelp), 1);
  FHelpButton->SetCaption("?");
  FHelpButton->Font()->SetName("MS Sans Serif");
  FHelpButton->Font()->SetStyle(TFontStyles{fsBold});
  FHelpButton->OnClick = [this](TObject*) { HelpClick(); };

  FStartButton = MakeButton(FCaptionButtons.Contains(oxbStart), 1);
  FStartButton->LoadGlyph("StartButton");
  FStartButton->OnClick = [this](TObject*) { StartClick(); };
}

// --- Properties ---------------------------------------------------------------

void ToxForm::SetActiveGradient(TColor Value)
{
  if (Value == FActiveGradient) return;
  FActiveGradient = Value;
  FActiveGrad->SetEndColor(Value);
  UpdateMetrics();
}

void ToxForm::SetInactiveGradient(TColor Value)
{
  if (Value == FInactiveGradient) return;
  FInactiveGradient = Value;
  FInactiveGrad->SetEndColor(Value);
  UpdateMetrics();
}

void ToxForm::SetItalicWords(int Value)
{
  if (Value == FItalicWords) return;
  FItalicWords = Value;
  UpdateMetrics();
}

void ToxForm::SetOptions(ToxfOptions Value)
{
  if (Value == FOptions) return;
  FOptions = Value;
  Refresh();
}

void ToxForm::SetCaptionButtons(TCaptionButtons Value)
{
  if (Value == FCaptionButtons) return;
  FCaptionButtons = Value;
  FRollUpButton->SetShown(Value.Contains(oxbRollUp));
  FHelpButton->SetShown(Value.Contains(oxbHelp));
  FStartButton->SetShown(Value.Contains(oxbStart));
  FOnTopButton->SetShown(Value.Contains(oxbOnTop));
  UpdateButtons();
  Refresh();
}

void ToxForm::SetCustomButtons(TStrings* Value)
{
  FCustomButtons->Assign(Value);
  UpdateButtons();
}

void ToxForm::SetCustomButtonIndex(int Value)
{
  if (FReading) FCustomButtonIndex = Value;
  // Outside reading the stored value stays as it is: nothing reads it.
}

void ToxForm::SetEffect(int Index, T3DEffect Value)
{
  if (FEffects[Index] == Value) return;
  FEffects[Index] = Value;
  Refresh();
}

void ToxForm::SetAlignment(TAlignment Value)
{
  if (Value == FAlignment) return;
  FAlignment = Value;
  Refresh();
}

void ToxForm::SetMinHeight(uint16_t Value)
{
  if (Designing() && !FReading && Value >= FMaxHeight)
    throw EMinSizeError("The Minimum Height must not be\rgreater than the Maximum Height");
  FMinHeight = Value;
}

void ToxForm::SetMinWidth(uint16_t Value)
{
  if (Designing() && !FReading && Value >= FMaxWidth)
    throw EMinSizeError("The Minimum Width must not be\rgreater than the Maximum Width");
  FMinWidth = Value;
}

void ToxForm::SetMaxWidth(uint16_t Value)
{
  if (Designing() && !FReading && Value < FMinWidth)
    throw EMinSizeError("The Maximum Width must not be\rless than the Minimum Width");
  FMaxWidth = Value;
}

void ToxForm::SetMaxHeight(uint16_t Value)
{
  if (Designing() && !FReading && Value < FMinHeight)
    throw EMinSizeError("The Maximum Height must not be\rless than the Minimum Height");
  FMaxHeight = Value;
}

void ToxForm::Notification(TComponent* AComponent, TOperation Operation)
{
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FTrayMenu) FTrayMenu = nullptr;
}

// --- Lifecycle ----------------------------------------------------------------

void ToxForm::ReadState(TReader& Reader)
{
  FReading = true;
  try {
    inherited::ReadState(Reader);
  } catch (...) {
    FReading = false;
    throw;
  }
  FReading = false;
  SyncCustomButtons();
}

void ToxForm::Loaded()
{
  inherited::Loaded();
  // The frame is drawn in this component's style as soon as the loop runs.
  if (FOwnerForm->HandleAllocated()) PostMessageA(FOwnerForm->Handle(), WM_NCPAINT, 0, 0);
}

int& ToxForm::RetryCounter() { return captionRetryCounter; }

void ToxForm::Refresh() { FrameRefresh(); }

void ToxForm::Reattach()
{
  inherited::Reattach();
  UpdateMetrics();
  // A window shown again before the hook came back had its WM_SHOWWINDOW
  // unseen; the icon is brought back here instead.
  if (!FTrayShown && FOwnerForm->HandleAllocated() && IsWindowVisible(FOwnerForm->Handle())) UpdateTrayIcon();
}

void ToxForm::FrameRefresh()
{
  if (!FOwnerForm || !FOwnerForm->HandleAllocated()) return;
  SetWindowPos(FOwnerForm->Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void ToxForm::DoRollUp() { OnRollUp(this); }
void ToxForm::DoButtonClick(const std::string& Caption) { OnButtonClick(this, Caption); }
void ToxForm::DoHelpSelect(TControl* Control, int ContextID, bool& Cancel)
{
  OnHelpSelect(this, Control, ContextID, Cancel);
}
void ToxForm::DoTrayClick() { OnTrayClick(this); }
void ToxForm::DoTrayDblClk() { OnTrayDblClk(this); }

// --- Metrics and layout -------------------------------------------------------

TCaptionBorder ToxForm::BorderKind() const
{
  if (Designing() || (FOwnerForm->FormStyle() == fsMDIChild)) return cbSizeable;
  return static_cast<TCaptionBorder>(FOwnerForm->BorderStyle());
}

void ToxForm::UpdateCaptionFont(TCaptionFontSource Source)
{
  if (Source == cfUnchanged) return;
  if (Source == cfSystemFont) {
    LOGFONTA lf{};
    GetObjectA(GetStockObject(SYSTEM_FONT), sizeof lf, &lf);
    LogFontToFont(lf, FCaptionFont);
    return;
  }
  NONCLIENTMETRICSA ncm{};
  ncm.cbSize = sizeof ncm;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
  const LOGFONTA& lf = Source == cfCaptionFont ? ncm.lfCaptionFont : ncm.lfSmCaptionFont;
  FCaptionFont.SetHeight(lf.lfHeight);
  FCaptionFont.SetName(std::string(lf.lfFaceName, strnlen(lf.lfFaceName, 32)));
  TFontStyles style;
  if (lf.lfItalic) style.Include(fsItalic);
  if (lf.lfUnderline) style.Include(fsUnderline);
  if (lf.lfStrikeOut) style.Include(fsStrikeOut);
  if (lf.lfWeight >= FW_BOLD) style.Include(fsBold);
  FCaptionFont.SetStyle(style);
}

void ToxForm::UpdateMetrics()
{
  FActiveGrad->Rebuild();
  FInactiveGrad->Rebuild();
  auto inverse = [](TColor c) {
    COLORREF rgb = ColorToRGB(c);
    return RGB(255 - GetRValue(rgb), 255 - GetGValue(rgb), 255 - GetBValue(rgb));
  };
  FActiveTextColor = inverse(FActiveGrad->EndColor());
  FInactiveTextColor = inverse(FInactiveGrad->EndColor());

  TSystemCaptionValues v;
  v.CxBorder = GetSystemMetrics(SM_CXBORDER), v.CyBorder = GetSystemMetrics(SM_CYBORDER);
  v.CxDlgFrame = GetSystemMetrics(SM_CXDLGFRAME), v.CyDlgFrame = GetSystemMetrics(SM_CYDLGFRAME);
  v.CxFrame = GetSystemMetrics(SM_CXFRAME), v.CyFrame = GetSystemMetrics(SM_CYFRAME);
  v.CxSize = GetSystemMetrics(SM_CXSIZE), v.CySize = GetSystemMetrics(SM_CYSIZE);
  bool newStyle = NewStyleSystem();
  if (newStyle) {
    NONCLIENTMETRICSA ncm{};
    ncm.cbSize = sizeof ncm;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
    v.CaptionWidth = ncm.iCaptionWidth, v.CaptionHeight = ncm.iCaptionHeight;
    v.SmCaptionWidth = ncm.iSmCaptionWidth, v.SmCaptionHeight = ncm.iSmCaptionHeight;
  }
  UpdateCaptionFont(UpdateCaptionMetrics(FMetrics, BorderKind(), newStyle, v));
  UpdateButtons();
  FrameRefresh();
}

int ToxForm::StripWidth() const
{
  TBorderIcons icons = FOwnerForm->BorderIcons();
  bool minMax = icons.Contains(biMinimize) || icons.Contains(biMaximize);
  return SystemStripWidth(FMetrics, static_cast<TCaptionBorder>(FOwnerForm->BorderStyle()), minMax, Designing());
}

std::vector<TNCButton*> ToxForm::CaptionButtonList() const
{
  std::vector<TNCButton*> list;
  for (TNCButton* b : {FOnTopButton, FRollUpButton, FHelpButton, FStartButton})
    if (b) list.push_back(b);
  list.insert(list.end(), FCustomButtonList.begin(), FCustomButtonList.end());
  return list;
}

void ToxForm::UpdateButtons()
{
  std::vector<TNCButton*> buttons = CaptionButtonList();
  std::vector<TButtonSlot> slots;
  for (TNCButton* b : buttons) slots.push_back(TButtonSlot{b->Shown(), b->Gap()});
  TButtonLayout layout = LayoutCaptionButtons(FMetrics, NewStyleSystem(), FOwnerForm->Width(), StripWidth(), slots);
  for (size_t i = 0; i < buttons.size(); ++i) {
    const TButtonPlace& p = layout.Places[i];
    if (p.Placed) buttons[i]->SetBounds(p.Left, p.Top, p.Width, p.Height);
  }
  FButtonsLeft = layout.LeftEdge;
}

// --- Custom buttons -----------------------------------------------------------

void ToxForm::SyncCustomButtons()
{
  int lines = FCustomButtons->Count();
  while (CustomButtonCount() < lines) new TNCCustomButton(this);
  while (CustomButtonCount() > lines) delete FCustomButtonList.back();
  for (int i = 0; i < lines; ++i) FCustomButtonList[static_cast<size_t>(i)]->SetCaption(FCustomButtons->Get(i));
  UpdateButtons();
}

void ToxForm::CustomButtonClick(TObject* Sender)
{
  if (auto* button = dynamic_cast<TNCButton*>(Sender)) DoButtonClick(button->Caption());
}
