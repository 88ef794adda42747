#pragma once
#include <windows.h>

#include <functional>

#include "framework/win32/Handles.h"
#include "framework/win32/Messages.h"

// A hidden window whose messages go to a handler (components use one to post
// themselves work for the message loop). Exceptions from the handler go to the
// exception report (ExceptionReport.h); the result then stays DefWindowProc's.
class TMessageWindow {
public:
  using THandler = std::function<void(TMessage& Message)>;
  explicit TMessageWindow(THandler Handler);
  ~TMessageWindow();
  TMessageWindow(const TMessageWindow&) = delete;
  TMessageWindow& operator=(const TMessageWindow&) = delete;
  HWND Handle() const { return FWindow.get(); }

private:
  static LRESULT CALLBACK WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
  THandler FHandler;
  qv::OwnedWindow FWindow;
};
