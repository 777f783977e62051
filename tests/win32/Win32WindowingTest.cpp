// The window functions on real windows: enabling, showing, the topmost band, and the
// selection of the focused control's text.
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

class Win32WindowingTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame = CreateWindowExA(0, "STATIC", "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300,
                                200, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(frame, nullptr);
        edit = CreateWindowExA(0, "EDIT", "Deep Sea", WS_CHILD | WS_VISIBLE, 5, 5, 200, 20, frame,
                               nullptr, nullptr, nullptr);
        ASSERT_NE(edit, nullptr);
    }
    void TearDown() override { DestroyWindow(frame); }

    Win32Windowing windowing;
    HWND frame = nullptr;
    HWND edit = nullptr;
};

TEST_F(Win32WindowingTest, EnablesAndShowsByHandleAndIgnoresADestroyedWindow) {
    windowing.EnableWindow(Handle(frame), false);
    EXPECT_FALSE(IsWindowEnabled(frame));
    windowing.EnableWindow(Handle(frame), true);
    EXPECT_TRUE(IsWindowEnabled(frame));
    windowing.ShowWindow(Handle(frame), kSwShowNormal);
    EXPECT_TRUE(IsWindowVisible(frame));
    windowing.ShowWindow(Handle(frame), kSwHide);
    EXPECT_FALSE(IsWindowVisible(frame));

    HWND gone = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    windowing.EnableWindow(Handle(gone), false);
    windowing.ShowWindow(Handle(gone), kSwShowNormal);
    windowing.SetSelection(Handle(gone), 0, 5);
    EXPECT_EQ(windowing.TextLength(Handle(gone)), 0);
}

TEST_F(Win32WindowingTest, TheTopmostBandIsJoinedAndLeftInPlace) {
    RECT before{};
    GetWindowRect(frame, &before);
    MakeTopmost(windowing, Handle(frame));
    EXPECT_TRUE(GetWindowLongA(frame, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SetWindowOnTop(windowing, Handle(frame), false);
    EXPECT_FALSE(GetWindowLongA(frame, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT after{};
    GetWindowRect(frame, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(Win32WindowingTest, SelectAllTextSelectsTheFocusedEditBox) {
    ShowWindow(frame, SW_SHOWNORMAL);
    SetForegroundWindow(frame);
    SetFocus(edit);
    ASSERT_EQ(windowing.FocusedControl(), Handle(edit));
    EXPECT_EQ(windowing.TextLength(Handle(edit)), 8);
    SendMessageA(edit, EM_SETSEL, 3, 3);
    SelectAllText(windowing);
    DWORD start = 99, end = 99;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 8u);
}

}  // namespace
}  // namespace velmora::win32
