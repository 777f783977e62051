// The apply sequence after the theme is loaded: writes a theme record into the browser's
// registry settings, area by area, and marks it as the current theme.
#pragma once

#include <string>

#include "platform/Platform.h"
#include "registry/cRegistry.h"

namespace velmora {

class clsVelmora;

// One applier serves one apply: it owns the registry accessor of that apply. Writes that
// Windows refuses are not detected (cRegistry does not report them), so every area runs
// whatever an earlier one met. Paths are written as the theme gives them, never tested.
class ThemeApplier {
public:
    explicit ThemeApplier(const Platform& platform);

    // Every area, each under its switch, in the browser's order; Apply_InfoPage gates
    // nothing. The record must already hold the file's values.
    void Apply(const clsVelmora& theme);

    // The areas, each ungated: Apply decides which run.
    // The two toolbar backgrounds (WESkin -> "BackBitmap", BackBitmap -> "BackBitmapIE5").
    void ToolbarPictures(const clsVelmora& theme);
    // The still and animated throbber pictures, large and small.
    void ThrobberPictures(const clsVelmora& theme);
    // The throbber flag of the four toolbar layouts (browser, theater, shell, explorer).
    void ThrobberFlags(const clsVelmora& theme);
    // Window title, start page and local page.
    void WindowTitleAndStartPages(const clsVelmora& theme);
    // The tips bar's page for the current user.
    void UserTipsPage(const clsVelmora& theme);
    // Search page, search bar, search assistant, search customisation, search address.
    void Search(const clsVelmora& theme);
    // The discussion bar's page and the machine-wide tips bar page.
    void DiscussionAndMachineTipsPages(const clsVelmora& theme);
    // User stylesheet, its switch and the colour and font overrides.
    void Stylesheet(const clsVelmora& theme);
    // The nine event sounds.
    void Sounds(const clsVelmora& theme);
    // Help menu's online-support link and the Windows Update menu caption.
    void HelpLinkAndUpdateCaption(const clsVelmora& theme);
    // Records the theme's title as the one this user applied last.
    void CurrentThemeMark(const clsVelmora& theme);

private:
    // "None" (any case) deletes the value, empty leaves it, anything else is written.
    void Picture(const std::string& property, const char* valueName);
    // Writes text as REG_SZ unless it is empty.
    void TextIfGiven(RegRoot root, const char* key, const char* valueName, const std::string& text);
    // Shows the throbber in one layout unless thumper is "No"; see the .cpp.
    void LayoutFlag(const std::string& thumper, const char* key, const char* valueName,
                    bool fallBackToBrowserLayout);

    cRegistry registry_;
};

}  // namespace velmora
