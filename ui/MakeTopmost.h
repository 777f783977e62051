// Puts a window into, or takes it out of, the platform's topmost band.
#pragma once

#include "platform/Windowing.h"

namespace velmora {

// Places the window above all non-topmost windows without moving, resizing or activating it.
void MakeTopmost(Windowing& windowing, WindowHandle window);

// The windows' `WindowOnTop` pattern: true joins the topmost band, false leaves it; neither
// moves nor resizes the window.
void SetWindowOnTop(Windowing& windowing, WindowHandle window, bool onTop);

}  // namespace velmora
