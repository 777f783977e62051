// Puts a window into, or takes it out of, the platform's topmost band.
#include "ui/MakeTopmost.h"

namespace velmora {

void MakeTopmost(Windowing& windowing, WindowHandle window) {
    SetWindowOnTop(windowing, window, true);
}

void SetWindowOnTop(Windowing& windowing, WindowHandle window, bool onTop) {
    windowing.SetWindowPos(window, onTop ? kHwndTopmost : kHwndNotopmost, 0, 0, 0, 0,
                           kSwpNoMove | kSwpNoSize);
}

}  // namespace velmora
