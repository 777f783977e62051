// Helpers of the window tests under Wine (and of bench/win32): the program's resources, the
// clip control's registration, a window's text, message pumping and an off-screen canvas.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace velmora::win32 {

inline std::string WindowText(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Velmora.exe of this build, loaded for its resources only (dialogs, menus, pictures).
inline HINSTANCE ProgramResources() {
    static const HMODULE module = LoadLibraryExA(VELMORA_BUILD_DIR "\\app\\win32\\Velmora.exe",
                                                 nullptr, LOAD_LIBRARY_AS_DATAFILE);
    return module;
}

// regsvr32's exit code for Flintor.ocx of this build with `switches` ("/u /s").
inline DWORD RunRegsvr32(const std::string& switches) {
    std::string command =
        "regsvr32.exe " + switches + " \"" VELMORA_BUILD_DIR "\\flintor\\win32\\Flintor.ocx\"";
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

// A 24-bit bitmap in a memory device context, filled with white.
class OffscreenCanvas {
public:
    OffscreenCanvas(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        RECT all = {0, 0, width, height};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
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

}  // namespace velmora::win32
