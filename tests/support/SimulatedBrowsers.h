// Browsers double: simulated shell windows, browser and folder windows, whose top-level
// handles live in a SimulatedWindowing (where their enabled and shown states are kept).
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Browsers.h"
#include "tests/support/SimulatedWindowing.h"

namespace velmora::test {

class SimulatedBrowsers;

// One window. Its fields are the simulation's own view; through the port, a closed window
// answers as a vanished browser does: reads give empty values, commands do nothing.
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
    long Left() override { return closed ? 0 : left; }
    long Top() override { return closed ? 0 : top; }
    long Width() override { return closed ? 0 : width; }
    long Height() override { return closed ? 0 : height; }
    void SetLeft(long value) override { Set(left, value); }
    void SetTop(long value) override { Set(top, value); }
    void SetWidth(long value) override { Set(width, value); }
    void SetHeight(long value) override { Set(height, value); }
    void SetToolBar(bool shown) override { Set(toolBar, shown); }
    void SetMenuBar(bool shown) override { Set(menuBar, shown); }
    void SetStatusBar(bool shown) override { Set(statusBar, shown); }
    void ShowBrowserBar(const std::string& classId, bool show) override {
        if (!closed) bars[classId] = show;
    }
    // Disconnecting works on a closed window too: the connection is the caller's side.
    void Connect(BrowserEvents* to) override {
        if (!to || !closed) sink = to;
    }

    // The user closes the window (or a quit completes): its quit event fires, then it goes.
    void UserCloses();
    // The browser moved its window.
    void MoveTop(long value) {
        top = value;
        if (sink) sink->WindowSetTop(value);
    }
    template <class Field, class Value>
    void Set(Field& field, Value value) {
        if (!closed) field = value;
    }

    SimulatedBrowsers& owner;
    std::string program, location;
    WindowHandle hwnd;
    long left = 0, top = 0, width = 0, height = 0;
    bool visible = false, quitRequested = false, closed = false;
    bool listed = true;  // in the shell's collection (under Wine no window is)
    std::optional<bool> toolBar, menuBar, statusBar;  // unset until the program sets them
    std::map<std::string, bool> bars;                 // browser bars by class identifier
    std::optional<long> lastFlags;                    // of the last navigation
    BrowserEvents* sink = nullptr;
};

// A quit asked of a window completes at the next yield to the message loop: until then the
// window stays in the collection.
class SimulatedBrowsers : public Browsers {
public:
    static constexpr char kBrowserProgram[] = "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE";

    explicit SimulatedBrowsers(SimulatedWindowing& desktop) : desktop(desktop) {}

    // A window the user has open and visible: a browser at this place and address, or a
    // folder window of the shell.
    std::shared_ptr<SimulatedBrowser> OpenBrowser(const std::string& url, long left = 0,
                                                  long top = 0, long width = 640,
                                                  long height = 480);
    std::shared_ptr<SimulatedBrowser> OpenFolder(const std::string& path);

    std::vector<std::shared_ptr<BrowserWindow>> ShellWindows() override;
    // A new browser: hidden, blank, at the browser's default place.
    std::shared_ptr<BrowserWindow> CreateBrowser() override;
    void YieldToMessageLoop() override;

    SimulatedWindowing& desktop;
    bool canCreate = true;  // false: no browser can be made
    int reads = 0;          // of the collection
    std::vector<std::shared_ptr<SimulatedBrowser>> open;     // the collection, in its order
    std::vector<std::shared_ptr<SimulatedBrowser>> created;  // by the program, in order
    std::vector<std::shared_ptr<SimulatedBrowser>> closed;

private:
    std::shared_ptr<SimulatedBrowser> Add(const std::string& program, const std::string& url,
                                          long left, long top, long width, long height);
};

}  // namespace velmora::test
