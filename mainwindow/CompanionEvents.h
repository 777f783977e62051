// Hands the companion browser's events to the main window's handlers.
#pragma once

#include "mainwindow/InstalledThemes.h"
#include "platform/Browsers.h"

namespace velmora {

// Connected to whichever browser window is the companion at the moment; the window moves
// the connection when it replaces the companion.
class InstalledThemes::CompanionEvents : public BrowserEvents {
public:
    explicit CompanionEvents(InstalledThemes& window) : window_(window) {}
    void OnQuit() override { window_.myWB_OnQuit(); }
    void WindowSetTop(long top) override { window_.myWB_WindowSetTop(top); }

private:
    InstalledThemes& window_;
};

}  // namespace velmora
