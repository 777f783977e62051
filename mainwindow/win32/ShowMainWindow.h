// Runs the main window "Installed Themes" modally: the window object, its hosted clip
// control and the dialog binding that shows them.
#pragma once

#include "platform/Platform.h"

namespace velmora::win32 {

// Returns when the window has closed.
void ShowMainWindow(const Platform& platform);

}  // namespace velmora::win32
