// The clipboard port on Windows: a picture goes on the clipboard as a bitmap of its size;
// what is no Windows picture is refused.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/OleApartment.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Picture.h"
#include "tests/win32/BindingTestRes.h"

namespace velmora::win32 {
namespace {

struct NotWindows : Picture {
    int Width() const override { return 4; }
    int Height() const override { return 4; }
};

TEST(Win32Clipboard, APictureGoesOnTheClipboardAsABitmapOfItsSize) {
    OleApartment ole;
    // The active window owns what goes on the clipboard.
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                                 nullptr, nullptr, nullptr);
    SetActiveWindow(owner);
    const auto dot = Win32Picture::FromResource(GetModuleHandleA(nullptr), IDB_BINDINGDOT);
    ASSERT_TRUE(dot);
    Win32Clipboard clipboard;
    EXPECT_FALSE(clipboard.CopyPicture(NotWindows()));
    ASSERT_TRUE(clipboard.CopyPicture(*dot));
    ASSERT_TRUE(OpenClipboard(owner));
    BITMAP info = {};
    const auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    EXPECT_TRUE(bitmap && GetObjectA(bitmap, sizeof info, &info));
    EXPECT_EQ(info.bmWidth * 100 + info.bmHeight, 404);
    EmptyClipboard();
    CloseClipboard();
    DestroyWindow(owner);
}

}  // namespace
}  // namespace velmora::win32
