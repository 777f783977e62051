// The one-click repairs of the browser's settings for the current user, and the single
// settings the windows and file actions change: each writes the registry and nothing else
// (the callers ask their questions and reopen the browsers).
#pragma once

#include <cstdint>
#include <string>

#include "platform/Platform.h"

namespace velmora {

// Shows (on) or hides the throbber in all four toolbar layouts. A missing layout counts as
// the thick default, which shows it: hiding creates the value from that default. A value
// too short to hold the flag is left alone; one that cannot be read or written is skipped.
void SetThrobbers(const Platform& platform, bool on);

// Writes the default layout of kind (see DefaultToolbarLayout) to all four toolbar layouts
// and locks the toolbars.
void WriteDefaultToolbarLayouts(const Platform& platform, std::int16_t kind);

// Deletes the browser's remembered window placement and old work areas.
void ForgetWindowPlacement(const Platform& platform);

// Whether the per-user "Use My Stylesheet" value is on (a non-zero number).
bool StylesheetSwitchOn(const Platform& platform);
// Turns the user stylesheet off when it is on, and on otherwise.
void SwitchStylesheet(const Platform& platform);

// The sound of a click on a link (the browser's navigation sound).
void SetClickSound(const Platform& platform, const std::string& wavFile);

// The start page.
void SetStartPage(const Platform& platform, const std::string& page);

// Whether the user may not change the home page (the policy value is there and not 0).
bool HomePageLocked(const Platform& platform);
void LockHomePage(const Platform& platform, bool locked);

// A bitmap as the toolbar background of both the browser and the file explorer.
void SetToolbarBackground(const Platform& platform, const std::string& bitmap);

}  // namespace velmora
