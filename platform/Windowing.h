// Port: the few window functions of user32 the program calls on top-level windows and on
// the control that has the keyboard focus.
#pragma once

#include <cstdint>

namespace velmora {

// A top-level window or control handle as the platform gives it; 0 is no window.
using WindowHandle = std::uintptr_t;

// Insert-after handles and flags of SetWindowPos, with the platform's own values.
constexpr WindowHandle kHwndTopmost = static_cast<WindowHandle>(-1);
constexpr WindowHandle kHwndNotopmost = static_cast<WindowHandle>(-2);
constexpr unsigned kSwpNoSize = 0x0001;
constexpr unsigned kSwpNoMove = 0x0002;

// Show commands of ShowWindow used by the program.
constexpr int kSwHide = 0;
constexpr int kSwShowNormal = 1;

// Every call is best effort: a handle that is no window (any more) does nothing and reads
// as nothing. No call throws.
class Windowing {
public:
    virtual ~Windowing() = default;

    virtual WindowHandle ForegroundWindow() = 0;
    virtual void EnableWindow(WindowHandle window, bool enable) = 0;
    virtual void ShowWindow(WindowHandle window, int showCommand) = 0;
    virtual void SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y,
                              int width, int height, unsigned flags) = 0;

    // The control that has the keyboard focus in the active window, or 0.
    virtual WindowHandle FocusedControl() = 0;
    // Length of a control's text in characters (0 for none or no such control).
    virtual int TextLength(WindowHandle control) = 0;
    // Selects `length` characters of a control's text from `start`.
    virtual void SetSelection(WindowHandle control, int start, int length) = 0;
};

}  // namespace velmora
