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

    // BrowserWindow. After the window has closed (or while it is broken) every call fails
    // as a call to a vanished browser does: reads give empty values, commands do nothing.
    std::string FullName() override;
    WindowHandle Hwnd() override;
    bool Visible() override;
    void SetVisible(bool visible) override;
    void Quit() override;
    void Navigate(const std::string& url) override;
    void Navigate2(const std::string& url, std::optional<long> flags) override;
    std::string LocationURL() override;
    long Left() override;
    long Top() override;
    long Width() override;
    long Height() override;
    void SetLeft(long left) override;
    void SetTop(long top) override;
    void SetWidth(long width) override;
    void SetHeight(long height) override;
    void SetToolBar(bool shown) override;
    void SetMenuBar(bool shown) override;
    void SetStatusBar(bool shown) override;
    void ShowBrowserBar(const std::string& classId, bool show) override;
    void Connect(BrowserEvents* sink) override;

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
    // Bars: unset until the program sets them.
    std::optional<bool> ToolBarShown() const { return toolBar_; }
    std::optional<bool> MenuBarShown() const { return menuBar_; }
    std::optional<bool> StatusBarShown() const { return statusBar_; }
    // Browser bars by class identifier: shown or hidden, unset when never touched.
    std::optional<bool> BrowserBarShown(const std::string& classId) const;
    const std::vector<Navigation>& Navigations() const { return navigations_; }
    BrowserEvents* Sink() const { return sink_; }
    // The order in which the program set the four position members ("Top", "Left", ...).
    const std::vector<std::string>& PositionWrites() const { return positionWrites_; }

    // Scenario setup and user actions.
    void SetUp(const std::string& location, long left, long top, long width, long height);
    void SetBrowserBar(const std::string& classId, bool shown) { bars_[classId] = shown; }
    // From now on every call fails (a browser that hangs or has crashed).
    void Break() { broken_ = true; }
    // The user closes the window: it leaves the collection and its OnQuit event fires.
    void UserCloses();
    // The browser reports that it moved its window to the given top.
    void MoveTop(long top);

    // Used by SimulatedBrowsers when a requested quit completes.
    void FinishClosing();

private:
    bool Alive() const { return !closed_ && !broken_; }

    SimulatedBrowsers& owner_;
    SimulatedWindowing& desktop_;
    std::string fullName_;
    WindowHandle hwnd_;
    std::string location_;
    bool visible_ = false;
    bool quitRequested_ = false;
    bool closed_ = false;
    bool broken_ = false;
    long left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::optional<bool> toolBar_, menuBar_, statusBar_;
    std::map<std::string, bool> bars_;
    std::vector<Navigation> navigations_;
    std::vector<std::string> positionWrites_;
    BrowserEvents* sink_ = nullptr;
};

}  // namespace velmora::test
