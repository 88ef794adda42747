#include "framework/win32/MessageWindow.h"

#include "framework/objects/Exceptions.h"
#include "framework/win32/ExceptionReport.h"

TMessageWindow::TMessageWindow(THandler Handler) : FHandler(std::move(Handler))
{
  static bool registered = false;
  if (!registered) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QvMessageWindow";
    if (!RegisterClassA(&wc)) throw EOutOfResources("Cannot register window class QvMessageWindow");
    registered = true;
  }
  FWindow.reset(
      CreateWindowExA(0, "QvMessageWindow", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr), this));
  if (!FWindow) throw EOutOfResources("Cannot create a message window");
}

TMessageWindow::~TMessageWindow()
{
  if (FWindow) SetWindowLongPtrA(FWindow.get(), GWLP_USERDATA, 0);
}

LRESULT CALLBACK TMessageWindow::WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
  if (Msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(LParam);
    SetWindowLongPtrA(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  TMessage m{Msg, WParam, LParam, DefWindowProcA(Window, Msg, WParam, LParam)};
  auto* self = reinterpret_cast<TMessageWindow*>(GetWindowLongPtrA(Window, GWLP_USERDATA));
  if (self && self->FHandler) {
    try {
      self->FHandler(m);
    } catch (...) {
      HandleCallbackException();
    }
  }
  return m.Result;
}
