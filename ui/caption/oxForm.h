#pragma once
// ToxForm: paints its form's caption bar and frame (gradients, icon, caption
// text with italic leading words and 3D looks), hosts extra caption buttons
// (roll-up, stay-on-top, context help, start menu, custom ones), limits the
// window's tracking size and keeps a notification-area icon. It hooks the
// form's window procedure and takes a few non-client messages over.
#include <functional>
#include <memory>
#include <vector>

#include "framework/forms/Forms.h"

#include <shellapi.h>

#include "framework/menus/Menus.h"
#include "ui/caption/CaptionLayout.h"
#include "ui/caption/NCButton.h"
#include "ui/common/BaseSubClass.h"
#include "ui/common/Errors.h"
#include "ui/common/Frame3D.h"
#include "ui/common/Gradient.h"

enum ToxfOption { oxfActiveGradient, oxfInactiveGradient, oxfMinMax };
using ToxfOptions = TSet<ToxfOption>;
enum TCaptionButton { oxbRollUp, oxbHelp, oxbStart, oxbOnTop, oxbCustom };
using TCaptionButtons = TSet<TCaptionButton>;
using TButtonClickEvent = TEvent<void(TObject* Sender, const std::string& Caption)>;
using THelpSelectEvent = TEvent<void(TObject* Sender, TControl* Control, int ContextID, bool& Cancel)>;

class EMinSizeError : public Exception {
  using Exception::Exception;
};
class EDuplicationError : public Exception {
  using Exception::Exception;
};

const TTypeInfo* TypeInfo_ToxfOptions();
const TTypeInfo* TypeInfo_TCaptionButtons();

// The screen cursor index of the help-select mode.
constexpr TCursor crHelpSelect = 18;
// Notification-area callback message and icon id.
constexpr UINT WM_OXTRAYNOTIFY = WM_USER + 2423;

class ToxForm : public ToxBaseSubClass {
  QV_CLASS(ToxForm, ToxBaseSubClass)
public:
  explicit ToxForm(TComponent* AOwner);
  ~ToxForm() override;

  // What GetVersion reports; tests replace it to reach the old-style branch.
  using TVersionSource = std::function<uint32_t()>;
  static void SetVersionSource(TVersionSource Source);
  static bool NewStyleSystem();

