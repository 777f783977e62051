// Drives the program's main window from another process as a user would: finds it, reads and
// selects list entries, clicks buttons by their captions and answers the program's boxes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace velmora::setup {

class MainWindowDriver {
public:
    // A visible top-level window of the process that is not one of its message boxes (titled
    // boxTitle); nullptr when the process ends or shows none within the time.
    static HWND WaitForMainWindow(DWORD processId, const std::string& boxTitle, DWORD timeoutMs);

    MainWindowDriver(HWND window, std::string boxTitle);

    // The entries of the window's theme list, in order.
    std::vector<std::string> ListEntries() const;
    // Selects an entry and notifies the window as a click on it would.
    bool Select(const std::string& entry);
    // Clicks the visible, enabled button with that caption (access-key "&" aside) once it is
    // so; false when it is not within the time.
    bool Click(const std::string& caption, DWORD timeoutMs = 10000);

    // A message box of the window's process; nullptr when none shows within the time.
    HWND WaitForBox(DWORD timeoutMs = 30000) const;
    static std::string BoxText(HWND box);
    // Presses a box's button (IDYES, IDOK...) and waits for the box to go.
    static bool Press(HWND box, int buttonId);

private:
    HWND List() const;

    HWND window_;
    DWORD processId_ = 0;
    std::string boxTitle_;
};

}  // namespace velmora::setup
