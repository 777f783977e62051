// The browser port on Windows: the shell's window collection (unimplemented under Wine: it
// reads as empty), a new browser window through COM, and yielding to the message loop.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/Win32Browsers.h"

namespace velmora::win32 {
namespace {

TEST(Win32Browsers, YieldingRunsPendingMessagesAndLeavesAQuitRequestForTheProgramsLoop) {
    Win32Browsers browsers;
    PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
    browsers.YieldToMessageLoop();
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, nullptr, WM_APP, WM_APP, PM_NOREMOVE));
    PostQuitMessage(7);
    browsers.YieldToMessageLoop();
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
}

TEST(Win32Browsers, ANewBrowserWindowNavigatesShowsAndHides) {
    Win32Browsers browsers;
    EXPECT_TRUE(browsers.ShellWindows().empty());
    auto browser = browsers.CreateBrowser();
    ASSERT_NE(browser, nullptr);
    const HWND hwnd = reinterpret_cast<HWND>(browser->Hwnd());
    ASSERT_TRUE(IsWindow(hwnd));
    browser->Navigate2("about:blank", kNavNoHistory);
    // Off the screen: under Wine without a window manager, hiding a window on the screen
    // waits two seconds for the display. (Wine's browser ignores its own Left and Top.)
    SetWindowPos(hwnd, nullptr, -5000, -5000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    browser->SetVisible(true);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(browser->LocationURL(), "about:blank");
    browser->SetToolBar(false);  // a member Wine's browser lacks answers quietly
    browser->SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(hwnd));

    // Quit, and where the browser does not honour it at once (Wine's never does), its process.
    browser->Quit();
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    HANDLE process = processId == GetCurrentProcessId()
                         ? nullptr
                         : OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
    if (process) {
        TerminateProcess(process, 0);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

}  // namespace
}  // namespace velmora::win32
