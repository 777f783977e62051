// Windowing double: simulated top-level windows and controls with the states the program
// changes, the foreground window and the focused control.
#pragma once

#include <map>
#include <string>

#include "platform/Windowing.h"

namespace velmora::test {

class SimulatedWindowing : public Windowing {
public:
    struct Window {
        bool enabled = true, topmost = false, gone = false;
        int shown = -1;           // the last show command; -1: never shown
        WindowHandle behind = 0;  // the window it was last placed directly behind
        std::string text;         // a control's
        int selStart = 0, selLength = 0;
    };
    // A new window or control; handles are never 0 and never reused.
    WindowHandle AddWindow(const std::string& text = "") {
        const WindowHandle handle = 0x10010 + 0x10 * windows.size();
        windows[handle].text = text;
        return handle;
    }
    // A window's state; a destroyed one's as it was when it went.
    Window& operator[](WindowHandle handle) { return windows.at(handle); }

    WindowHandle ForegroundWindow() override { return Live(foreground) ? foreground : 0; }
    void EnableWindow(WindowHandle w, bool enable) override {
        if (Window* state = Live(w)) state->enabled = enable;
    }
    void ShowWindow(WindowHandle w, int command) override {
        if (Window* state = Live(w)) state->shown = command;
    }
    // Into or out of the topmost band, or directly behind another window, in its band.
    void SetWindowPos(WindowHandle w, WindowHandle after, int, int, int, int, unsigned) override {
        Window* state = Live(w);
        const Window* other = Live(after);
        if (state && (after == kHwndTopmost || after == kHwndNotopmost)) {
            state->topmost = after == kHwndTopmost;
        } else if (state && other) {
            state->behind = after, state->topmost = other->topmost;
        }
    }
    WindowHandle FocusedControl() override { return Live(focus) ? focus : 0; }
    int TextLength(WindowHandle c) override { return Live(c) ? int(Live(c)->text.size()) : 0; }
    void SetSelection(WindowHandle c, int start, int length) override {
        if (Window* state = Live(c)) state->selStart = start, state->selLength = length;
    }

    std::map<WindowHandle, Window> windows;
    WindowHandle foreground = 0, focus = 0;

private:
    Window* Live(WindowHandle handle) {
        const auto it = windows.find(handle);
        return it == windows.end() || it->second.gone ? nullptr : &it->second;
    }
};

}  // namespace velmora::test
