// The no-theme reset: the browser's own settings back for the current user.
#pragma once

#include "platform/Platform.h"

namespace velmora {

// The no-theme apply: deletes the toolbar pictures and the theme's navigation and program
// sounds, marks "[None]" as the current theme, switches the user stylesheet off, empties
// the window title, copies the machine's start, local and search pages and search address
// into the user's (a page the machine does not have leaves the user's as it was), and shows
// the throbber in every toolbar layout.
void RestoreBrowserDefaults(const Platform& platform);

}  // namespace velmora
