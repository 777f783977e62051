// Port: what a window object asks of the real window that shows it (the platform's window
// binding implements it): its handle, caption, place, focus, pop-up menus and its end.
#pragma once

#include <string>

#include "platform/Windowing.h"

namespace velmora {

namespace ui {
class Control;
class MenuItem;
}  // namespace ui

class FormHost {
public:
    virtual ~FormHost() = default;

    // The window's own top-level handle, for the Windowing port (0 before it exists).
    virtual WindowHandle Handle() = 0;
    virtual void SetCaption(const std::string& caption) = 0;

    // Screen size and the window's own top coordinate, in pixels.
    virtual int ScreenWidth() = 0;
    virtual int ScreenHeight() = 0;
    virtual void CenterOnScreen() = 0;
    virtual void SetTop(int top) = 0;

    // Makes the window visible, brings it to the front and gives it the input focus.
    virtual void BringToFront() = 0;
    // Gives the keyboard focus to the real control that shows the model.
    virtual void SetFocus(const ui::Control& control) = 0;
    // Opens a top menu (given by its first entry's model) as a pop-up at the pointer.
    virtual void PopupMenu(const ui::MenuItem& topMenu) = 0;

    // Unloads the window: runs the window's unload handling, then closes it.
    virtual void Close() = 0;
    // Ends the program at once, without the window's unload handling.
    virtual void EndProgram() = 0;
};

}  // namespace velmora
