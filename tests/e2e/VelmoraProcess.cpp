// Runs the real Velmora.exe and acts on its message boxes as a user would.
#include "tests/e2e/VelmoraProcess.h"

#include <cstdint>
#include <vector>

namespace velmora::e2e {

namespace {

constexpr int kMessageTextId = 0xFFFF;

struct BoxSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindBoxOfProcess(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && lstrcmpA(className, "#32770") == 0 &&
        IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindIcon(HWND child, LPARAM param) {
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        *reinterpret_cast<HWND*>(param) = child;
        return FALSE;
    }
    return TRUE;
}

// The pixels of a width x height area of a device context, 32 bits each.
std::vector<std::uint32_t> Pixels(HDC source, int x, int y, int width, int height) {
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<std::uint32_t> pixels;
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
        GdiFlush();
        const auto* first = static_cast<const std::uint32_t*>(bits);
        pixels.assign(first, first + static_cast<std::size_t>(width) * height);
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    return pixels;
}

// Icon handles cannot be read across processes, so the icon is compared as the user sees
// it: the box's icon area on the screen against the system icon drawn on the same
// background.
bool ShowsIcon(HWND iconControl, LPCSTR systemIcon) {
    if (!iconControl) return false;
    RECT rect{};
    GetWindowRect(iconControl, &rect);
    const int width = GetSystemMetrics(SM_CXICON);
    const int height = GetSystemMetrics(SM_CYICON);
    if (rect.right - rect.left < width || rect.bottom - rect.top < height) return false;
    HDC screen = GetDC(nullptr);
    const auto shown = Pixels(screen, rect.left, rect.top, width, height);
    const COLORREF background = GetPixel(screen, rect.left, rect.top);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, canvas);
    HBRUSH brush = CreateSolidBrush(background);
    RECT all{0, 0, width, height};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    DrawIcon(memory, 0, 0, LoadIconA(nullptr, systemIcon));
    const auto expected = Pixels(memory, 0, 0, width, height);
    SelectObject(memory, old);
    DeleteObject(canvas);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return !shown.empty() && shown == expected;
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    GetWindowTextA(window, text.data(), length + 1);
    return text.data();
}

}  // namespace

std::string VelmoraProcess::ProgramPath() {
    return VELMORA_BUILD_DIR "\\platform\\win32\\Velmora.exe";
}

VelmoraProcess::VelmoraProcess(const std::string& argumentText) {
    std::string commandLine = "\"" + ProgramPath() + "\"";
    if (!argumentText.empty()) commandLine += " " + argumentText;
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessA(ProgramPath().c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        processId_ = info.dwProcessId;
    }
}

VelmoraProcess::~VelmoraProcess() {
    if (!process_) return;
    if (!HasExited()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 10000);
    }
    CloseHandle(process_);
}

HWND VelmoraProcess::FindOwnBox() const {
    BoxSearch search{processId_, nullptr};
    EnumWindows(FindBoxOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

SeenBox VelmoraProcess::WaitForBox(DWORD timeoutMs) {
    SeenBox box;
    if (!process_) return box;
    const DWORD start = GetTickCount();
    HWND window = nullptr;
    while (!(window = FindOwnBox())) {
        if (GetTickCount() - start > timeoutMs || HasExited()) return box;
        Sleep(50);
    }
    // Give the box a moment to be filled in completely.
    Sleep(100);
    box.window = window;
    box.title = WindowText(window);
    char text[4096] = {};
    GetDlgItemTextA(window, kMessageTextId, text, sizeof text);
    box.text = text;
    box.hasYes = GetDlgItem(window, IDYES) && IsWindowVisible(GetDlgItem(window, IDYES));
    box.hasNo = GetDlgItem(window, IDNO) && IsWindowVisible(GetDlgItem(window, IDNO));
    box.hasOk = GetDlgItem(window, IDOK) && IsWindowVisible(GetDlgItem(window, IDOK));
    box.systemModal = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    HWND icon = nullptr;
    EnumChildWindows(window, FindIcon, reinterpret_cast<LPARAM>(&icon));
    box.questionIcon = ShowsIcon(icon, IDI_QUESTION);
    box.criticalIcon = ShowsIcon(icon, IDI_HAND);
    return box;
}

bool VelmoraProcess::ShowsNoBoxWithin(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        if (FindOwnBox()) return false;
        if (HasExited()) return !FindOwnBox();
        Sleep(50);
    }
    return true;
}

bool VelmoraProcess::Press(const SeenBox& box, int buttonId) {
    HWND button = GetDlgItem(box.window, buttonId);
    if (!button) return false;
    PostMessageA(button, BM_CLICK, 0, 0);
    const DWORD start = GetTickCount();
    while (IsWindow(box.window)) {
        if (GetTickCount() - start > 10000) return false;
        Sleep(50);
    }
    return true;
}

bool VelmoraProcess::WaitForExit(DWORD timeoutMs) {
    return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

bool VelmoraProcess::HasExited() const {
    return !process_ || WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
}

}  // namespace velmora::e2e
