#include "tests/support/WineTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

namespace qvtest {

void PumpMessagesFor(DWORD ms)
{
  PumpUntil([] { return false; }, ms);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
  DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (condition()) return true;
    DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) return condition();
    // Waiting instead of spinning keeps wineserver idle between messages.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
  }
}

std::string WindowText(HWND window)
{
  // Messages rather than GetWindowTextA, which reads only the caption of
  // another process's window, never the text of its controls.
  std::string text(static_cast<size_t>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
  text.resize(
      static_cast<size_t>(SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

std::string ClassName(HWND window)
{
  char buffer[256] = {};
  GetClassNameA(window, buffer, sizeof(buffer));
  return buffer;
}

Pixels CaptureDC(HDC dc, int width, int height, int x, int y)
{
  Pixels pixels;
  if (width <= 0 || height <= 0) return pixels;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, dc, x, y, SRCCOPY);
  GdiFlush();
  pixels.width = width;
  pixels.height = height;
  pixels.data.resize(static_cast<size_t>(width) * height);
  const auto* raw = static_cast<const DWORD*>(bits);
  for (size_t i = 0; i < pixels.data.size(); ++i) {
    DWORD v = raw[i];  // 0x00RRGGBB in a DIB
    pixels.data[i] = RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(bitmap);
  return pixels;
}

Pixels CaptureClient(HWND window)
{
  RECT client{};
  GetClientRect(window, &client);
  HDC dc = GetDC(window);
  Pixels pixels = CaptureDC(dc, client.right, client.bottom);
  ReleaseDC(window, dc);
  return pixels;
}

void MovePointerTo(POINT screen) { SetCursorPos(screen.x, screen.y); }

void LeftClickAt(POINT screen)
{
  MovePointerTo(screen);
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  MouseButton(MOUSEEVENTF_LEFTUP);
}

void MouseButton(DWORD flags)
{
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof in);
}

void ExpectFlatHandleCounts(const std::function<void(int)>& cycle, int warm, int runs, DWORD slack)
{
  for (int i = 0; i < warm; ++i) cycle(i);
  PumpMessagesFor(100);
  const GuiCounts before = CurrentGuiCounts();
  for (int i = 0; i < runs; ++i) cycle(i);
  PumpMessagesFor(100);
  const GuiCounts after = CurrentGuiCounts();
  EXPECT_LE(after.gdi, before.gdi + slack);
  EXPECT_LE(after.user, before.user + slack);
}

void TapKey(WORD vk, WORD modifier)
{
  const WORD keys[] = {modifier, vk, vk, modifier};  // down, down, up, up
  std::vector<INPUT> in;
  for (int i = 0; i < 4; ++i) {
    if (!keys[i]) continue;
    INPUT key{};
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = keys[i];
    key.ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    in.push_back(key);
  }
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
  Sleep(300);
}

HWND FocusOf(DWORD thread)
{
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

namespace {
// Wine 8 answers GetGuiResources with 0. Its GDI and USER handles are a 16-bit
// table index plus a generation in the high word, and a handle with a zero
// high word is accepted for any generation, so the live objects can be
// counted by probing every index.
DWORD ProbeGdiObjects()
{
  DWORD count = 0;
  for (UINT_PTR index = 1; index < 0x10000; ++index) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
  }
  return count;
}

DWORD ProbeUserObjects()
{
  DWORD count = 0;
  DWORD self = GetCurrentProcessId();
  for (UINT_PTR index = 0x20; index < 0x10000; index += 2) {
    HWND window = reinterpret_cast<HWND>(index);
    DWORD owner = 0;
    if (IsWindow(window) && GetWindowThreadProcessId(window, &owner) && owner == self)
      ++count;
    else if (IsMenu(reinterpret_cast<HMENU>(index)))
      ++count;
  }
  return count;
}
}  // namespace

void SaveScreenshot(HWND window, const std::string& path, int extra)
{
  RECT r;
  GetWindowRect(window, &r);
  HDC screen = GetDC(nullptr);
  const Pixels pixels = CaptureDC(screen, r.right - r.left + extra, r.bottom - r.top + extra, r.left, r.top);
  ReleaseDC(nullptr, screen);
  // Top-down rows of 0x00RRGGBB, as a DIB holds them.
  std::vector<DWORD> rows(pixels.data.size());
  for (size_t i = 0; i < rows.size(); ++i)
    rows[i] = RGB(GetBValue(pixels.data[i]), GetGValue(pixels.data[i]), GetRValue(pixels.data[i]));
  const BITMAPINFOHEADER header{sizeof header, pixels.width, -pixels.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  const DWORD size = static_cast<DWORD>(rows.size() * sizeof(DWORD));
  const BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof file + sizeof header + size), 0, 0,
                              static_cast<DWORD>(sizeof file + sizeof header)};
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(reinterpret_cast<const char*>(rows.data()), size);
}

GuiCounts CurrentGuiCounts()
{
  HANDLE process = GetCurrentProcess();
  GuiCounts counts{GetGuiResources(process, GR_GDIOBJECTS), GetGuiResources(process, GR_USEROBJECTS)};
  if (counts.gdi == 0) counts.gdi = ProbeGdiObjects();
  if (counts.user == 0) counts.user = ProbeUserObjects();
  return counts;
}

}  // namespace qvtest
