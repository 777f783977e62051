// Helpers of the window tests under Wine: the program's resources, texts and list entries of
// controls, message pumping, owned windows, an off-screen canvas and the count of live GDI
// objects.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace velmora::win32 {

inline std::string WindowText(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

inline std::vector<std::string> ListTexts(HWND list) {
    std::vector<std::string> texts;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[256] = {};
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        texts.push_back(text);
    }
    return texts;
}

// Velmora.exe of this build, loaded for its resources only (dialogs, menus, pictures).
inline HINSTANCE ProgramResources() {
    static const HMODULE module = LoadLibraryExA(VELMORA_BUILD_DIR "\\app\\win32\\Velmora.exe",
                                                 nullptr, LOAD_LIBRARY_AS_DATAFILE);
    return module;
}

// Flintor.ocx of this build.
inline std::string ClipControlPath() {
    return VELMORA_BUILD_DIR "\\flintor\\win32\\Flintor.ocx";
}

// regsvr32's exit code for Flintor.ocx of this build with `switches` ("/u /s").
inline DWORD RunRegsvr32(const std::string& switches) {
    std::string command = "regsvr32.exe " + switches + " \"" + ClipControlPath() + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    DWORD code = 1;
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        WaitForSingleObject(process.hProcess, 60000);
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    return code;
}

// Registers (or unregisters) Flintor.ocx of this build with regsvr32; true when it did.
inline bool RegisterClipControl(bool enter) {
    return RunRegsvr32(enter ? "/s" : "/s /u") == 0;
}

// Dispatches messages for `milliseconds`, or until `done` says so.
inline void PumpMessages(DWORD milliseconds, const std::function<bool()>& done = {}) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (done && done()) return;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    }
}

// A top-level window of the given class, owned by `owner`.
inline HWND FindOwnedWindow(HWND owner, const char* className) {
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, className, nullptr)) &&
           GetWindow(window, GW_OWNER) != owner) {
    }
    return window;
}

// A 24-bit bitmap in a memory device context, filled with one colour.
class OffscreenCanvas {
public:
    OffscreenCanvas(int width, int height, COLORREF fill) : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        HBRUSH brush = CreateSolidBrush(fill);
        RECT all = {0, 0, width, height};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ~OffscreenCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    OffscreenCanvas(const OffscreenCanvas&) = delete;
    OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;
    HDC Dc() const { return dc_; }
    COLORREF Pixel(int x, int y) const {
        GdiFlush();
        return GetPixel(dc_, x, y);
    }

private:
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// GDI objects this process holds. Wine's GetGuiResources answers 0: every slot of the
// handle table is probed instead (a handle whose upper half is 0 names its slot).
inline int CountGdiObjects() {
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0) return static_cast<int>(counted);
    int live = 0;
    for (ULONG_PTR slot = 1; slot < 0x10000; ++slot)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0) ++live;
    return live;
}

}  // namespace velmora::win32