  TColor ActiveGradient() const { return FActiveGradient; }
  void SetActiveGradient(TColor Value);
  TColor InactiveGradient() const { return FInactiveGradient; }
  void SetInactiveGradient(TColor Value);
  int ItalicWords() const { return FItalicWords; }
  void SetItalicWords(int Value);
  ToxfOptions Options() const { return FOptions; }
  void SetOptions(ToxfOptions Value);
  TCaptionButtons CaptionButtons() const { return FCaptionButtons; }
  void SetCaptionButtons(TCaptionButtons Value);
  TStrings* CustomButtons() const { return FCustomButtons; }
  void SetCustomButtons(TStrings* Value);
  int CustomButtonIndex() const { return FCustomButtonIndex; }
  void SetCustomButtonIndex(int Value);
  bool RollUp() const { return FRollUp; }
  void SetRollUp(bool Value);
  T3DEffect ActiveCaption() const { return FEffects[0]; }
  void SetActiveCaption(T3DEffect Value) { SetEffect(0, Value); }
  T3DEffect ActiveText() const { return FEffects[1]; }
  void SetActiveText(T3DEffect Value) { SetEffect(1, Value); }
  T3DEffect ActiveBorder() const { return FEffects[2]; }
  void SetActiveBorder(T3DEffect Value) { SetEffect(2, Value); }
  T3DEffect InactiveCaption() const { return FEffects[3]; }
  void SetInactiveCaption(T3DEffect Value) { SetEffect(3, Value); }
  T3DEffect InactiveText() const { return FEffects[4]; }
  void SetInactiveText(T3DEffect Value) { SetEffect(4, Value); }
  T3DEffect InactiveBorder() const { return FEffects[5]; }
  void SetInactiveBorder(T3DEffect Value) { SetEffect(5, Value); }
  uint16_t MinHeight() const { return FMinHeight; }
  void SetMinHeight(uint16_t Value);
  uint16_t MinWidth() const { return FMinWidth; }
  void SetMinWidth(uint16_t Value);
  uint16_t MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(uint16_t Value);
  uint16_t MaxHeight() const { return FMaxHeight; }
  void SetMaxHeight(uint16_t Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool OnTop() const;
  void SetOnTop(bool Value);
  TIcon* TrayIcon() const { return FTrayIcon; }
  void SetTrayIcon(TIcon* Value);
  const std::string& TrayHint() const { return FTrayHint; }
  void SetTrayHint(const std::string& Value);
  TPopupMenu* TrayMenu() const { return FTrayMenu; }
  void SetTrayMenu(TPopupMenu* Value);
  bool TrayEnabled() const { return FTrayEnabled; }
  void SetTrayEnabled(bool Value);

  TNotifyEvent OnRollUp;
  TButtonClickEvent OnButtonClick;
  THelpSelectEvent OnHelpSelect;
  TNotifyEvent OnTrayClick;
  TNotifyEvent OnTrayDblClk;

  void Loaded() override;
  void ReadState(TReader& Reader) override;
  void WndProc(TMessage& Message) override;
  void Refresh() override;
  void Reattach() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
  int& RetryCounter() override;

public:
  virtual void DoRollUp();
  virtual void DoButtonClick(const std::string& Caption);
  virtual void DoHelpSelect(TControl* Control, int ContextID, bool& Cancel);
  virtual void DoTrayClick();
  virtual void DoTrayDblClk();
  virtual void UpdateButtons();

  // Reads the metrics for the form's border style and lays the buttons out.
  void UpdateMetrics();
  const TCaptionMetrics& Metrics() const { return FMetrics; }
  int ButtonsLeft() const { return FButtonsLeft; }
  bool DrawnActive() const { return FActive; }
  const TFont& CaptionFont() const { return FCaptionFont; }
  TCustomForm* OwnerForm() const { return FOwnerForm; }
  // The standard buttons, in creation order.
  TNCButton* OnTopButton() const { return FOnTopButton; }
  TNCButton* RollUpButton() const { return FRollUpButton; }
  TNCButton* HelpButton() const { return FHelpButton; }
  TNCButton* StartButton() const { return FStartButton; }
  int CustomButtonCount() const { return static_cast<int>(FCustomButtonList.size()); }
  TNCCustomButton* CustomButton(int Index) const { return FCustomButtonList.at(static_cast<size_t>(Index)); }

  // Draws the caption bar (gradient, icon, text, buttons) and the effects.
  void PaintCaption();
  void PaintCaptionEffect();
  // Paints one caption button on a canvas in window coordinates.
  void PaintButton(TCanvas& Canvas, TNCButton& Button);
  // The whole system frame refresh (SWP_FRAMECHANGED).
  void FrameRefresh();

private:
  friend class TNCCustomButton;
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  bool Reading() const { return FReading; }
  TCaptionBorder BorderKind() const;
  int StripWidth() const;
  T3DEffect BorderEffect() const { return FEffects[FActive ? 2 : 5]; }
  void SetEffect(int Index, T3DEffect Value);
  TNCButton* MakeButton(bool Shown, int Gap);
  void CreateStandardButtons();
  void SyncCustomButtons();
  void CustomButtonClick(TObject* Sender);
  void UpdateCaptionFont(TCaptionFontSource Source);
  std::vector<TNCButton*> CaptionButtonList() const;

  // Messages.
  void NcPaint(TMessage& Message);
  void NcActivate(TMessage& Message);
  bool NcMouse(TMessage& Message);
  void Size(TMessage& Message);
  void MinMaxInfo(TMessage& Message);
  void Help(const HELPINFO& Info);
  bool HelpSelectClick(TMessage& Message);
  void TrayNotify(TMessage& Message);
  void Pass(TMessage& Message) { inherited::WndProc(Message); }

  // Painting.
  void ComposeCaption(TWinBitmap& Bitmap, const TRectI& R);
  void DrawCaptionText(TCanvas& Canvas, RECT B, COLORREF K);
  void DrawEffectText(TCanvas& Canvas, int X, int Y, const std::string& Text, COLORREF K);
  void DrawBorderEffect(TCanvas& Canvas, int Width, int Height);
  void DrawCaptionBarEffect(TCanvas& Canvas, int Width);

  // Buttons.
  void RollUpClick();
  void OnTopClick();
  void StartClick();
  void HelpClick();

  // Notification area.
  void UpdateTrayIcon();
  void RemoveTrayIcon();

  TCustomForm* FOwnerForm = nullptr;
  TColor FActiveGradient = clBlack, FInactiveGradient = clBlack;
  int FItalicWords = 1;
  ToxfOptions FOptions{oxfActiveGradient, oxfInactiveGradient};
  TCaptionButtons FCaptionButtons{oxbRollUp, oxbHelp, oxbStart, oxbOnTop, oxbCustom};
  TStringList* FCustomButtons = nullptr;
  int FCustomButtonIndex = -1;
  bool FRollUp = false, FRolling = false;
  int FRememberedHeight = 0;
  bool FReading = false;
  T3DEffect FEffects[6] = {ox3Normal, ox3Normal, ox3Normal, ox3Normal, ox3Normal, ox3Normal};
  uint16_t FMinHeight = 0, FMinWidth = 0, FMaxWidth = 400, FMaxHeight = 300;
  TAlignment FAlignment = taLeftJustify;

  TCaptionMetrics FMetrics;
  bool FActive = false;
  TFont FCaptionFont;
  std::unique_ptr<TGradient> FActiveGrad, FInactiveGrad;
  TWinBitmap FActiveBitmap, FInactiveBitmap;
  TCanvas FCanvas;
  COLORREF FActiveTextColor = 0xFFFFFF, FInactiveTextColor = 0xFFFFFF;
  int FButtonsLeft = 0;
  int FFormWidth = 0;

  TNCButton* FOnTopButton = nullptr;
  TNCButton* FRollUpButton = nullptr;
  TNCButton* FHelpButton = nullptr;
  TNCButton* FStartButton = nullptr;
  std::vector<TNCCustomButton*> FCustomButtonList;

  TIcon* FTrayIcon = nullptr;
  TWinIcon FTrayIconHandle;
  uint32_t FTrayIconRevision = ~0u;
  std::string FTrayHint;
  TPopupMenu* FTrayMenu = nullptr;
  bool FTrayEnabled = false;
  NOTIFYICONDATAA FTrayData{};
  bool FTrayAdded = false, FTrayShown = false;
};
