// One simulated shell window (a browser or a folder window), as SimulatedBrowsers hands out.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Browsers.h"
#include "tests/support/SimulatedWindowing.h"

namespace velmora::test {

class SimulatedBrowsers;

class SimulatedBrowser : public BrowserWindow {
public:
    static constexpr const char* kBrowserProgram =
        "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE";
    static constexpr const char* kShellProgram = "C:\\WINDOWS\\Explorer.EXE";

    struct Navigation {
        std::string method;  // "Navigate" or "Navigate2"
        std::string url;
        std::optional<long> flags;
    };

    SimulatedBrowser(SimulatedBrowsers& owner, SimulatedWindowing& desktop, std::string fullName,
                     WindowHandle hwnd);

    // BrowserWindow. After the window has closed every call fails
    // as a call to a vanished browser does: reads give empty values, commands do nothing.
    std::string FullName() override { return Alive() ? fullName_ : std::string(); }
    WindowHandle Hwnd() override { return Alive() ? hwnd_ : 0; }
    bool Visible() override { return Alive() && visible_; }
    void SetVisible(bool visible) override {
        if (Alive()) visible_ = visible;
    }
    void Quit() override {
        if (Alive()) quitRequested_ = true;
    }
    void Navigate(const std::string& url) override { Go("Navigate", url, std::nullopt); }
    void Navigate2(const std::string& url, std::optional<long> flags) override {
        Go("Navigate2", url, flags);
    }
    std::string LocationURL() override { return Alive() ? location_ : std::string(); }
    long Left() override { return Alive() ? left_ : 0; }
    long Top() override { return Alive() ? top_ : 0; }
    long Width() override { return Alive() ? width_ : 0; }
    long Height() override { return Alive() ? height_ : 0; }
    void SetLeft(long left) override { Place("Left", left_, left); }
    void SetTop(long top) override { Place("Top", top_, top); }
    void SetWidth(long width) override { Place("Width", width_, width); }
    void SetHeight(long height) override { Place("Height", height_, height); }
    void SetToolBar(bool shown) override { Bar(toolBar_, shown); }
    void SetMenuBar(bool shown) override { Bar(menuBar_, shown); }
    void SetStatusBar(bool shown) override { Bar(statusBar_, shown); }
    void ShowBrowserBar(const std::string& classId, bool show) override {
        if (Alive()) bars_[classId] = show;
    }
    void Connect(BrowserEvents* sink) override {
        // Disconnecting works on a dead window too: the connection is the caller's side.
        if (sink == nullptr || Alive()) sink_ = sink;
    }

    // The simulation's own view, for tests: the state whatever the window's condition.
    WindowHandle Handle() const { return hwnd_; }
    const std::string& Program() const { return fullName_; }
    const std::string& Location() const { return location_; }
    bool IsVisible() const { return visible_; }
    bool QuitRequested() const { return quitRequested_; }
    bool Closed() const { return closed_; }
    bool Enabled() const { return desktop_.State(hwnd_).enabled; }
    long PosLeft() const { return left_; }
    long PosTop() const { return top_; }
    long PosWidth() const { return width_; }
    long PosHeight() const { return height_; }
    // Bars, and browser bars by class identifier: unset until the program sets them.
    std::optional<bool> ToolBarShown() const { return toolBar_; }
    std::optional<bool> MenuBarShown() const { return menuBar_; }
    std::optional<bool> StatusBarShown() const { return statusBar_; }
    std::optional<bool> BrowserBarShown(const std::string& classId) const;
    const std::vector<Navigation>& Navigations() const { return navigations_; }
    BrowserEvents* Sink() const { return sink_; }
    // The order in which the program set the four position members ("Top", "Left", ...).
    const std::vector<std::string>& PositionWrites() const { return positionWrites_; }

    // Scenario setup and user actions.
    void SetUp(const std::string& location, long left, long top, long width, long height);
    void SetBrowserBar(const std::string& classId, bool shown) { bars_[classId] = shown; }
    // The user closes the window: it leaves the collection and its OnQuit event fires.
    void UserCloses();
    // The browser reports that it moved its window to the given top.
    void MoveTop(long top);

    // Used by SimulatedBrowsers when a requested quit completes.
    void FinishClosing();

private:
    bool Alive() const { return !closed_; }
    void Go(const char* method, const std::string& url, std::optional<long> flags);
    void Place(const char* member, long& field, long value);
    void Bar(std::optional<bool>& bar, bool shown) {
        if (Alive()) bar = shown;
    }

    SimulatedBrowsers& owner_;
    SimulatedWindowing& desktop_;
    std::string fullName_;
    WindowHandle hwnd_;
    std::string location_;
    bool visible_ = false;
    bool quitRequested_ = false;
    bool closed_ = false;
    long left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::optional<bool> toolBar_, menuBar_, statusBar_;
    std::map<std::string, bool> bars_;
    std::vector<Navigation> navigations_;
    std::vector<std::string> positionWrites_;
    BrowserEvents* sink_ = nullptr;
};

}  // namespace velmora::test
