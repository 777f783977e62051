// One simulated shell window, a browser or a folder window, as SimulatedBrowsers hands out.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "platform/Browsers.h"

namespace velmora::test {

// Models what the program calls of a shell window: its program's path, hiding it and asking
// it to quit. A quit completes at the next yield to the message loop (SimulatedBrowsers).
// The other members do nothing.
class SimulatedBrowser : public BrowserWindow {
public:
    explicit SimulatedBrowser(std::string program) : program_(std::move(program)) {}

    std::string FullName() override { return closed ? std::string() : program_; }
    bool Visible() override { return !closed && visible; }
    void SetVisible(bool shown) override {
        if (!closed) visible = shown;
    }
    void Quit() override {
        if (!closed) quitRequested = true;
    }

    WindowHandle Hwnd() override { return 0; }
    void Navigate(const std::string&) override {}
    void Navigate2(const std::string&, std::optional<long>) override {}
    std::string LocationURL() override { return {}; }
    long Left() override { return 0; }
    long Top() override { return 0; }
    long Width() override { return 0; }
    long Height() override { return 0; }
    void SetLeft(long) override {}
    void SetTop(long) override {}
    void SetWidth(long) override {}
    void SetHeight(long) override {}
    void SetToolBar(bool) override {}
    void SetMenuBar(bool) override {}
    void SetStatusBar(bool) override {}
    void ShowBrowserBar(const std::string&, bool) override {}
    void Connect(BrowserEvents*) override {}

    bool visible = true;
    bool quitRequested = false;
    bool closed = false;

private:
    std::string program_;
};

}  // namespace velmora::test
