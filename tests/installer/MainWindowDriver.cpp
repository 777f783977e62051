// Drives the program's main window from another process as a user would: finds it, reads and
// selects list entries, clicks buttons by their captions and answers the program's boxes.
#include "tests/installer/MainWindowDriver.h"

#include <algorithm>
#include <utility>

namespace velmora::setup {

namespace {

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Another process's control text: WM_GETTEXT, as GetWindowText only sees the creation text.
std::string TextOf(HWND window) {
    char text[512] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, &length);
    return text;
}

std::string WithoutAccessKey(std::string caption) {
    caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
    return caption;
}

struct Search {
    DWORD processId;
    std::string title;
    bool wantBox;  // a box titled so, or a window that is not one
    HWND found = nullptr;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    RECT rect{};
    if (owner != search->processId || !IsWindowVisible(window) || !GetWindowRect(window, &rect) ||
        rect.right - rect.left <= 1 || rect.bottom - rect.top <= 1)
        return TRUE;
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    const bool isBox = ClassOf(window) == "#32770" && search->title == title;
    if (isBox != search->wantBox) return TRUE;
    search->found = window;
    return FALSE;
}

HWND WaitForTopLevel(Search search, DWORD timeoutMs) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, search.processId);
    const DWORD start = GetTickCount();
    for (;;) {
        EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
        if (search.found || GetTickCount() - start > timeoutMs ||
            (process && WaitForSingleObject(process, 0) == WAIT_OBJECT_0))
            break;
        Sleep(100);
    }
    if (process) CloseHandle(process);
    return search.found;
}

struct ChildSearch {
    std::string className;
    std::string caption;  // empty: any
    HWND found = nullptr;
};

BOOL CALLBACK FindChild(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    if (lstrcmpiA(ClassOf(child).c_str(), search->className.c_str()) != 0) return TRUE;
    if (!search->caption.empty() && WithoutAccessKey(TextOf(child)) != search->caption) return TRUE;
    search->found = child;
    return FALSE;
}

}  // namespace

HWND MainWindowDriver::WaitForMainWindow(DWORD processId, const std::string& boxTitle,
                                         DWORD timeoutMs) {
    return WaitForTopLevel({processId, boxTitle, false}, timeoutMs);
}

MainWindowDriver::MainWindowDriver(HWND window, std::string boxTitle)
    : window_(window), boxTitle_(std::move(boxTitle)) {
    GetWindowThreadProcessId(window_, &processId_);
}

HWND MainWindowDriver::List() const {
    ChildSearch search{"ListBox", ""};
    EnumChildWindows(window_, FindChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<std::string> MainWindowDriver::ListEntries() const {
    // Another process's list answers the ANSI messages in UTF-16: ask in UTF-16 and convert.
    std::vector<std::string> entries;
    HWND list = List();
    const LRESULT count = list ? SendMessageW(list, LB_GETCOUNT, 0, 0) : 0;
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, i, 0);
        if (length < 0) continue;
        std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&wide[0]));
        wide.resize(static_cast<size_t>(length));
        std::string text(wide.size() * 2 + 1, '\0');
        const int bytes =
            WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), &text[0],
                                static_cast<int>(text.size()), nullptr, nullptr);
        text.resize(bytes > 0 ? static_cast<size_t>(bytes) : 0);
        entries.push_back(text);
    }
    return entries;
}

bool MainWindowDriver::Select(const std::string& entry) {
    const std::vector<std::string> entries = ListEntries();
    const auto at = std::find_if(entries.begin(), entries.end(), [&](const std::string& e) {
        return lstrcmpiA(e.c_str(), entry.c_str()) == 0;
    });
    HWND list = List();
    if (at == entries.end() || !list) return false;
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(at - entries.begin()), 0);
    // Setting the selection does not notify; a click would.
    PostMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    return true;
}

bool MainWindowDriver::Click(const std::string& caption, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        ChildSearch search{"Button", caption};
        EnumChildWindows(window_, FindChild, reinterpret_cast<LPARAM>(&search));
        // BM_CLICK also "clicks" a hidden or disabled button: only press what a user could.
        if (search.found && IsWindowVisible(search.found) && IsWindowEnabled(search.found)) {
            // Posted: the handler opens a modal box.
            PostMessageA(search.found, BM_CLICK, 0, 0);
            return true;
        }
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(100);
    }
}

HWND MainWindowDriver::WaitForBox(DWORD timeoutMs) const {
    return WaitForTopLevel({processId_, boxTitle_, true}, timeoutMs);
}

std::string MainWindowDriver::BoxText(HWND box) {
    char text[2048] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message's static text
    return text;
}

bool MainWindowDriver::Press(HWND box, int buttonId) {
    HWND button = GetDlgItem(box, buttonId);
    if (!button) return false;
    PostMessageA(button, BM_CLICK, 0, 0);
    const DWORD start = GetTickCount();
    while (IsWindow(box)) {
        if (GetTickCount() - start > 10000) return false;
        Sleep(50);
    }
    return true;
}

}  // namespace velmora::setup
