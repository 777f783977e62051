// Putting the browser's own settings back for the current user: the no-theme reset, the
// default toolbar layouts and the forgotten window placement.
#pragma once

#include <cstdint>

#include "platform/Platform.h"

namespace velmora {

// The no-theme apply: deletes the toolbar pictures and the theme's navigation and program
// sounds, marks "[None]" as the current theme, switches the user stylesheet off, empties
// the window title, copies the machine's start, local and search pages and search address
// into the user's (a page the machine does not have leaves the user's as it was), and shows
// the throbber in every toolbar layout.
void RestoreBrowserDefaults(const Platform& platform);

// Shows (on) or hides the throbber in all four toolbar layouts. A missing layout counts as
// the thick default, which shows it: hiding creates the value from that default. A value
// too short to hold the flag is left alone; one that cannot be read or written is skipped.
void SetThrobbers(const Platform& platform, bool on);

// Writes the default layout of kind (see DefaultToolbarLayout) to all four toolbar layouts
// and locks the toolbars.
void WriteDefaultToolbarLayouts(const Platform& platform, std::int16_t kind);

// Deletes the browser's remembered window placement and old work areas.
void ForgetWindowPlacement(const Platform& platform);

}  // namespace velmora
