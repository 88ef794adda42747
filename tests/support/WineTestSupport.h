#pragma once
// Small helpers for Win32 tests under Wine: message pumping without spinning,
// window texts, pixels read back, mouse input, screenshots and handle counts.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace qvtest {

// Dispatches the messages that arrive within ms, sleeping between them.
void PumpMessagesFor(DWORD ms);
// Pumps until condition() holds or timeoutMs passes; returns condition().
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// The text of any window, also of another process's controls.
std::string WindowText(HWND window);
std::string ClassName(HWND window);

// The window's client area as COLORREF values, row by row (width × height),
// copied with BitBlt from a window DC into a memory bitmap.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> data;
  COLORREF at(int x, int y) const { return data[static_cast<size_t>(y) * width + x]; }
};
Pixels CaptureClient(HWND window);
// The same for any DC area (e.g. a memory DC a canvas drew on), from (x, y).
Pixels CaptureDC(HDC dc, int width, int height, int x = 0, int y = 0);

// Real mouse input, as a user gives it: the system picks the window under
// the pointer. The pointer is warped with SetCursorPos (which moves it under
// Wine's X11 driver too) and the button goes through SendInput; the messages
// arrive on this thread's queue, so pump afterwards.
void MovePointerTo(POINT screen);
void LeftClickAt(POINT screen);
// A mouse button pressed or released (MOUSEEVENTF_LEFTDOWN, ...) where the pointer is.
void MouseButton(DWORD flags);
// Real key presses from another thread while a modal loop runs on the UI
// thread: Vk with Modifier held (0 for none), then 300 ms for the dialog to
// take them.
void TapKey(WORD vk, WORD modifier = 0);
// The window that has the keyboard focus in thread's input state.
HWND FocusOf(DWORD thread);

// Saves what the screen shows of a window, Extra pixels wider and taller (an
// open menu over it), as a 32-bit BMP file.
void SaveScreenshot(HWND window, const std::string& path, int extra = 0);

struct GuiCounts {
  DWORD gdi = 0;
  DWORD user = 0;
};
GuiCounts CurrentGuiCounts();
// cycle(i) run warm times and then runs times more leaves the handle counts
// the warm-up left, give or take slack (what the system allocates late).
void ExpectFlatHandleCounts(const std::function<void(int)>& cycle, int warm, int runs, DWORD slack = 0);

}  // namespace qvtest
