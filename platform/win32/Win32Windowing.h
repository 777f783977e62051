// The window functions of user32 on top-level windows and the focused control.
#pragma once

#include "platform/Windowing.h"

namespace velmora::win32 {

class Win32Windowing : public Windowing {
public:
    WindowHandle ForegroundWindow() override;
    void EnableWindow(WindowHandle window, bool enable) override;
    void ShowWindow(WindowHandle window, int showCommand) override;
    void SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int width,
                      int height, unsigned flags) override;
    WindowHandle FocusedControl() override;
    int TextLength(WindowHandle control) override;
    void SetSelection(WindowHandle control, int start, int length) override;
};

}  // namespace velmora::win32
