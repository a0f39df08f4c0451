// The window built in this process: its icons, and a description whose
// control cannot be built leaving nothing behind.
#include <gtest/gtest.h>

#include <ole2.h>

#include "app/application.h"
#include "window/main_window.h"
#include "window/window_description.h"

namespace {

int CountThreadWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM counter) {
    if (IsWindow(window)) ++*reinterpret_cast<int*>(counter);
    return TRUE;
  }, reinterpret_cast<LPARAM>(&count));
  return count;
}

SIZE IconSize(HICON icon) {
  SIZE size = {0, 0};
  ICONINFO info;
  if (icon && GetIconInfo(icon, &info)) {
    BITMAP bitmap;
    GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    size = {bitmap.bmWidth, bitmap.bmHeight};
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
  return size;
}

// Start-up initialises OLE before the window (and its browser pane) is built.
class LoadWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { OleInitialize(nullptr); }
  static void TearDownTestSuite() { OleUninitialize(); }
};

TEST_F(LoadWindow, SetsTheProgramIconAtBothSizes) {
  ASSERT_TRUE(::LoadWindow(kMainWindow));
  HWND window = FindWindowA(nullptr, "Dravelin");
  ASSERT_NE(window, nullptr);
  HICON big = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0));
  HICON small = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
  EXPECT_EQ(big, ProgramIcon(true));
  EXPECT_EQ(small, ProgramIcon(false));
  EXPECT_EQ(IconSize(big).cx, 32);
  EXPECT_EQ(IconSize(big).cy, 32);
  EXPECT_EQ(IconSize(small).cx, 16);
  EXPECT_EQ(IconSize(small).cy, 16);
  DestroyWindow(window);
  EXPECT_EQ(App().openWindow, nullptr);
}

// A control kind without a builder stands for a control that cannot be built.
TEST_F(LoadWindow, FailsWithoutLeavingAWindowWhenAControlCannotBeBuilt) {
  const WindowProperties& properties = *kMainWindow.items[0].properties.window;
  ItemDescription items[4] = {kMainWindow.items[0], kMainWindow.items[1], {}, kMainWindow.items[1]};
  items[2] = kMainWindow.items[1];
  items[2].id = 99;
  items[2].kind = ItemKind::Window;  // no control of this kind can be built
  items[3].id = 98;
  ASSERT_TRUE(properties.caption);
  const WindowDescription broken = {"broken", items, 4};
  const int before = CountThreadWindows();
  EXPECT_FALSE(::LoadWindow(broken));
  EXPECT_EQ(CountThreadWindows(), before);
  EXPECT_EQ(FindWindowA(nullptr, "Dravelin"), nullptr);
  EXPECT_EQ(App().openWindow, nullptr);
}

}  // namespace
