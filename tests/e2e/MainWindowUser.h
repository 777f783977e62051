// Acts on the running main window of Velmora.exe as a user does, from another process:
// finds its list by class, reads and selects entries, reads texts, clicks, presses Esc.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace velmora::e2e {

// A visible window of the program that holds a theme list: the main window, as opposed to
// its message boxes. processId 0: of any process.
bool IsMainWindow(HWND window);
HWND FindMainWindow(DWORD processId);

class MainWindowUser {
public:
    explicit MainWindowUser(HWND window) : window_(window) {}
    HWND Window() const { return window_; }

    // The theme list, found by its class as a screen reader finds it.
    HWND List() const;
    std::vector<std::string> Entries() const;
    // Selects the entry as a click does and waits until the window has shown it; false when
    // there is no such entry or the window did not answer in time.
    bool Select(const std::string& entry);

    std::string Caption() const;
    std::string Text(int controlId) const;
    bool Checked(int controlId) const;
    bool Enabled(int controlId) const;
    bool Visible(int controlId) const;
    // Clicks a button or box; posted, since its handler may open a modal box. False for a
    // control the user cannot click (missing, hidden or disabled).
    bool Click(int controlId);
    // Esc with the window in front, from the keyboard; true once the window has gone.
    bool PressEscape();
    // Chooses a menu entry from the keyboard, with the window in front: Alt with the first
    // access letter, then the others ("RHB": Repair > Reset Home Page to... > Blank).
    // Returns once the keys are sent, not when the entry's work is done.
    void ChooseMenu(const std::string& accessLetters);
    // Types upper-case letters and digits as their keys, into whatever has the focus.
    static void PressKeys(const std::string& keys);
    // True once the window answers again (the handler of the last action has returned).
    bool Settle(DWORD timeoutMs = 15000) const;

private:
    std::string TextOf(HWND control) const;

    HWND window_;
};

}  // namespace velmora::e2e
