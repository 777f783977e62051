// The keys of a theme file, one row each: the record's property it fills (the key's name as
// written in the file, but for "New_Mail" and "LocalPage"), and how its value is treated.
// A new key is one row here and its step in the apply.
#pragma once

#include <cstddef>

namespace velmora {

// What a key's value names, as the theme check tests it: a text or switch word; a bitmap; a
// throbber strip (square cells stacked); a WAV sound; any other file; a page or address.
enum class ThemeValue { Text, Picture, Strip, Sound, File, Page };

// X(property, name in the file, takes %InstallDir%, stored only when given, what the value
// names), in the order the load reads them. "%InstallDir%" in a value that takes it becomes
// the theme's folder. An empty value of a key stored only when given leaves the property as
// it was, so a help link or caption set by an earlier theme survives a theme without one.
#define VELMORA_THEME_KEYS(X)                                   \
    X(BackBitmap, "BackBitmap", true, false, Picture)           \
    X(WESkin, "WESkin", true, false, Picture)                   \
    X(ThemeTitle, "ThemeTitle", false, false, Text)             \
    X(Author, "Author", false, false, Text)                     \
    X(Email, "Email", false, false, Text)                       \
    X(Copyright, "Copyright", false, false, Text)               \
    X(WebSite, "WebSite", false, false, Text)                   \
    X(Description, "Description", false, false, Text)           \
    X(AniLarge, "AniLarge", true, false, Strip)                 \
    X(BrandLarge, "BrandLarge", true, false, Picture)           \
    X(AniSmall, "AniSmall", true, false, Strip)                 \
    X(BrandSmall, "BrandSmall", true, false, Picture)           \
    X(Title, "Title", false, false, Text)                       \
    X(HomePage, "HomePage", true, false, Page)                  \
    X(Localpage, "LocalPage", true, false, Page)                \
    X(SearchBar, "SearchBar", true, false, Page)                \
    X(SearchPage, "SearchPage", true, false, Page)              \
    X(SearchURL, "SearchURL", true, false, Page)                \
    X(SearchAssistant, "SearchAssistant", true, false, Page)    \
    X(CustomizeSearch, "CustomizeSearch", true, false, Page)    \
    X(DiscussionPage, "DiscussionPage", true, false, Page)      \
    X(TipsPage, "TipsPage", true, false, Page)                  \
    X(WebThumper, "WebThumper", false, false, Text)             \
    X(ExplorerThumper, "ExplorerThumper", false, false, Text)   \
    X(ShellThumper, "ShellThumper", false, false, Text)         \
    X(TheaterThumper, "TheaterThumper", false, false, Text)     \
    X(OpenIExplore, "OpenIExplore", true, false, Sound)         \
    X(OpenExplorer, "OpenExplorer", true, false, Sound)         \
    X(Activate, "Activate", true, false, Sound)                 \
    X(NewMail, "New_Mail", true, false, Sound)                  \
    X(Navigate, "Navigate", true, false, Sound)                 \
    X(NewAlert, "NewAlert", true, false, Sound)                 \
    X(ContactOnline, "ContactOnline", true, false, Sound)       \
    X(MSMessenger, "MSMessenger", true, false, Sound)           \
    X(NewMessage, "NewMessage", true, false, Sound)             \
    X(MSMBuzzSound, "MSMBuzzSound", true, false, Sound)         \
    X(MSMNewSMS, "MSMNewSMS", true, false, Sound)               \
    X(StyleType, "StyleType", false, false, Text)               \
    X(StyleFile, "StyleFile", true, false, File)                \
    X(StyleBkground, "StyleBkground", true, false, File)        \
    X(StyleAdvert, "StyleAdvert", true, false, File)            \
    X(StyleLogo, "StyleLogo", true, false, File)                \
    X(StyleThumper, "StyleThumper", true, false, File)          \
    X(IgnoreColors, "IgnoreColors", false, false, Text)         \
    X(IgnoreFontStyles, "IgnoreFontStyles", false, false, Text) \
    X(IgnoreFontSizes, "IgnoreFontSizes", false, false, Text)   \
    X(OnlineHelpURL, "OnlineHelpURL", true, true, Page)         \
    X(WUCaption, "WUCaption", false, true, Text)

// The record's texts that no theme file key fills: kept for the designs that use them.
#define VELMORA_RESERVED_TEXTS(X) \
    X(Style)                      \
    X(OETitle) X(OEFrontPage) X(InfoPane) X(ShowInfo) X(ShowSplash) X(StartMessenger) X(HotMail)

enum class ThemeKey {
#define VELMORA_KEY_ENUM(property, name, takesInstallDir, storedOnlyWhenGiven, kind) property,
    VELMORA_THEME_KEYS(VELMORA_KEY_ENUM)
#undef VELMORA_KEY_ENUM
        Count
};

inline constexpr std::size_t kThemeKeyCount = static_cast<std::size_t>(ThemeKey::Count);

}  // namespace velmora
