// Windowing double: a set of simulated windows with their enabled, shown, z-order and text
// selection states, the foreground window and the focused control.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/Windowing.h"

namespace velmora::test {

class SimulatedWindowing : public Windowing {
public:
    struct WindowState {
        bool enabled = true;
        int lastShowCommand = -1;  // -1: ShowWindow never called
        bool topmost = false;
        WindowHandle placedBehind = 0;  // last insert-after handle other than the two bands
        std::string text;
        int selectionStart = 0;
        int selectionLength = 0;
    };

    // A new window (or control) with the given text; handles are never 0 and never reused.
    WindowHandle AddWindow(const std::string& text = "");
    // The window is destroyed: later calls on its handle do nothing.
    void RemoveWindow(WindowHandle window);
    bool Exists(WindowHandle window) const { return windows_.count(window) != 0; }
    // State of an existing window (or of a removed one: as it was when removed).
    const WindowState& State(WindowHandle window) const;

    void SetForeground(WindowHandle window) { foreground_ = window; }
    void SetFocus(WindowHandle control) { focus_ = control; }

    WindowHandle ForegroundWindow() override { return foreground_; }
    void EnableWindow(WindowHandle window, bool enable) override {
        if (WindowState* state = Find(window)) state->enabled = enable;
    }
    void ShowWindow(WindowHandle window, int showCommand) override {
        if (WindowState* state = Find(window)) state->lastShowCommand = showCommand;
    }
    void SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int width,
                      int height, unsigned flags) override;
    WindowHandle FocusedControl() override { return Find(focus_) ? focus_ : 0; }
    int TextLength(WindowHandle control) override {
        const WindowState* state = Find(control);
        return state ? static_cast<int>(state->text.size()) : 0;
    }
    void SetSelection(WindowHandle control, int start, int length) override;

private:
    WindowState* Find(WindowHandle window);

    std::map<WindowHandle, WindowState> windows_;
    std::map<WindowHandle, WindowState> removed_;
    WindowHandle next_ = 0x10010;
    WindowHandle foreground_ = 0;
    WindowHandle focus_ = 0;
};

}  // namespace velmora::test
