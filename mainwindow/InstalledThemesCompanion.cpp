// The main window and the browser windows: the companion browser (binding, events, giving it
// back), the reopening of every browser window, and the maker's pages.
#include "mainwindow/InstalledThemes.h"

#include <algorithm>
#include <cmath>

#include "mainwindow/CompanionEvents.h"
#include "mainwindow/WebAddresses.h"
#include "platform/Browsers.h"
#include "platform/Shell.h"
#include "ui/IsInternetExplorer.h"
#include "ui/MakeTopmost.h"

namespace velmora {

namespace {

constexpr char kBlankPage[] = "about:blank";
// A browser bar of another component, closed in the companion while the window is open.
constexpr char kHiddenBar[] = "{BDAD1DAD-C946-4A17-ADC1-64B5B4FF55D0}";
// Reopened windows are never wider than this.
constexpr long kMaxReopenWidth = 800;

}  // namespace

void InstalledThemes::SetCompanion(std::shared_ptr<BrowserWindow> browser) {
    if (browser == myWB_) return;
    // The window being replaced is told to quit afterwards: its quit must not reach here.
    if (myWB_) myWB_->Connect(nullptr);
    myWB_ = std::move(browser);
    if (myWB_) myWB_->Connect(events_.get());
}

WindowHandle InstalledThemes::CompanionHandle() {
    return myWB_ ? myWB_->Hwnd() : 0;
}

void InstalledThemes::BindCompanionBrowser(WindowHandle window) {
    if (window == 0) window = platform_.windowing->ForegroundWindow();
    SetCompanion(nullptr);
    if (window == 0) return;
    for (const auto& browser : platform_.browsers->ShellWindows()) {
        if (!browser || !IsInternetExplorer(*browser) || browser->Hwnd() != window) continue;
        browser->ShowBrowserBar(kHiddenBar, false);
        SetCompanion(browser);
    }
}

void InstalledThemes::StartCompanion() {
    BindCompanionBrowser(0);
    if (!myWB_) {
        // Without a browser the companion is simply absent; the window works on without it.
        if (std::shared_ptr<BrowserWindow> browser = platform_.browsers->CreateBrowser()) {
            SetCompanion(browser);
            browser->Navigate(kBlankPage);
            browser->SetVisible(true);
            platform_.windowing->ShowWindow(browser->Hwnd(), kSwShowNormal);
            browser->ShowBrowserBar(kHiddenBar, false);
        }
    }
    if (const WindowHandle companion = CompanionHandle())
        platform_.windowing->EnableWindow(companion, false);
}

void InstalledThemes::SetWindowOnTop(bool onTop) {
    windowOnTop_ = onTop;
    if (const WindowHandle companion = CompanionHandle()) {
        // Directly behind the companion, whatever the value.
        platform_.windowing->SetWindowPos(host_.Handle(), companion, 0, 0, 0, 0,
                                          kSwpNoSize | kSwpNoMove);
    } else {
        velmora::SetWindowOnTop(*platform_.windowing, host_.Handle(), onTop);
    }
}

void InstalledThemes::Form_Unload() {
    for (const auto& browser : platform_.browsers->ShellWindows()) {
        if (browser && IsInternetExplorer(*browser))
            platform_.windowing->EnableWindow(browser->Hwnd(), true);
    }
    if (myWB_) {
        // Enabled by its own handle too: the shell's collection may not list it (under Wine
        // it lists nothing), and it must not stay disabled once this window is gone.
        platform_.windowing->EnableWindow(CompanionHandle(), true);
        myWB_->ShowBrowserBar(kHiddenBar, true);
        // The companion stays open, but its events have nowhere to go any more.
        myWB_->Connect(nullptr);
    }
}

void InstalledThemes::ReopenBrowsers() {
    Browsers& browsers = *platform_.browsers;
    // A snapshot: the windows opened below are not in it, so the pass never visits them.
    std::vector<std::shared_ptr<BrowserWindow>> windows = browsers.ShellWindows();
    // The companion is reopened even when the collection does not list it (under Wine it
    // lists nothing): left out, it would stay open and disabled, replaced as the companion.
    const WindowHandle companion = CompanionHandle();
    if (companion != 0 && std::none_of(windows.begin(), windows.end(), [&](const auto& window) {
            return window && window->Hwnd() == companion;
        })) {
        windows.push_back(myWB_);
    }

    if (windows.empty()) {
        if (std::shared_ptr<BrowserWindow> browser = browsers.CreateBrowser()) {
            SetCompanion(browser);
            browser->Navigate(kBlankPage);
            browser->SetVisible(true);
        }
    }
    for (const auto& window : windows) {
        if (window && IsInternetExplorer(*window)) ReopenBrowser(*window);
    }

    browsers.YieldToMessageLoop();
    // With no companion at all there is nothing to disable.
    if (const WindowHandle current = CompanionHandle())
        platform_.windowing->EnableWindow(current, false);
}

void InstalledThemes::ReopenBrowser(BrowserWindow& old) {
    Windowing& windowing = *platform_.windowing;
    std::string address = old.LocationURL();
    if (address.empty() && myWB_) address = myWB_->LocationURL();

    const WindowHandle handle = old.Hwnd();
    windowing.ShowWindow(handle, kSwShowNormal);
    platform_.browsers->YieldToMessageLoop();
    const long top = old.Top();
    const long left = old.Left();
    const long height = old.Height();
    const long width = std::min(old.Width(), kMaxReopenWidth);
    windowing.EnableWindow(handle, true);

    // Closing the old window without a new one in its place would lose the user's window.
    std::shared_ptr<BrowserWindow> fresh = platform_.browsers->CreateBrowser();
    if (!fresh) return;
    SetCompanion(fresh);
    old.SetVisible(false);
    old.Quit();
    fresh->SetTop(top);
    fresh->SetLeft(left);
    fresh->SetHeight(height);
    fresh->SetWidth(width);
    fresh->Navigate2(address.empty() ? kBlankPage : address, kNavNoHistory);
    fresh->SetVisible(true);
}

void InstalledThemes::myWB_OnQuit() {
    // During an apply the companion is being replaced: that is no reason to close.
    if (!applying_) host_.Close();
}

void InstalledThemes::myWB_WindowSetTop(long top) {
    // Both the event and the host speak pixels.
    host_.SetTop(static_cast<int>(top));
}

void InstalledThemes::OpenMakerPageAndEnd(const std::string& address) {
    if (const WindowHandle companion = CompanionHandle()) {
        platform_.windowing->EnableWindow(companion, true);
        myWB_->Navigate2(address, std::nullopt);
    } else {
        platform_.shell->OpenDocument(address);
    }
    host_.EndProgram();
}

void InstalledThemes::OpenOnlineInfo() {
    const std::string address = WebAddresses(platform_).OnlineHelp();
    std::shared_ptr<BrowserWindow> info = platform_.browsers->CreateBrowser();
    if (!info) {
        platform_.shell->OpenDocument(address);
        return;
    }
    info->Navigate2(address, std::nullopt);
    // The right third of the screen, full height.
    const double screenWidth = host_.ScreenWidth();
    info->SetHeight(host_.ScreenHeight());
    info->SetWidth(std::lround(screenWidth / 3));
    info->SetTop(0);
    info->SetLeft(std::lround(screenWidth * 2 / 3));
    info->SetToolBar(false);
    info->SetMenuBar(true);
    info->SetStatusBar(false);
    info->SetVisible(true);
    MakeTopmost(*platform_.windowing, info->Hwnd());
}

}  // namespace velmora
