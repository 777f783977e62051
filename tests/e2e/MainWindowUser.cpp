// Acts on the running main window of Velmora.exe as a user does, from another process:
// finds its list by class, reads and selects entries, reads texts, clicks, presses Esc.
#include "tests/e2e/MainWindowUser.h"

namespace velmora::e2e {

namespace {

constexpr DWORD kAnswerMs = 15000;

struct MainWindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchMainWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<MainWindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if ((search->processId && owner != search->processId) || !IsMainWindow(window)) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

bool IsMainWindow(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0 && IsWindowVisible(window) &&
           FindWindowExA(window, nullptr, "ListBox", nullptr) != nullptr;
}

HWND FindMainWindow(DWORD processId) {
    MainWindowSearch search = {processId, nullptr};
    EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND MainWindowUser::List() const {
    return FindWindowExA(window_, nullptr, "ListBox", nullptr);
}

std::vector<std::string> MainWindowUser::Entries() const {
    // Another process's list answers in UTF-16 whatever was asked: ask in UTF-16.
    std::vector<std::string> entries;
    HWND list = List();
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_NORMAL, kAnswerMs, &count))
        return entries;
    for (DWORD_PTR i = 0; i < count; ++i) {
        DWORD_PTR length = 0;
        SendMessageTimeoutW(list, LB_GETTEXTLEN, i, 0, SMTO_NORMAL, kAnswerMs, &length);
        std::wstring wide(length + 1, L'\0');
        DWORD_PTR copied = 0;
        SendMessageTimeoutW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&wide[0]), SMTO_NORMAL,
                            kAnswerMs, &copied);
        wide.resize(copied);
        std::string text(wide.size() * 2 + 1, '\0');
        text.resize(static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &text[0],
                                                            static_cast<int>(text.size()), nullptr,
                                                            nullptr)));
        if (!text.empty()) text.pop_back();  // the terminating zero
        entries.push_back(text);
    }
    return entries;
}

bool MainWindowUser::Select(const std::string& entry) {
    const std::vector<std::string> entries = Entries();
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] != entry) continue;
        HWND list = List();
        DWORD_PTR result = 0;
        // The list does not report a selection made by message: report it as a click does,
        // and wait for the window's answer.
        return SendMessageTimeoutA(list, LB_SETCURSEL, i, 0, SMTO_NORMAL, kAnswerMs, &result) &&
               SendMessageTimeoutA(window_, WM_COMMAND,
                                   MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                                   reinterpret_cast<LPARAM>(list), SMTO_NORMAL, kAnswerMs, &result);
    }
    return false;
}

std::string MainWindowUser::TextOf(HWND control) const {
    // GetWindowText reads only a control's first text across processes: ask the control.
    char text[4096] = {};
    DWORD_PTR copied = 0;
    if (!control ||
        !SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_NORMAL, kAnswerMs, &copied))
        return "";
    return std::string(text, copied);
}

std::string MainWindowUser::Caption() const {
    return TextOf(window_);
}

std::string MainWindowUser::Text(int controlId) const {
    return TextOf(GetDlgItem(window_, controlId));
}

bool MainWindowUser::Checked(int controlId) const {
    DWORD_PTR state = 0;
    SendMessageTimeoutA(GetDlgItem(window_, controlId), BM_GETCHECK, 0, 0, SMTO_NORMAL, kAnswerMs,
                        &state);
    return state == BST_CHECKED;
}

bool MainWindowUser::Enabled(int controlId) const {
    HWND control = GetDlgItem(window_, controlId);
    return control && IsWindowEnabled(control);
}

bool MainWindowUser::Visible(int controlId) const {
    HWND control = GetDlgItem(window_, controlId);
    return control && IsWindowVisible(control);
}

bool MainWindowUser::Click(int controlId) {
    // BM_CLICK would click a disabled button too, which no user can.
    if (!Enabled(controlId) || !Visible(controlId)) return false;
    return PostMessageA(GetDlgItem(window_, controlId), BM_CLICK, 0, 0) != FALSE;
}

bool MainWindowUser::PressEscape() {
    // Twice at most, as a user would: a key that arrives while the window waits on a browser
    // (its message loop then is not the dialog's) does not reach the dialog.
    for (int press = 0; press < 2 && IsWindow(window_); ++press) {
        // A browser window the program just opened may take the front for itself.
        for (int tries = 0; tries < 20 && GetForegroundWindow() != window_; ++tries) {
            SetForegroundWindow(window_);
            Settle();
            Sleep(250);
        }
        INPUT keys[2] = {};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wVk = keys[1].ki.wVk = VK_ESCAPE;
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof keys[0]);
        for (int waited = 0; waited < 50 && IsWindow(window_) && IsWindowVisible(window_); ++waited)
            Sleep(100);
    }
    return !IsWindow(window_) || !IsWindowVisible(window_);
}

void MainWindowUser::ChooseMenu(const std::string& accessLetters) {
    SetForegroundWindow(window_);
    Settle();
    INPUT alt[2] = {};
    alt[0].type = alt[1].type = INPUT_KEYBOARD;
    alt[0].ki.wVk = alt[1].ki.wVk = VK_MENU;
    alt[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &alt[0], sizeof alt[0]);
    PressKeys(accessLetters.substr(0, 1));
    SendInput(1, &alt[1], sizeof alt[1]);
    for (char letter : accessLetters.substr(1)) {
        Sleep(300);  // the pop-up opens
        PressKeys(std::string(1, letter));
    }
}

void MainWindowUser::PressKeys(const std::string& keys) {
    for (char key : keys) {
        INPUT press[2] = {};
        press[0].type = press[1].type = INPUT_KEYBOARD;
        press[0].ki.wVk = press[1].ki.wVk = static_cast<WORD>(key);
        press[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, press, sizeof press[0]);
        Sleep(50);
    }
}

bool MainWindowUser::Settle(DWORD timeoutMs) const {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

}  // namespace velmora::e2e
