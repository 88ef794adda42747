#include "tests/support/WineTestSupport.h"

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

namespace {
struct FindRequest {
  std::string className;
  std::string title;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param)
{
  auto* request = reinterpret_cast<FindRequest*>(param);
  if (!IsWindowVisible(window)) return TRUE;
  if (ClassName(window) != request->className) return TRUE;
  if (!request->title.empty() && WindowText(window) != request->title) return TRUE;
  request->found = window;
  return FALSE;
}
}  // namespace

HWND FindThreadWindow(const std::string& className, const std::string& title)
{
  FindRequest request{className, title};
  EnumThreadWindows(GetCurrentThreadId(), MatchWindow, reinterpret_cast<LPARAM>(&request));
  return request.found;
}

HWND WaitForThreadWindow(const std::string& className, const std::string& title, DWORD timeoutMs)
{
  HWND found = nullptr;
  PumpUntil([&] { return (found = FindThreadWindow(className, title)) != nullptr; }, timeoutMs);
  return found;
}

std::string WindowText(HWND window)
{
  char buffer[512] = {};
  GetWindowTextA(window, buffer, sizeof(buffer));
  return buffer;
}

std::string ClassName(HWND window)
{
  char buffer[256] = {};
  GetClassNameA(window, buffer, sizeof(buffer));
  return buffer;
}

Pixels CaptureDC(HDC dc, int width, int height)
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
  BitBlt(memory, 0, 0, width, height, dc, 0, 0, SRCCOPY);
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
  INPUT inputs[2] = {};
  inputs[0].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].type = INPUT_MOUSE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, inputs, sizeof(INPUT));
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
  r.right += extra;
  r.bottom += extra;
  const int w = r.right - r.left, h = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const DWORD size = static_cast<DWORD>(((w * 3 + 3) & ~3) * h);
  BITMAPFILEHEADER fh{0x4D42, static_cast<DWORD>(sizeof fh + sizeof bi.bmiHeader + size), 0, 0,
                      static_cast<DWORD>(sizeof fh + sizeof bi.bmiHeader)};
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&fh), sizeof fh);
  out.write(reinterpret_cast<const char*>(&bi.bmiHeader), sizeof bi.bmiHeader);
  out.write(static_cast<const char*>(bits), size);
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
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
