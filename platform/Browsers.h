// Port: the shell's collection of open windows and the browser's automation objects, with
// the members and events the program uses, and the yield to the message loop.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Windowing.h"

namespace velmora {

// Navigation flag of Navigate2: keep the page out of the history list.
constexpr long kNavNoHistory = 2;

// Receives the events of one browser window. Called on the user-interface thread, from
// within a yield to the message loop (or any other pumping of messages).
class BrowserEvents {
public:
    virtual ~BrowserEvents() = default;
    virtual void OnQuit() = 0;
    // The browser moved its window; top is its new top coordinate in pixels.
    virtual void WindowSetTop(long top) = 0;
};

// One shell window: a browser window, or a folder window of the shell itself.
// Browser windows belong to other processes and can go away at any moment, so every member
// is best effort: a call that fails reads as empty text, 0 or false and otherwise does
// nothing. No member throws.
class BrowserWindow {
public:
    virtual ~BrowserWindow() = default;

    // Path of the program that owns the window.
    virtual std::string FullName() = 0;
    // The window's top-level handle, for the Windowing port.
    virtual WindowHandle Hwnd() = 0;
    virtual bool Visible() = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void Quit() = 0;
    virtual void Navigate(const std::string& url) = 0;
    // Without flags when none are given; kNavNoHistory keeps the page out of the history.
    virtual void Navigate2(const std::string& url, std::optional<long> flags) = 0;
    virtual std::string LocationURL() = 0;

    // Position and size of the window, in pixels.
    virtual long Left() = 0;
    virtual long Top() = 0;
    virtual long Width() = 0;
    virtual long Height() = 0;
    virtual void SetLeft(long left) = 0;
    virtual void SetTop(long top) = 0;
    virtual void SetWidth(long width) = 0;
    virtual void SetHeight(long height) = 0;

    virtual void SetToolBar(bool shown) = 0;
    virtual void SetMenuBar(bool shown) = 0;
    virtual void SetStatusBar(bool shown) = 0;
    // Shows or hides the browser bar of the given class identifier ("{...}").
    virtual void ShowBrowserBar(const std::string& classId, bool show) = 0;

    // Sends this window's events to sink from now on; null disconnects. One sink at a time;
    // the sink must outlive the connection.
    virtual void Connect(BrowserEvents* sink) = 0;
};

class Browsers {
public:
    virtual ~Browsers() = default;

    // The shell's open windows, browser and folder windows, in the collection's own order,
    // as they are at the moment of the call. Each element stays usable when another one is
    // closed, and windows opened later are not in it. Empty when the platform has no such
    // collection or it cannot be read.
    virtual std::vector<std::shared_ptr<BrowserWindow>> ShellWindows() = 0;

    // A new browser window, not yet visible and showing nothing; null when none can be made.
    virtual std::shared_ptr<BrowserWindow> CreateBrowser() = 0;

    // Lets the pending window messages run, so that closed windows can go and events arrive.
    virtual void YieldToMessageLoop() = 0;
};

}  // namespace velmora
