#pragma once
// What the tests of the menus, captions and balloons share: keys for an open
// menu sent from a thread timer (the menu loop is modal), a window's pixels as
// the screen shows them, mouse buttons, handle counts over many cycles and a
// failure's exact text.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "framework/win32/Handles.h"
#include "tests/support/WineTestSupport.h"

namespace uitest {

struct TOpenMenuKeys {
  std::vector<WPARAM> Keys;
  std::function<void(HWND Menu)> OnOpen;
  bool Seen = false;
  qv::TimerHandle Timer;
};
inline TOpenMenuKeys openMenuKeys;

inline void CALLBACK OpenMenuTick(HWND, UINT, UINT_PTR Id, DWORD)
{
  TOpenMenuKeys& s = openMenuKeys;
  HWND menu = FindWindowA("#32768", nullptr);
  const bool open = menu && IsWindowVisible(menu);
  if (!s.Seen) {
    // A tick's grace, so the menu has painted before it is read or typed into.
    s.Seen = open;
    return;
  }
  if (open && s.OnOpen) std::exchange(s.OnOpen, nullptr)(menu);
  // A drop-down closed with its bar still selected: the loop reads the active window.
  if (!open) menu = GetActiveWindow();
  if (s.Keys.empty()) {
    if (Id == s.Timer.id())
      s = TOpenMenuKeys{};  // which stops the timer
    else
      KillTimer(nullptr, Id);
    return;
  }
  PostMessageA(menu, WM_KEYDOWN, s.Keys.front(), 0);
  s.Keys.erase(s.Keys.begin());
}

// Once a menu is open, OnOpen sees its window and Keys go to it, one a tick.
// One sender at a time: a sender left from the previous menu would post the
// next menu's keys before that menu is open, and its loop would wait for ever.
inline void SendKeysWhenOpen(std::vector<WPARAM> Keys, UINT Interval, std::function<void(HWND Menu)> OnOpen = nullptr)
{
  openMenuKeys =
      TOpenMenuKeys{std::move(Keys), std::move(OnOpen), false, qv::TimerHandle(nullptr, 0, Interval, OpenMenuTick)};
}

// What the screen shows of a window, frame included, in window coordinates.
inline qvtest::Pixels Shot(HWND Window)
{
  RECT r;
  GetWindowRect(Window, &r);
  const qv::WindowDC screen(nullptr);
  return qvtest::CaptureDC(screen.get(), r.right - r.left, r.bottom - r.top, r.left, r.top);
}

// Action fails with an E whose message is Text.
template <class E, class F> void ExpectFailure(F Action, const char* Text)
{
  try {
    Action();
    ADD_FAILURE() << "no exception";
  } catch (const E& e) {
    EXPECT_STREQ(Text, e.what());
  }
}

}  // namespace uitest
