// Drives the real Velmora.exe from another process as a user does; reads and seeds the registry.
#pragma once

#include <windows.h>
#include <shlwapi.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "mainwindow/win32/MainWindowRes.h"

namespace velmora::e2e {

// Polls until done holds; false when it never did in time.
template <class Condition>
bool WaitUntil(Condition done, DWORD timeoutMs = 30000) {
    for (const DWORD start = GetTickCount(); !done(); Sleep(50))
        if (GetTickCount() - start > timeoutMs) return false;
    return true;
}

// A registry value as its bytes (a text with its terminating zero); nothing when missing.
inline std::string Sz(const std::string& text) {
    return text + '\0';
}
inline std::optional<std::string> ReadValue(HKEY root, const std::string& key, const char* name) {
    char bytes[4096];
    DWORD size = sizeof bytes;
    if (SHGetValueA(root, key.c_str(), name, nullptr, bytes, &size) != ERROR_SUCCESS) return {};
    return std::string(bytes, size);
}
inline void WriteValue(HKEY root, const std::string& key, const char* name,
                       const std::string& bytes, DWORD kind = REG_SZ) {
    SHSetValueA(root, key.c_str(), name, kind, bytes.data(), bytes.size());
}

// The visible dialog of the process (0: any) holding the control (a message box: 0xFFFF).
inline HWND FindDialog(DWORD processId, int controlId) {
    for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", nullptr); w;
         w = FindWindowExA(nullptr, w, "#32770", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if ((!processId || owner == processId) && IsWindowVisible(w) && GetDlgItem(w, controlId))
            return w;
    }
    return nullptr;
}

// The program (this build's, or an installed copy) started with the argument text as a shell
// passes it; ended, if still running, when the object goes.
class VelmoraProcess {
public:
    explicit VelmoraProcess(const std::string& argumentText,
                            const std::string& program = VELMORA_BUILD_DIR
                            "\\app\\win32\\Velmora.exe") {
        std::string line = "\"" + program + "\" " + argumentText;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!CreateProcessA(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &info))
            return;
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        id_ = info.dwProcessId;
    }
    ~VelmoraProcess() {
        if (!process_) return;
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 10000);
        CloseHandle(process_);
    }
    VelmoraProcess(const VelmoraProcess&) = delete;
    VelmoraProcess& operator=(const VelmoraProcess&) = delete;

    DWORD Id() const { return id_; }
    bool HasExited() const { return WaitForExit(0); }
    bool WaitForExit(DWORD timeoutMs = 30000) const {
        return !process_ || WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
    }
    HWND WaitForDialog(int controlId) const {  // null when none shows in time
        HWND found = nullptr;
        WaitUntil([&] { return (found = FindDialog(id_, controlId)) || HasExited(); });
        return found;
    }

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// Runs the program to its end with a file as its standard output ("> report.txt"): its exit
// code (-1: it did not start or end) and what it wrote.
inline std::pair<long, std::string> RunForOutput(const std::string& argumentText) {
    const char* report = VELMORA_BUILD_DIR "\\e2e-report.txt";
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = CreateFileA(report, GENERIC_WRITE, 0, &inherit, CREATE_ALWAYS, 0, nullptr);
    std::string line = "\"" VELMORA_BUILD_DIR "\\app\\win32\\Velmora.exe\" " + argumentText;
    PROCESS_INFORMATION info{};
    DWORD code = DWORD(-1);
    if (CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                       &info) &&
        WaitForSingleObject(info.hProcess, 30000) == WAIT_OBJECT_0)
        GetExitCodeProcess(info.hProcess, &code);
    for (HANDLE h : {startup.hStdOutput, info.hThread, info.hProcess}) CloseHandle(h);
    std::ifstream in(report, std::ios::binary);
    return {long(code), std::string(std::istreambuf_iterator<char>(in), {})};
}

