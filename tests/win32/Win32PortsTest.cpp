// The small ports on Windows, one smoke test each against the real functions: the product
// information from the version resource, windows, the clipboard, pictures through OLE, the
// browsers through COM and their event sink.
#include <gtest/gtest.h>

#include <windows.h>
#include <exdisp.h>
#include <exdispid.h>

#include <stdexcept>
#include <string>

#include "app/win32/version.h"
#include "platform/win32/ComPtr.h"
#include "platform/win32/OleApartment.h"
#include "platform/win32/Variant.h"
#include "platform/win32/Win32BrowserEventSink.h"
#include "platform/win32/Win32Browsers.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Picture.h"
#include "platform/win32/Win32Pictures.h"
#include "platform/win32/Win32ProductInfo.h"
#include "platform/win32/Win32Windowing.h"
#include "tests/win32/BindingTestRes.h"
#include "tests/win32/WindowTestSupport.h"
#include "ui/MakeTopmost.h"
#include "ui/SelectAllText.h"

namespace velmora::win32 {
namespace {

TEST(Win32ProductInfo, ReadsTheProgramsVersionResourceAndNothingFromAModuleWithout) {
    Win32ProductInfo info(VELMORA_BUILD_DIR "\\app\\win32\\Velmora.exe");
    EXPECT_EQ(info.ProductName() + " " + info.Version(),
              VELMORA_PRODUCT_NAME " " VELMORA_VERSION_TEXT);
    Win32ProductInfo none("C:\\no\\such\\module.exe");
    EXPECT_EQ(none.ProductName() + none.Version(), "");
}

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

TEST(Win32Pictures, FilesAndBuiltInStripsLoadWithTheirSizesAndDrawWhatIsNoPictureIsNothing) {
    OleApartment ole;
    Win32Pictures pictures(ProgramResources());
    PicturePtr toolbar = pictures.LoadPicture(VELMORA_SOURCE_DIR "\\themes\\Ocean\\toolbar.bmp");
    PicturePtr icon = pictures.LoadPicture(VELMORA_SOURCE_DIR "\\flintor\\art\\Flintor.ico");
    PicturePtr strip = pictures.BuiltIn(BuiltInStrip::XP);
    ASSERT_TRUE(toolbar && icon && strip);
    EXPECT_EQ(toolbar->Width() * 1000 + toolbar->Height(), 256080);
    EXPECT_EQ(icon->Width() * 1000 + icon->Height(), 32032);      // sized through HIMETRIC
    EXPECT_EQ(strip->Width() * 10000 + strip->Height(), 381558);  // a still and 40 frames
    EXPECT_FALSE(pictures.LoadPicture(VELMORA_SOURCE_DIR "\\themes\\Ocean\\Ocean.vlr"));
    EXPECT_FALSE(pictures.LoadPicture("C:\\no\\such\\folder\\a.bmp"));

    // A bitmap is drawn from its bitmap, an icon through OLE's own drawing.
    OffscreenCanvas canvas(80, 40);
    AsWin32Picture(toolbar)->Render(canvas.Dc(), 0, 0, 32, 32);
    AsWin32Picture(icon)->Render(canvas.Dc(), 40, 0, 32, 32);
    EXPECT_NE(canvas.Pixel(16, 16), RGB(255, 255, 255));
    EXPECT_NE(canvas.Pixel(56, 16), RGB(255, 255, 255));
    EXPECT_EQ(canvas.Pixel(76, 36), RGB(255, 255, 255));
}

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

struct EventLog : BrowserEvents {
    void OnQuit() override {
        events += "quit ";
        throw std::runtime_error("receiver failed");
    }
    void WindowSetTop(long top) override { events += "top " + std::to_string(top) + " "; }
    std::string events;
};

TEST(Win32BrowserEventSink, ForwardsQuitAndTopIgnoresTheRestAndLetsNothingEscape) {
    EventLog log;
    ComPtr<IDispatch> sink;
    *sink.Put() = new Win32BrowserEventSink(&log);
    ComPtr<IUnknown> events;
    EXPECT_EQ(sink->QueryInterface(__uuidof(DWebBrowserEvents2), events.PutVoid()), S_OK);
    Variant top;
    top.SetBstr(SysAllocString(L"45"));
    const auto fire = [&](DISPID id, UINT count) {
        DISPPARAMS params{top.Get(), nullptr, count, 0};
        return sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                            nullptr, nullptr);
    };
    EXPECT_EQ(fire(DISPID_ONQUIT, 0), S_OK);  // the receiver's exception stops here
    fire(DISPID_WINDOWSETTOP, 1);
    fire(DISPID_NAVIGATECOMPLETE2, 0);
    static_cast<Win32BrowserEventSink*>(sink.Get())->Detach();
    fire(DISPID_ONQUIT, 0);
    EXPECT_EQ(log.events, "quit top 45 ");
}

}  // namespace
}  // namespace velmora::win32
