// The keys of a theme file, one row each: the record's property it fills (the key's name as
// written in the file, but for "New_Mail" and "LocalPage"), and how its value is treated.
// A new key is one row here and its step in the apply.
#pragma once

#include <cstddef>

namespace velmora {

// X(property, name in the file, takes %InstallDir%, stored only when given), in the order
// the load reads them. "%InstallDir%" in a value that takes it becomes the theme's folder.
// An empty value of a key stored only when given leaves the property as it was, so a help
// link or caption set by an earlier theme survives a theme that does not name one.
#define VELMORA_THEME_KEYS(X)                             \
    X(BackBitmap, "BackBitmap", true, false)              \
    X(WESkin, "WESkin", true, false)                      \
    X(ThemeTitle, "ThemeTitle", false, false)             \
    X(Author, "Author", false, false)                     \
    X(Email, "Email", false, false)                       \
    X(Copyright, "Copyright", false, false)               \
    X(WebSite, "WebSite", false, false)                   \
    X(Description, "Description", false, false)           \
    X(AniLarge, "AniLarge", true, false)                  \
    X(BrandLarge, "BrandLarge", true, false)              \
    X(AniSmall, "AniSmall", true, false)                  \
    X(BrandSmall, "BrandSmall", true, false)              \
    X(Title, "Title", false, false)                       \
    X(HomePage, "HomePage", true, false)                  \
    X(Localpage, "LocalPage", true, false)                \
    X(SearchBar, "SearchBar", true, false)                \
    X(SearchPage, "SearchPage", true, false)              \
    X(SearchURL, "SearchURL", true, false)                \
    X(SearchAssistant, "SearchAssistant", true, false)    \
    X(CustomizeSearch, "CustomizeSearch", true, false)    \
    X(DiscussionPage, "DiscussionPage", true, false)      \
    X(TipsPage, "TipsPage", true, false)                  \
    X(WebThumper, "WebThumper", false, false)             \
    X(ExplorerThumper, "ExplorerThumper", false, false)   \
    X(ShellThumper, "ShellThumper", false, false)         \
    X(TheaterThumper, "TheaterThumper", false, false)     \
    X(OpenIExplore, "OpenIExplore", true, false)          \
    X(OpenExplorer, "OpenExplorer", true, false)          \
    X(Activate, "Activate", true, false)                  \
    X(NewMail, "New_Mail", true, false)                   \
    X(Navigate, "Navigate", true, false)                  \
    X(NewAlert, "NewAlert", true, false)                  \
    X(ContactOnline, "ContactOnline", true, false)        \
    X(MSMessenger, "MSMessenger", true, false)            \
    X(NewMessage, "NewMessage", true, false)              \
    X(MSMBuzzSound, "MSMBuzzSound", true, false)          \
    X(MSMNewSMS, "MSMNewSMS", true, false)                \
    X(StyleType, "StyleType", false, false)               \
    X(StyleFile, "StyleFile", true, false)                \
    X(StyleBkground, "StyleBkground", true, false)        \
    X(StyleAdvert, "StyleAdvert", true, false)            \
    X(StyleLogo, "StyleLogo", true, false)                \
    X(StyleThumper, "StyleThumper", true, false)          \
    X(IgnoreColors, "IgnoreColors", false, false)         \
    X(IgnoreFontStyles, "IgnoreFontStyles", false, false) \
    X(IgnoreFontSizes, "IgnoreFontSizes", false, false)   \
    X(OnlineHelpURL, "OnlineHelpURL", true, true)         \
    X(WUCaption, "WUCaption", false, true)

// The record's texts that no theme file key fills: kept for the designs that use them.
#define VELMORA_RESERVED_TEXTS(X) \
    X(Style)                      \
    X(OETitle) X(OEFrontPage) X(InfoPane) X(ShowInfo) X(ShowSplash) X(StartMessenger) X(HotMail)

enum class ThemeKey {
#define VELMORA_KEY_ENUM(property, name, takesInstallDir, storedOnlyWhenGiven) property,
    VELMORA_THEME_KEYS(VELMORA_KEY_ENUM)
#undef VELMORA_KEY_ENUM
        Count
};

inline constexpr std::size_t kThemeKeyCount = static_cast<std::size_t>(ThemeKey::Count);

}  // namespace velmora
