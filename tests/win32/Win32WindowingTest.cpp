// The window functions on real windows: the focused control and its text selected, the
// topmost band, enabling and showing; a destroyed window is ignored.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/Win32Windowing.h"
#include "ui/MakeTopmost.h"
#include "ui/SelectAllText.h"

namespace velmora::win32 {
namespace {

WindowHandle Handle(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

// Off the screen: under Wine without a window manager, hiding or destroying a shown window
// on the screen waits two seconds for the display.
TEST(Win32Windowing, ActsOnRealWindowsAndIgnoresADestroyedOne) {
    Win32Windowing windowing;
    HWND frame = CreateWindowExA(0, "STATIC", "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, -5000,
                                 -5000, 300, 200, nullptr, nullptr, nullptr, nullptr);
    HWND edit = CreateWindowExA(0, "EDIT", "Deep Sea", WS_CHILD | WS_VISIBLE, 5, 5, 200, 20, frame,
                                nullptr, nullptr, nullptr);
    ASSERT_TRUE(frame && edit);
    SetForegroundWindow(frame);
    SetFocus(edit);
    SelectAllText(windowing);
    DWORD start = 99, end = 99;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start * 100 + end, 8u);

    MakeTopmost(windowing, Handle(frame));
    EXPECT_TRUE(GetWindowLongA(frame, GWL_EXSTYLE) & WS_EX_TOPMOST);
    windowing.EnableWindow(Handle(frame), false);
    EXPECT_FALSE(IsWindowEnabled(frame));
    windowing.ShowWindow(Handle(frame), kSwHide);
    EXPECT_FALSE(IsWindowVisible(frame));

    DestroyWindow(edit);
    windowing.EnableWindow(Handle(edit), false);
    windowing.SetSelection(Handle(edit), 0, 5);
    EXPECT_EQ(windowing.TextLength(Handle(edit)), 0);
    DestroyWindow(frame);
}

}  // namespace
}  // namespace velmora::win32
