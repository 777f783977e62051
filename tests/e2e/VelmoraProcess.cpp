// Runs the real Velmora.exe and acts on its message boxes as a user would.
#include "tests/e2e/VelmoraProcess.h"

#include <cstdint>
#include <vector>

#include "tests/e2e/MainWindowUser.h"

namespace velmora::e2e {

namespace {

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
    // A message box holds its text in the static 0xFFFF; the program's own dialogs do not.
    if (owner != search->processId || lstrcmpA(className, "#32770") != 0 ||
        !IsWindowVisible(window) || IsMainWindow(window) || !GetDlgItem(window, 0xFFFF))
        return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK FindIcon(HWND child, LPARAM param) {
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) return TRUE;
    *reinterpret_cast<HWND*>(param) = child;
    return FALSE;
}

// The 32-bit pixels of an icon-sized area of a device context.
std::vector<std::uint32_t> IconPixels(HDC source, int x, int y) {
    const int width = GetSystemMetrics(SM_CXICON), height = GetSystemMetrics(SM_CYICON);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof format.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateDIBSection(memory, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<std::uint32_t> pixels;
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
        GdiFlush();
        const auto* first = static_cast<const std::uint32_t*>(bits);
        pixels.assign(first, first + width * height);
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    return pixels;
}

// Icon handles cannot be read across processes, so the icon is compared as the user sees
// it: the box's icon on the screen against the system icon drawn on the same background.
bool ShowsIcon(HWND iconControl, LPCSTR systemIcon) {
    RECT rect{};
    if (!iconControl || !GetWindowRect(iconControl, &rect)) return false;
    HDC screen = GetDC(nullptr);
    const auto shown = IconPixels(screen, rect.left, rect.top);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP canvas =
        CreateCompatibleBitmap(screen, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    HGDIOBJ old = SelectObject(memory, canvas);
    HBRUSH brush = CreateSolidBrush(GetPixel(screen, rect.left, rect.top));
    RECT all{0, 0, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    DrawIcon(memory, 0, 0, LoadIconA(nullptr, systemIcon));
    const auto expected = IconPixels(memory, 0, 0);
    SelectObject(memory, old);
    DeleteObject(canvas);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return !shown.empty() && shown == expected;
}

bool HasButton(HWND box, int id) {
    HWND button = GetDlgItem(box, id);
    return button && IsWindowVisible(button);
}

}  // namespace

VelmoraProcess::VelmoraProcess(const std::string& argumentText, const std::string& folder)
    : VelmoraProcess(VELMORA_BUILD_DIR "\\app\\win32\\Velmora.exe", argumentText, folder) {}

VelmoraProcess::VelmoraProcess(const std::string& program, const std::string& argumentText,
                               const std::string& folder) {
    std::string commandLine = "\"" + program + "\"";
    if (!argumentText.empty()) commandLine += " " + argumentText;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                       folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        processId_ = info.dwProcessId;
    }
}

VelmoraProcess::VelmoraProcess(DWORD processId)
    : process_(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE,
                           processId)),
      processId_(process_ ? processId : 0) {}

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
    const DWORD start = GetTickCount();
    while (process_ && !(box.window = FindOwnBox())) {
        if (GetTickCount() - start > timeoutMs || HasExited()) return box;
        Sleep(50);
    }
    if (!box.window) return box;
    Sleep(100);  // a moment for the box to be filled in completely
    char text[4096] = {};
    GetWindowTextA(box.window, text, sizeof text);
    box.title = text;
    GetDlgItemTextA(box.window, 0xFFFF, text, sizeof text);  // the message's static text
    box.text = text;
    box.hasYes = HasButton(box.window, IDYES);
    box.hasNo = HasButton(box.window, IDNO);
    box.hasOk = HasButton(box.window, IDOK);
    box.systemModal = (GetWindowLongA(box.window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    HWND icon = nullptr;
    EnumChildWindows(box.window, FindIcon, reinterpret_cast<LPARAM>(&icon));
    box.questionIcon = ShowsIcon(icon, IDI_QUESTION);
    box.criticalIcon = ShowsIcon(icon, IDI_HAND);
    return box;
}

HWND VelmoraProcess::WaitForMainWindow(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    HWND window = nullptr;
    while (process_ && !(window = FindMainWindow(processId_))) {
        if (GetTickCount() - start > timeoutMs || HasExited()) return nullptr;
        Sleep(50);
    }
    return window;
}

bool VelmoraProcess::ShowsNoBoxWithin(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        if (FindOwnBox()) return false;
        if (HasExited()) return true;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
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
