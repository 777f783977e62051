// Runs the real Velmora.exe and acts on its message boxes as a user would; finds its main
// window.
#pragma once

#include <windows.h>

#include <string>

namespace velmora::e2e {

// What a user sees of one message box.
struct SeenBox {
    HWND window = nullptr;
    std::string title;
    std::string text;
    bool hasYes = false;
    bool hasNo = false;
    bool hasOk = false;
    bool systemModal = false;  // system-modal boxes sit in the topmost band
    bool questionIcon = false;
    bool criticalIcon = false;
};

class VelmoraProcess {
public:
    // Starts the program built beside the tests with the argument text (exactly as a shell
    // passes it), in the given current folder (empty: this process's).
    explicit VelmoraProcess(const std::string& argumentText, const std::string& folder = "");
    // Starts another copy of the program (an installed one) in the same way.
    VelmoraProcess(const std::string& program, const std::string& argumentText,
                   const std::string& folder);
    // Takes charge of a copy that someone else started (the shell, opening a theme file).
    explicit VelmoraProcess(DWORD processId);
    // A process still running is ended, so that it cannot hold the single-instance name.
    ~VelmoraProcess();
    VelmoraProcess(const VelmoraProcess&) = delete;
    VelmoraProcess& operator=(const VelmoraProcess&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return processId_; }
    // Waits for the main window of this process (a window with the theme list); null when
    // none shows in time.
    HWND WaitForMainWindow(DWORD timeoutMs = 30000);
    // Waits for a message box of this process (never the main window); an empty SeenBox when
    // none shows in time.
    SeenBox WaitForBox(DWORD timeoutMs = 30000);
    // True when the process shows no message box within the time.
    bool ShowsNoBoxWithin(DWORD timeoutMs);
    // Presses a button (IDYES, IDNO, IDOK) and waits until the box has gone.
    bool Press(const SeenBox& box, int buttonId);
    // Waits for the process to end; true when it did in time.
    bool WaitForExit(DWORD timeoutMs = 30000);
    bool HasExited() const;

private:
    HWND FindOwnBox() const;

    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

}  // namespace velmora::e2e