// Another process's window is asked in UTF-16; LB_ERR when it does not answer in time.
inline LRESULT Send(HWND to, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = LB_ERR;
    SendMessageTimeoutW(to, message, wParam, lParam, SMTO_NORMAL, 15000, &result);
    return static_cast<LRESULT>(result);
}
// True once the window's thread takes messages again.
inline bool Settle(HWND window) {
    return Send(window, WM_NULL) != LB_ERR;
}
// Selects the first list entry starting with the text, as a click does; again until it holds
// (a window still busy puts the selection back); false when there is none.
inline bool Select(HWND mainWindow, const std::string& entry) {
    const std::wstring wide(entry.begin(), entry.end());
    HWND list = GetDlgItem(mainWindow, IDC_LIST1);
    return WaitUntil(
        [&] {
            const LRESULT index =
                Send(list, LB_SELECTSTRING, -1, reinterpret_cast<LPARAM>(wide.c_str()));
            return index != LB_ERR &&
                   Send(mainWindow, WM_COMMAND, MAKEWPARAM(IDC_LIST1, LBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(list)) != LB_ERR &&
                   Send(list, LB_GETCURSEL) == index;
        },
        15000);
}
// A click the user can make (on a shown, enabled button), posted: its handler may open a box.
inline bool Click(HWND dialog, int controlId) {
    HWND control = GetDlgItem(dialog, controlId);
    return IsWindowVisible(control) && IsWindowEnabled(control) &&
           PostMessageA(control, BM_CLICK, 0, 0);
}
// Types a file name into the file dialog and presses OK; true once the dialog has gone.
inline bool SaveAs(HWND dialog, const std::string& path) {
    // The name box: an edit (0x480), or the edit of the combo box inside 0x47C.
    HWND name = GetDlgItem(dialog, 0x480), box = GetDlgItem(dialog, 0x47C);
    if (HWND combo = FindWindowExA(box, nullptr, "ComboBox", nullptr)) box = combo;
    if (!name) name = FindWindowExA(box, nullptr, "Edit", nullptr);
    DWORD_PTR result = 0;
    return name &&
           SendMessageTimeoutA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()),
                               SMTO_NORMAL, 10000, &result) &&
           PostMessageA(dialog, WM_COMMAND, IDOK, 0) &&
           WaitUntil([&] { return !IsWindow(dialog); }, 10000);
}

// Answers a message box and waits until it has gone.
inline bool Answer(HWND box, int buttonId) {
    return Click(box, buttonId) && WaitUntil([&] { return !IsWindow(box); }, 10000);
}

// Presses a key to the focus of the window's thread until the window has gone: a key that
// arrives while the program waits on a browser is lost, as a user's would be, and pressed again.
inline bool PressKeyToClose(HWND window, WORD key) {
    return IsWindow(window) && WaitUntil([&] {
               GUITHREADINFO gui{};
               gui.cbSize = sizeof gui;
               GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &gui);
               PostMessageA(gui.hwndFocus ? gui.hwndFocus : window, WM_KEYDOWN, key, 1);
               PostMessageA(gui.hwndFocus ? gui.hwndFocus : window, WM_KEYUP, key, 0xC0000001);
               return WaitUntil([&] { return !IsWindow(window); }, 2000);
           });
}

// Chooses a menu entry by its access letters until its effect shows ("RHB": Alt+R, H, B; with
// listPopUp the Delete key opens the list's pop-up first). A window still busy with an
// earlier step ignores the entry, as it would a user's, who chooses it again.
template <class Effect>
bool ChooseMenu(HWND mainWindow, const std::string& letters, Effect shows, bool listPopUp = false) {
    return WaitUntil(
        [&] {
            if (listPopUp) {
                PostMessageA(GetDlgItem(mainWindow, IDC_LIST1), WM_KEYDOWN, VK_DELETE, 0);
            } else {
                PostMessageA(mainWindow, WM_SYSCOMMAND, SC_KEYMENU, letters[0]);
                WaitUntil([] { return IsWindowVisible(FindWindowExA(0, 0, "#32768", 0)); }, 5000);
            }
            for (std::size_t i = listPopUp ? 0 : 1; i < letters.size(); ++i)
                PostMessageA(mainWindow, WM_CHAR, letters[i], 0);
            return WaitUntil(shows, 10000);
        },
        60000);
}

}  // namespace velmora::e2e
