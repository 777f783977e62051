// Selects the whole text of the focused control, so that typing replaces it.
#include "ui/SelectAllText.h"

namespace velmora {

void SelectAllText(Windowing& windowing) {
    const WindowHandle control = windowing.FocusedControl();
    if (control == 0) return;
    windowing.SetSelection(control, 0, windowing.TextLength(control));
}

}  // namespace velmora
