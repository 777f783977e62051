// The browser port on Windows: the shell's window collection and new browser windows
// through COM. Under Wine the collection is unimplemented and must read as empty.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/Win32Browsers.h"
#include "ui/IsInternetExplorer.h"

namespace velmora::win32 {
namespace {

int timerCalls = 0;
void CALLBACK CountTimer(HWND window, UINT, UINT_PTR id, DWORD) {
    ++timerCalls;
    KillTimer(window, id);
}

TEST(Win32Browsers, YieldingRunsPendingMessagesAndKeepsAQuitRequest) {
    Win32Browsers browsers;
    timerCalls = 0;
    HWND window =
        CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_NULL, 0, 0);
    SetTimer(window, 1, 1, CountTimer);
    Sleep(20);
    browsers.YieldToMessageLoop();
    EXPECT_EQ(timerCalls, 1);
    MSG left;
    EXPECT_FALSE(PeekMessageA(&left, window, WM_NULL, WM_NULL, PM_NOREMOVE));

    // A quit request met while yielding stays for the program's own loop.
    PostQuitMessage(7);
    browsers.YieldToMessageLoop();
    MSG quit;
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 7u);
    DestroyWindow(window);
}

// Closes a browser window the test opened: Quit, and where the platform's browser does not
// honour it at once (Wine's never does), its process.
void CloseBrowserOfTest(Win32Browsers& browsers, BrowserWindow& browser, HWND hwnd) {
    browser.Quit();
    for (int i = 0; i < 10 && IsWindow(hwnd); ++i, Sleep(20)) browsers.YieldToMessageLoop();
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    if (!IsWindow(hwnd) || processId == 0 || processId == GetCurrentProcessId()) return;
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId)) {
        TerminateProcess(process, 0);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

TEST(Win32Browsers, ANewBrowserWindowNavigatesShowsAndHides) {
    Win32Browsers browsers;
    auto browser = browsers.CreateBrowser();
    ASSERT_NE(browser, nullptr);
    const HWND hwnd = reinterpret_cast<HWND>(browser->Hwnd());
    ASSERT_TRUE(IsWindow(hwnd));

    browser->Navigate2("about:blank", kNavNoHistory);
    // Shown off the screen: under Wine without a window manager, hiding a window on the
    // screen waits two seconds for the display. (Wine's browser ignores its own Left and Top.)
    SetWindowPos(hwnd, nullptr, -5000, -5000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    browser->SetVisible(true);
    EXPECT_TRUE(browser->Visible());
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_EQ(browser->LocationURL(), "about:blank");

    // Members the platform's browser may lack answer quietly instead of failing.
    browser->SetToolBar(false);
    browser->SetMenuBar(true);
    browser->SetStatusBar(false);
    browser->ShowBrowserBar("{BDAD1DAD-C946-4A17-ADC1-64B5B4FF55D0}", false);
    browser->SetTop(40);
    (void)browser->FullName();
    (void)browser->Top();

    browser->SetVisible(false);
    EXPECT_FALSE(browser->Visible());
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_EQ(FindWindowA("#32770", nullptr), nullptr);

    CloseBrowserOfTest(browsers, *browser, hwnd);
    EXPECT_FALSE(IsWindow(hwnd));
}

}  // namespace
}  // namespace velmora::win32
