// Browsers double: shell windows, browser and folder windows, whose top-level handles live in a
// SimulatedWindowing. Through the port a closed window answers as a vanished browser does:
// reads give nothing, commands do nothing.
#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <utility>

#include "platform/Browsers.h"
#include "tests/support/SimulatedWindowing.h"

namespace velmora::test {

class SimulatedBrowsers;

struct SimulatedBrowser : BrowserWindow {
    SimulatedBrowser(SimulatedBrowsers& owner, std::string program, WindowHandle hwnd)
        : owner(owner), program(std::move(program)), hwnd(hwnd) {}
    template <class T> T Get(T value) { return closed ? T() : value; }
    template <class T> void Set(T& field, T value) { if (!closed) field = value; }
    std::string FullName() override { return Get(program); }
    WindowHandle Hwnd() override { return Get(hwnd); }
    bool Visible() override { return Get(visible); }
    void SetVisible(bool value) override { Set(visible, value); }
    void Quit() override { Set(quitRequested, true); }
    void Navigate(const std::string& url) override { Navigate2(url, std::nullopt); }
    void Navigate2(const std::string& url, std::optional<long> flags) override {
        Set(location, url), Set(lastFlags, flags);
    }
    std::string LocationURL() override { return Get(location); }
    long Left() override { return Get(minimised ? -32000 : left); }  // Windows' parking spot
    long Top() override { return Get(minimised ? -32000 : top); }
    long Width() override { return Get(width); }
    long Height() override { return Get(height); }
    void SetLeft(long value) override { Set(left, value); }
    void SetTop(long value) override { Set(top, value); }
    void SetWidth(long value) override { Set(width, value); }
    void SetHeight(long value) override { Set(height, value); }
    void SetToolBar(bool shown) override { Set(toolBar, {shown}); }
    void SetMenuBar(bool shown) override { Set(menuBar, {shown}); }
    void SetStatusBar(bool shown) override { Set(statusBar, {shown}); }
    void ShowBrowserBar(const std::string& id, bool show) override { Set(bars[id], show); }
    // Disconnecting works on a closed window too: the connection is the caller's side.
    void Connect(BrowserEvents* to) override { sink = !to || !closed ? to : sink; }
    void UserCloses();  // its quit event fires, then it goes

    SimulatedBrowsers& owner;
    std::string program, location;
    WindowHandle hwnd;
    long left = 0, top = 0, width = 0, height = 0;
    bool visible = true, quitRequested = false, closed = false, minimised = false;
    bool listed = true;  // in the shell's collection (under Wine no window is)
    std::optional<bool> toolBar, menuBar, statusBar;
    std::map<std::string, bool> bars;  // by class identifier
    std::optional<long> lastFlags;
    BrowserEvents* sink = nullptr;
};

// A quit asked of a window, and a restore, complete at the next yield to the message loop.
class SimulatedBrowsers : public Browsers {
public:
    explicit SimulatedBrowsers(SimulatedWindowing& desktop) : desktop(desktop) {}
    std::shared_ptr<SimulatedBrowser> OpenBrowser(const std::string& url, long left = 0,
                                                  long top = 0, long width = 640,
                                                  long height = 480) {
        open.push_back(std::make_shared<SimulatedBrowser>(
            *this, "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE", desktop.AddWindow()));
        SimulatedBrowser& w = *open.back();
        w.location = url, w.left = left, w.top = top, w.width = width, w.height = height;
        return open.back();
    }
    std::shared_ptr<SimulatedBrowser> OpenFolder(const std::string& path) {
        auto window = OpenBrowser(path);
        return window->program = "C:\\WINDOWS\\Explorer.EXE", window;
    }
    std::vector<std::shared_ptr<BrowserWindow>> ShellWindows() override {
        std::vector<std::shared_ptr<BrowserWindow>> listed;
        for (const auto& window : open) if (window->listed) listed.push_back(window);
        return ++reads, listed;
    }
    // A new browser: hidden, blank, at the browser's default place.
    std::shared_ptr<BrowserWindow> CreateBrowser() override {
        if (!canCreate) return nullptr;
        created.push_back(OpenBrowser("", 50, 50, 800, 600));
        return created.back()->visible = false, created.back();
    }
    void YieldToMessageLoop() override {
        if (auto user = std::exchange(onNextYield, nullptr)) user();  // what the user does
        for (const auto& window : std::vector(open)) {
            if (desktop[window->hwnd].shown == kSwShowNormal) window->minimised = false;
            if (window->quitRequested) window->UserCloses();
        }
    }

    SimulatedWindowing& desktop;
    bool canCreate = true;
    std::function<void()> onNextYield;
    int reads = 0;                                        // of the collection
    std::vector<std::shared_ptr<SimulatedBrowser>> open;  // the collection, in its order
    std::vector<std::shared_ptr<SimulatedBrowser>> created;  // by the program, in order
};

inline void SimulatedBrowser::UserCloses() {
    if (closed) return;
    quitRequested = true;
    if (sink) sink->OnQuit();  // while the window still exists
    closed = true;
    owner.desktop[hwnd].gone = true;
    auto& open = owner.open;  // the caller holds the window: its going ends nothing here
    const auto gone = [this](auto& w) { return w.get() == this; };
    open.erase(std::remove_if(open.begin(), open.end(), gone), open.end());
}

}  // namespace velmora::test
