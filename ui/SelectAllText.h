// Selects the whole text of the focused control, so that typing replaces it.
#pragma once

#include "platform/Windowing.h"

namespace velmora {

// Selection start 0, length the text's length, on the control with the keyboard focus in
// the active window. Without a focused control, or one without text, nothing happens.
void SelectAllText(Windowing& windowing);

}  // namespace velmora
