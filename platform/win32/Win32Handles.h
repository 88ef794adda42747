#pragma once
// Owners for the two kinds of kernel handle the file-system seam holds. Both
// use INVALID_HANDLE_VALUE as their empty value: that is how CreateFileA and
// FindFirstFileA report failure, and a null handle is never returned by them.
#include <windows.h>

#include <utility>

template <BOOL(WINAPI* CloseFn)(HANDLE)> class TWin32Handle {
public:
  TWin32Handle() noexcept = default;
  explicit TWin32Handle(HANDLE Handle) noexcept : FHandle(Handle) {}
  TWin32Handle(TWin32Handle&& Other) noexcept : FHandle(Other.release()) {}
  TWin32Handle& operator=(TWin32Handle&& Other) noexcept
  {
    if (this != &Other) reset(Other.release());
    return *this;
  }
  TWin32Handle(const TWin32Handle&) = delete;
  TWin32Handle& operator=(const TWin32Handle&) = delete;
  ~TWin32Handle() { reset(); }

  HANDLE get() const noexcept { return FHandle; }
  explicit operator bool() const noexcept { return FHandle != INVALID_HANDLE_VALUE; }
  HANDLE release() noexcept { return std::exchange(FHandle, INVALID_HANDLE_VALUE); }
  // Closes the handle now; false when the close itself failed.
  bool reset(HANDLE Handle = INVALID_HANDLE_VALUE) noexcept
  {
    const HANDLE old = std::exchange(FHandle, Handle);
    return old == INVALID_HANDLE_VALUE || CloseFn(old) != FALSE;
  }

private:
  HANDLE FHandle = INVALID_HANDLE_VALUE;
};

// A file opened with CreateFileA.
using TFileHandle = TWin32Handle<CloseHandle>;
// An enumeration started with FindFirstFileA.
using TFindHandle = TWin32Handle<FindClose>;
