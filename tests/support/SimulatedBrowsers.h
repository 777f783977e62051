// Browsers double: simulated shell windows, browser and folder windows, whose top-level
// handles live in a SimulatedWindowing (where their enabled and shown states are kept).
#pragma once

#include <algorithm>
#include <iterator>
#include <map>
#include <functional>
#include <memory>
#include <utility>
#include <optional>
#include <string>
#include <vector>

#include "platform/Browsers.h"
#include "tests/support/SimulatedWindowing.h"

namespace velmora::test {

class SimulatedBrowsers;

// One window. Its fields are the simulation's own view; through the port a closed window
// answers as a vanished browser does: reads give nothing, commands do nothing.
struct SimulatedBrowser : BrowserWindow {
    SimulatedBrowser(SimulatedBrowsers& owner, std::string program, WindowHandle hwnd)
        : owner(owner), program(std::move(program)), hwnd(hwnd) {}
    std::string FullName() override { return closed ? "" : program; }
    WindowHandle Hwnd() override { return closed ? 0 : hwnd; }
    bool Visible() override { return !closed && visible; }
    void SetVisible(bool value) override { Set(visible, value); }
    void Quit() override { Set(quitRequested, true); }
    void Navigate(const std::string& url) override { Navigate2(url, std::nullopt); }
    void Navigate2(const std::string& url, std::optional<long> flags) override {
        if (!closed) location = url, lastFlags = flags;
    }
    std::string LocationURL() override { return closed ? "" : location; }
    long Left() override { return closed ? 0 : minimised ? -32000 : left; }
    long Top() override { return closed ? 0 : minimised ? -32000 : top; }
    long Width() override { return closed ? 0 : width; }
    long Height() override { return closed ? 0 : height; }
    void SetLeft(long value) override { Set(left, value); }
    void SetTop(long value) override { Set(top, value); }
    void SetWidth(long value) override { Set(width, value); }
    void SetHeight(long value) override { Set(height, value); }
    void SetToolBar(bool shown) override { Set(toolBar, shown); }
    void SetMenuBar(bool shown) override { Set(menuBar, shown); }
    void SetStatusBar(bool shown) override { Set(statusBar, shown); }
    void ShowBrowserBar(const std::string& id, bool show) override {
        if (!closed) bars[id] = show;
    }
    // Disconnecting works on a closed window too: the connection is the caller's side.
    void Connect(BrowserEvents* to) override { sink = !to || !closed ? to : sink; }
    template <class Field, class Value>
    void Set(Field& field, Value value) {
        if (!closed) field = value;
    }
    // The user closes the window (or a quit completes): its quit event fires, then it goes.
    void UserCloses();
    void MoveTop(long value) {  // the browser moved its window
        top = value;
        if (sink) sink->WindowSetTop(value);
    }

    SimulatedBrowsers& owner;
    std::string program, location;
    WindowHandle hwnd;
    long left = 0, top = 0, width = 0, height = 0;
    bool visible = false, quitRequested = false, closed = false;
    bool listed = true;      // in the shell's collection (under Wine no window is)
    bool minimised = false;  // its place reads as Windows' parking spot until it is restored
    std::optional<bool> toolBar, menuBar, statusBar;  // unset until the program sets them
    std::map<std::string, bool> bars;                 // browser bars by class identifier
    std::optional<long> lastFlags;                    // of the last navigation
    BrowserEvents* sink = nullptr;
};

// A quit asked of a window, and a restore, complete at the next yield to the message loop.
class SimulatedBrowsers : public Browsers {
public:
    static constexpr char kBrowserProgram[] = "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE";
    explicit SimulatedBrowsers(SimulatedWindowing& desktop) : desktop(desktop) {}

    // Windows the user has open: a browser at this place and address, a folder window.
    std::shared_ptr<SimulatedBrowser> OpenBrowser(const std::string& url, long left = 0,
                                                  long top = 0, long width = 640,
                                                  long height = 480) {
        return Add(kBrowserProgram, url, left, top, width, height, true);
    }
    std::shared_ptr<SimulatedBrowser> OpenFolder(const std::string& path) {
        return Add("C:\\WINDOWS\\Explorer.EXE", path, 0, 0, 640, 480, true);
    }
    std::vector<std::shared_ptr<BrowserWindow>> ShellWindows() override {
        ++reads;
        std::vector<std::shared_ptr<BrowserWindow>> windows;
        std::copy_if(open.begin(), open.end(), std::back_inserter(windows),
                     [](const auto& window) { return window->listed; });
        return windows;
    }
    // A new browser: hidden, blank, at the browser's default place.
    std::shared_ptr<BrowserWindow> CreateBrowser() override {
        if (!canCreate) return nullptr;
        created.push_back(Add(kBrowserProgram, "", 50, 50, 800, 600, false));
        return created.back();
    }
    void YieldToMessageLoop() override {
        // What the user does while the program yields, once.
        if (auto user = std::exchange(onNextYield, nullptr)) user();
        for (const auto& window : std::vector(open)) {
            if (desktop[window->hwnd].shown == kSwShowNormal) window->minimised = false;
            if (window->quitRequested) window->UserCloses();
        }
    }

    SimulatedWindowing& desktop;
    bool canCreate = true;                                   // false: no browser can be made
    std::function<void()> onNextYield;
    int reads = 0;                                           // of the collection
    std::vector<std::shared_ptr<SimulatedBrowser>> open;     // the collection, in its order
    std::vector<std::shared_ptr<SimulatedBrowser>> created;  // by the program, in order
    std::vector<std::shared_ptr<SimulatedBrowser>> closed;

private:
    std::shared_ptr<SimulatedBrowser> Add(const std::string& program, const std::string& url,
                                          long left, long top, long width, long height,
                                          bool visible) {
        auto window = std::make_shared<SimulatedBrowser>(*this, program, desktop.AddWindow());
        window->location = url, window->visible = visible;
        window->left = left, window->top = top, window->width = width, window->height = height;
        open.push_back(window);
        return window;
    }
};

inline void SimulatedBrowser::UserCloses() {
    if (closed) return;
    quitRequested = true;
    if (sink) sink->OnQuit();  // while the window still exists
    closed = true;
    owner.desktop[hwnd].gone = true;
    auto it = std::find_if(owner.open.begin(), owner.open.end(),
                           [this](const auto& window) { return window.get() == this; });
    if (it == owner.open.end()) return;
    owner.closed.push_back(*it);  // kept for the tests' views
    owner.open.erase(it);
}

}  // namespace velmora::test
