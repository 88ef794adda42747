#pragma once
// Move-only owners for every kind of Win32 handle the framework holds. Each type
// knows the one call that releases its handle; copying is deleted so a handle
// is released exactly once. Borrowed handles are plain values (HMENU, HDC).
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace qv {

// Generic owner: Traits gives the empty value and the release call.
template <class Handle, class Traits> class UniqueHandle {
public:
  UniqueHandle() noexcept : handle_(Traits::empty()) {}
  explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept
  {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != Traits::empty(); }
  Handle release() noexcept { return std::exchange(handle_, Traits::empty()); }
  void reset(Handle handle = Traits::empty()) noexcept
  {
    Handle old = std::exchange(handle_, handle);
    if (old != Traits::empty()) Traits::close(old);
  }

private:
  Handle handle_;
};

template <class H> struct GdiTraits {
  static H empty() noexcept { return nullptr; }
  static void close(H h) noexcept { DeleteObject(reinterpret_cast<HGDIOBJ>(h)); }
};
// A GDI object we created (font, pen, brush, bitmap, region).
template <class H> using GdiObject = UniqueHandle<H, GdiTraits<H>>;
using FontHandle = GdiObject<HFONT>;
using PenHandle = GdiObject<HPEN>;
using BrushHandle = GdiObject<HBRUSH>;
using BitmapHandle = GdiObject<HBITMAP>;
using RegionHandle = GdiObject<HRGN>;

struct MemoryDCTraits {
  static HDC empty() noexcept { return nullptr; }
  static void close(HDC h) noexcept { DeleteDC(h); }
};
// A device context from CreateCompatibleDC.
using MemoryDC = UniqueHandle<HDC, MemoryDCTraits>;

struct MenuTraits {
  static HMENU empty() noexcept { return nullptr; }
  static void close(HMENU h) noexcept { DestroyMenu(h); }
};
// A menu we created and that no window or parent menu has taken over.
using OwnedMenu = UniqueHandle<HMENU, MenuTraits>;

struct RegKeyTraits {
  static HKEY empty() noexcept { return nullptr; }
  static void close(HKEY h) noexcept { RegCloseKey(h); }
};
using RegKey = UniqueHandle<HKEY, RegKeyTraits>;

struct HookTraits {
  static HHOOK empty() noexcept { return nullptr; }
  static void close(HHOOK h) noexcept { UnhookWindowsHookEx(h); }
};
using HookHandle = UniqueHandle<HHOOK, HookTraits>;

struct IconTraits {
  static HICON empty() noexcept { return nullptr; }
  static void close(HICON h) noexcept { DestroyIcon(h); }
};
using IconHandle = UniqueHandle<HICON, IconTraits>;

struct WindowTraits {
  static HWND empty() noexcept { return nullptr; }
  static void close(HWND h) noexcept
  {
    if (IsWindow(h)) DestroyWindow(h);
  }
};
using OwnedWindow = UniqueHandle<HWND, WindowTraits>;

struct ImageListTraits {
  static HIMAGELIST empty() noexcept { return nullptr; }
  static void close(HIMAGELIST h) noexcept { ImageList_Destroy(h); }
};
using ImageListHandle = UniqueHandle<HIMAGELIST, ImageListTraits>;

// GetDC/GetWindowDC result; ReleaseDC needs the window too.
class WindowDC {
public:
  WindowDC() noexcept = default;
  // whole = true takes GetWindowDC (non-client included), else GetDC.
  explicit WindowDC(HWND window, bool whole = false) noexcept
      : window_(window), dc_(whole ? GetWindowDC(window) : GetDC(window))
  {}
  WindowDC(WindowDC&& other) noexcept
      : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr))
  {}
  WindowDC& operator=(WindowDC&& other) noexcept
  {
    if (this != &other) {
      reset();
      window_ = std::exchange(other.window_, nullptr);
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() { reset(); }
  HDC get() const noexcept { return dc_; }
  HWND window() const noexcept { return window_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }
  void reset() noexcept
  {
    if (dc_) ReleaseDC(window_, dc_);
    dc_ = nullptr;
    window_ = nullptr;
  }

private:
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

// BeginPaint/EndPaint pair for one WM_PAINT.
class PaintDC {
public:
  explicit PaintDC(HWND window) noexcept : window_(window), paint_{} { dc_ = BeginPaint(window, &paint_); }
  PaintDC(PaintDC&& other) noexcept
      : window_(std::exchange(other.window_, nullptr)), paint_(other.paint_), dc_(std::exchange(other.dc_, nullptr))
  {}
  PaintDC& operator=(PaintDC&&) = delete;
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  ~PaintDC()
  {
    if (dc_) EndPaint(window_, &paint_);
  }
  HDC get() const noexcept { return dc_; }
  const RECT& area() const noexcept { return paint_.rcPaint; }

private:
  HWND window_;
  PAINTSTRUCT paint_;
  HDC dc_ = nullptr;
};

// Selects an object into a DC and puts the previous one back. Declare it
// after the object it selects, so the object is deselected before deletion.
class SelectionGuard {
public:
  SelectionGuard() noexcept = default;
  SelectionGuard(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr)
  {
    if (!old_) dc_ = nullptr;
  }
  SelectionGuard(SelectionGuard&& other) noexcept
      : dc_(std::exchange(other.dc_, nullptr)), old_(std::exchange(other.old_, nullptr))
  {}
  SelectionGuard& operator=(SelectionGuard&& other) noexcept
  {
    if (this != &other) {
      reset();
      dc_ = std::exchange(other.dc_, nullptr);
      old_ = std::exchange(other.old_, nullptr);
    }
    return *this;
  }
  SelectionGuard(const SelectionGuard&) = delete;
  SelectionGuard& operator=(const SelectionGuard&) = delete;
  ~SelectionGuard() { reset(); }
  void reset() noexcept
  {
    if (dc_ && old_) SelectObject(dc_, old_);
    dc_ = nullptr;
    old_ = nullptr;
  }

private:
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

// A SetTimer timer on a window (or a thread timer when the window is null).
class TimerHandle {
public:
  TimerHandle() noexcept = default;
  TimerHandle(HWND window, UINT_PTR id, UINT interval, TIMERPROC proc = nullptr) noexcept
      : window_(window), id_(SetTimer(window, id, interval, proc))
  {}
  TimerHandle(TimerHandle&& other) noexcept
      : window_(std::exchange(other.window_, nullptr)), id_(std::exchange(other.id_, 0))
  {}
  TimerHandle& operator=(TimerHandle&& other) noexcept
  {
    if (this != &other) {
      reset();
      window_ = std::exchange(other.window_, nullptr);
      id_ = std::exchange(other.id_, 0);
    }
    return *this;
  }
  TimerHandle(const TimerHandle&) = delete;
  TimerHandle& operator=(const TimerHandle&) = delete;
  ~TimerHandle() { reset(); }
  UINT_PTR id() const noexcept { return id_; }
  explicit operator bool() const noexcept { return id_ != 0; }
  void reset() noexcept
  {
    if (id_) KillTimer(window_, id_);
    id_ = 0;
    window_ = nullptr;
  }

private:
  HWND window_ = nullptr;
  UINT_PTR id_ = 0;
};

}  // namespace qv
