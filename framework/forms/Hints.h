#pragma once
// Hints: the window that shows a control's Hint when the pointer rests on
// it, and the machinery that times, places, shows and hides it.
#include "framework/controls/Controls.h"
#include "framework/win32/MessageWindow.h"

#include <functional>

// The pop-up window that shows hints: the hint manager makes one from its
// hint-window class and calls ActivateHint with a rectangle and the text;
// hiding is ShowWindow(SW_HIDE).
class THintWindow : public TWinControl {
  QV_CLASS(THintWindow, TWinControl)
public:
  explicit THintWindow(TComponent* AOwner);
  virtual void ActivateHint(RECT Rect, const std::string& Hint);
  virtual RECT CalcHintRect(int MaxWidth, const std::string& Hint);
  TCanvas& Canvas() { return FCanvas; }
  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  bool WantsOwnPaint() const override { return true; }
  void PaintWindow(HDC DC) override;
  virtual void Paint();

private:
  TCanvas FCanvas;
};

using THintWindowClass = std::function<THintWindow*(TComponent* Owner)>;

// The hint machinery of the application: the hint window, made from a
// replaceable class, the delay after the pointer comes to rest on a control,
// and showing and hiding the hint. Hint windows are owned by WindowOwner.
class THintManager {
public:
  explicit THintManager(TComponent* WindowOwner);
  ~THintManager();
  THintManager(const THintManager&) = delete;
  THintManager& operator=(const THintManager&) = delete;

  bool ShowHint() const { return FShowHint; }
  // Switching hints on makes the hint window from the current class.
  void SetShowHint(bool Value);
  const THintWindowClass& HintWindowClass() const { return FHintWindowClass; }
  void SetHintWindowClass(THintWindowClass Value) { FHintWindowClass = std::move(Value); }
  THintWindow* HintWindow() const { return FHintWindow; }
  TColor HintColor() const { return FHintColor; }
  void SetHintColor(TColor Value);
  int HintPause() const { return FHintPause; }
  void SetHintPause(int Value) { FHintPause = Value; }

  void CancelHint();
  // Shows the hint of the control under the screen point now: its whole
  // Hint, for windowed and graphic controls alike.
  void ActivateHint(POINT CursorPos);
  // Called by windows on mouse moves; restarts the hint delay.
  void NoteMouseOver(TWinControl* Window, POINT ClientPos);

private:
  // The control whose hint belongs at the screen point, or null.
  TControl* HintControlAt(POINT CursorPos) const;
  void HideHint();
  void OnMessage(TMessage& Message);

  TComponent* FWindowOwner;
  bool FShowHint = false;
  THintWindowClass FHintWindowClass;
  THintWindow* FHintWindow = nullptr;
  TColor FHintColor = clInfoBk;
  int FHintPause = 500;
  TControl* FHintControl = nullptr;
  TMessageWindow FWindow;
  qv::TimerHandle FTimer;
};
