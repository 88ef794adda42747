#include "framework/win32/Handles.h"
#include "platform/win32/Win32Handles.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "tests/support/WineTestSupport.h"

namespace {

TEST(HandlesTest, GdiObjectOrMenuIsFreedOnceByItsLastOwnerUnlessReleased)
{
  qv::PenHandle a(CreatePen(PS_SOLID, 1, 0));
  HPEN raw = a.get();
  {
    qv::PenHandle b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(raw, b.get());
    EXPECT_EQ(static_cast<DWORD>(OBJ_PEN), GetObjectType(raw));
  }
  EXPECT_EQ(0u, GetObjectType(raw));
  qv::BrushHandle brush(CreateSolidBrush(RGB(1, 2, 3)));
  HBRUSH replaced = brush.get();
  brush = qv::BrushHandle();
  EXPECT_EQ(0u, GetObjectType(replaced));
  // A menu goes with its owner unless released.
  HMENU menu = CreatePopupMenu();
  qv::OwnedMenu(menu).reset();
  EXPECT_FALSE(IsMenu(menu));
  HMENU released = qv::OwnedMenu(CreatePopupMenu()).release();
  EXPECT_TRUE(IsMenu(released));
  DestroyMenu(released);
}

TEST(HandlesTest, FindHandleEmptyIsInvalidHandleValue)
{
  EXPECT_FALSE(TFindHandle());
  WIN32_FIND_DATAA data;
  TFindHandle missing(FindFirstFileA("Z:\\no\\such\\dir\\*", &data));
  EXPECT_FALSE(missing);
  TFindHandle found(FindFirstFileA("C:\\windows\\*", &data));
  EXPECT_TRUE(found);
}

TEST(HandlesTest, SelectionGuardPutsOldObjectBack)
{
  qv::MemoryDC dc(CreateCompatibleDC(nullptr));
  HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_BRUSH);
  qv::BrushHandle brush(CreateSolidBrush(RGB(9, 9, 9)));
  {
    qv::SelectionGuard guard(dc.get(), brush.get());
    EXPECT_EQ(static_cast<HGDIOBJ>(brush.get()), GetCurrentObject(dc.get(), OBJ_BRUSH));
  }
  EXPECT_EQ(original, GetCurrentObject(dc.get(), OBJ_BRUSH));
}

TEST(HandlesTest, RepeatedCreateAndReleaseKeepsCountsFlatAndALeakIsSeen)
{
  qvtest::ExpectFlatHandleCounts(
      [](int) {
        qv::MemoryDC dc(CreateCompatibleDC(nullptr));
        qv::BitmapHandle bitmap(CreateCompatibleBitmap(dc.get(), 8, 8));
        qv::SelectionGuard guard(dc.get(), bitmap.get());
        qv::FontHandle font(CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial"));
      },
      0, 200);
  // The check itself sees a cycle that keeps what it makes, GDI and USER objects alike.
  EXPECT_NONFATAL_FAILURE(qvtest::ExpectFlatHandleCounts([](int) { CreateSolidBrush(0); }, 0, 3), "after.gdi");
  EXPECT_NONFATAL_FAILURE(qvtest::ExpectFlatHandleCounts([](int) { CreatePopupMenu(); }, 0, 3), "after.user");
}

TEST(HandlesTest, TimerIsKilledOnDestruction)
{
  HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  {
    qv::TimerHandle timer(window, 7, 10);
    EXPECT_EQ(7u, timer.id());
  }
  qvtest::PumpMessagesFor(50);
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, window, WM_TIMER, WM_TIMER, PM_REMOVE));
  DestroyWindow(window);
}

}  // namespace
