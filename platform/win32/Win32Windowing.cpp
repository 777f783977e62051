// The window functions of user32 on top-level windows and the focused control.
#include "platform/win32/Win32Windowing.h"

#include <windows.h>

#include <cstring>

namespace velmora::win32 {

namespace {

HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}
WindowHandle FromHwnd(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

}  // namespace

WindowHandle Win32Windowing::ForegroundWindow() {
    return FromHwnd(GetForegroundWindow());
}

void Win32Windowing::EnableWindow(WindowHandle window, bool enable) {
    ::EnableWindow(ToHwnd(window), enable ? TRUE : FALSE);
}

void Win32Windowing::ShowWindow(WindowHandle window, int showCommand) {
    ::ShowWindow(ToHwnd(window), showCommand);
}

void Win32Windowing::SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y,
                                  int width, int height, unsigned flags) {
    ::SetWindowPos(ToHwnd(window), ToHwnd(insertAfter), x, y, width, height, flags);
}

WindowHandle Win32Windowing::FocusedControl() {
    // The focus of the active window's thread, which need not be this thread.
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(0, &info) && info.hwndFocus) return FromHwnd(info.hwndFocus);
    return FromHwnd(GetFocus());
}

int Win32Windowing::TextLength(WindowHandle control) {
    return GetWindowTextLengthA(ToHwnd(control));
}

void Win32Windowing::SetSelection(WindowHandle control, int start, int length) {
    const HWND hwnd = ToHwnd(control);
    char className[32] = {};
    GetClassNameA(hwnd, className, sizeof className);
    // The edit box of a combo box takes its selection through the combo box.
    if (lstrcmpiA(className, "ComboBox") == 0) {
        SendMessageA(hwnd, CB_SETEDITSEL, 0, MAKELPARAM(start, start + length));
    } else {
        SendMessageA(hwnd, EM_SETSEL, static_cast<WPARAM>(start),
                     static_cast<LPARAM>(start + length));
    }
}

}  // namespace velmora::win32
