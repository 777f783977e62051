// The apply sequence after the theme is loaded: writes a theme record into the browser's
// registry settings, area by area, and marks it as the current theme.
#include "theme/ThemeApplier.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "store/InstalledThemeStore.h"
#include "browser/ThrobberFlag.h"
#include "browser/BrowserSettings.h"
#include "registry/SameText.h"
#include "theme/clsVelmora.h"

namespace velmora {

namespace {

constexpr char kDefaultValue[] = "";

}  // namespace

ThemeApplier::ThemeApplier(const Platform& platform) : registry_(platform) {}

void ThemeApplier::Apply(const clsVelmora& theme) {
    if (theme.Apply_ToolbarSkin()) ToolbarPictures(theme);
    if (theme.Apply_Throbbers()) ThrobberPictures(theme);
    ThrobberFlags(theme);
    if (theme.Apply_HomePage()) WindowTitleAndStartPages(theme);
    if (theme.Apply_TipsPage()) UserTipsPage(theme);
    if (theme.Apply_SearchBar()) Search(theme);
    DiscussionAndMachineTipsPages(theme);
    if (theme.Apply_StyleExtension()) Stylesheet(theme);
    if (theme.Apply_Sounds()) Sounds(theme);
    HelpLinkAndUpdateCaption(theme);
    CurrentThemeMark(theme);
}

void ThemeApplier::Picture(const std::string& property, const char* valueName) {
    if (SameText(property, "None")) {
        registry_.DeleteValue(kHkeyCurrentUser, browser::kToolbarKey, valueName);
    } else if (!property.empty()) {
        registry_.WriteRegistry(kHkeyCurrentUser, browser::kToolbarKey, valueName, kRegSz,
                                property);
    }
}

void ThemeApplier::TextIfGiven(RegRoot root, const char* key, const char* valueName,
                               const std::string& text) {
    if (text.empty()) return;
    registry_.WriteRegistry(root, key, valueName, kRegSz, text);
}

void ThemeApplier::ToolbarPictures(const clsVelmora& theme) {
    Picture(theme.WESkin(), browser::kExplorerBackBitmap);
    Picture(theme.BackBitmap(), browser::kBrowserBackBitmap);
}

void ThemeApplier::ThrobberPictures(const clsVelmora& theme) {
    Picture(theme.BrandLarge(), browser::kBigBitmap);
    Picture(theme.AniLarge(), browser::kBrandBitmap);
    Picture(theme.BrandSmall(), browser::kSmallBitmap);
    Picture(theme.AniSmall(), browser::kSmBrandBitmap);
}

void ThemeApplier::ThrobberFlags(const clsVelmora& theme) {
    // The theater and shell layouts fall back to the browser layout as the first step left
    // it, so the order matters.
    LayoutFlag(theme.WebThumper(), browser::kWebBrowserToolbarKey, browser::kLayoutValue, false);
    LayoutFlag(theme.TheaterThumper(), browser::kToolbarKey, browser::kTheaterLayoutValue, true);
    LayoutFlag(theme.ShellThumper(), browser::kShellBrowserToolbarKey, browser::kLayoutValue, true);
    LayoutFlag(theme.ExplorerThumper(), browser::kExplorerToolbarKey, browser::kLayoutValue, false);
}

void ThemeApplier::LayoutFlag(const std::string& thumper, const char* key, const char* valueName,
                              bool fallBackToBrowserLayout) {
    // ReadRegistryByte gives the stored bytes plus one spare trailing element, which
    // WriteRegistry leaves out again: the value keeps its length.
    std::vector<std::uint8_t> bytes = registry_.ReadRegistryByte(kHkeyCurrentUser, key, valueName);
    if (bytes.empty() && fallBackToBrowserLayout) {
        // Read again rather than remembered: the browser layout as it now stands in the
        // registry, after the first step changed it (or Windows refused the change).
        bytes = registry_.ReadRegistryByte(kHkeyCurrentUser, browser::kWebBrowserToolbarKey,
                                           browser::kLayoutValue);
    }
    // Already as the theme wants it, or too short to hold the flag: no write.
    if (!SetThrobberFlag(bytes, !SameText(thumper, "No"))) return;
    registry_.WriteRegistry(kHkeyCurrentUser, key, valueName, kRegBinary, bytes);
}

void ThemeApplier::WindowTitleAndStartPages(const clsVelmora& theme) {
    TextIfGiven(kHkeyCurrentUser, browser::kMainKey, browser::kWindowTitle, theme.Title());
    TextIfGiven(kHkeyCurrentUser, browser::kMainKey, browser::kStartPage, theme.HomePage());
    TextIfGiven(kHkeyCurrentUser, browser::kMainKey, browser::kLocalPage, theme.Localpage());
}

void ThemeApplier::UserTipsPage(const clsVelmora& theme) {
    TextIfGiven(kHkeyCurrentUser, browser::kTipsBarKey, browser::kBarUrl, theme.TipsPage());
}

void ThemeApplier::Search(const clsVelmora& theme) {
    TextIfGiven(kHkeyCurrentUser, browser::kMainKey, browser::kSearchPage, theme.SearchPage());
    TextIfGiven(kHkeyCurrentUser, browser::kMainKey, browser::kSearchBar, theme.SearchBar());
    TextIfGiven(kHkeyLocalMachine, browser::kMachineSearchKey, browser::kSearchAssistant,
                theme.SearchAssistant());
    TextIfGiven(kHkeyLocalMachine, browser::kMachineSearchKey, browser::kCustomizeSearch,
                theme.CustomizeSearch());
    TextIfGiven(kHkeyCurrentUser, browser::kSearchUrlKey, kDefaultValue, theme.SearchURL());
}

void ThemeApplier::DiscussionAndMachineTipsPages(const clsVelmora& theme) {
    TextIfGiven(kHkeyLocalMachine, browser::kDiscussionBarKey, browser::kBarUrl,
                theme.DiscussionPage());
    TextIfGiven(kHkeyLocalMachine, browser::kTipsBarKey, browser::kBarUrl, theme.TipsPage());
}

void ThemeApplier::Stylesheet(const clsVelmora& theme) {
    const std::string type = theme.StyleType();
    const bool useStylesheet = SameText(type, "0") || SameText(type, "1");
    // Both always written: a theme without a stylesheet switches the previous one off.
    registry_.WriteRegistry(kHkeyCurrentUser, browser::kStylesKey, browser::kUserStyleSheet, kRegSz,
                            theme.StyleFile());
    registry_.WriteRegistry(kHkeyCurrentUser, browser::kStylesKey, browser::kUseMyStylesheet,
                            kRegDword, std::int64_t{useStylesheet ? 1 : 0});
    // The overrides are only ever switched on here, never off.
    const auto overrideIfOne = [this](const std::string& option, const char* valueName) {
        if (!SameText(option, "1")) return;
        registry_.WriteRegistry(kHkeyCurrentUser, browser::kSettingsKey, valueName, kRegDword,
                                std::int64_t{1});
    };
    overrideIfOne(theme.IgnoreColors(), browser::kAlwaysUseMyColors);
    overrideIfOne(theme.IgnoreFontStyles(), browser::kAlwaysUseMyFontFace);
    overrideIfOne(theme.IgnoreFontSizes(), browser::kAlwaysUseMyFontSize);
}

void ThemeApplier::Sounds(const clsVelmora& theme) {
    // The two program-open rows cross over: the theme's OpenIExplore names the file
    // explorer's event and OpenExplorer the browser's.
    const std::pair<std::string, const char*> rows[] = {
        {theme.OpenIExplore(), browser::kSoundExplorerOpen},
        {theme.OpenExplorer(), browser::kSoundBrowserOpen},
        {theme.Navigate(), browser::kSoundNavigating},
        {theme.Activate(), browser::kSoundActivatingDocument},
        {theme.NewMail(), browser::kSoundMailBeep},
        {theme.ContactOnline(), browser::kSoundContactOnline},
        {theme.NewAlert(), browser::kSoundNewAlert},
        {theme.MSMessenger(), browser::kSoundMessengerMail},
        {theme.NewMessage(), browser::kSoundNewMessage},
    };
    for (const auto& [file, key] : rows) TextIfGiven(kHkeyCurrentUser, key, kDefaultValue, file);
    // MSMBuzzSound and MSMNewSMS are loaded but deliberately not written: the messenger
    // has no event of its own for them in the sound scheme that this program knows of, and
    // an invented event key would only leave an entry in the user's sound settings that
    // no program ever plays.
}

void ThemeApplier::HelpLinkAndUpdateCaption(const clsVelmora& theme) {
    TextIfGiven(kHkeyLocalMachine, browser::kHelpMenuUrlsKey, browser::kOnlineSupport,
                theme.OnlineHelpURL());
    const std::string caption = theme.WUCaption();
    if (SameText(caption, "None")) {
        registry_.WriteRegistry(kHkeyCurrentUser, browser::kPoliciesKey,
                                browser::kWindowsUpdateMenuText, kRegSz, std::string());
    } else {
        TextIfGiven(kHkeyCurrentUser, browser::kPoliciesKey, browser::kWindowsUpdateMenuText,
                    caption);
    }
}

void ThemeApplier::CurrentThemeMark(const clsVelmora& theme) {
    registry_.WriteRegistry(kHkeyCurrentUser, InstalledThemeStore::MarkKey(), kDefaultValue, kRegSz,
                            theme.ThemeTitle());
}

}  // namespace velmora
