// Putting the browser's own settings back for the current user: the no-theme reset, the
// default toolbar layouts and the forgotten window placement.
#include "mainwindow/BrowserDefaults.h"

#include <string>
#include <vector>

#include "mainwindow/DefaultToolbarLayout.h"
#include "registry/IsBitSet.h"
#include "registry/cRegistry.h"
#include "store/InstalledThemeStore.h"
#include "theme/BrowserSettings.h"

namespace velmora {

namespace {

constexpr char kDefaultValue[] = "";
constexpr char kDefaultSearchUrl[] = "Default_Search_URL";
constexpr char kLocked[] = "Locked";
constexpr char kWindowPlacement[] = "window_placement";
constexpr char kOldWorkAreasKey[] = "Software\\Microsoft\\Internet Explorer\\Desktop\\oldWorkAreas";
constexpr char kOldWorkAreaRects[] = "OldWorkAreaRects";
// IsBitSet counts bits from 1: bit 4 is the one of value 8, the throbber flag.
constexpr std::int16_t kThrobberFlagBit = 4;

// The sound events a theme sets that the reset gives back to the scheme, current and default.
constexpr const char* kSoundKeys[] = {
    "AppEvents\\Schemes\\Apps\\Explorer\\ActivatingDocument\\.current",
    "AppEvents\\Schemes\\Apps\\Explorer\\ActivatingDocument\\.default",
    "AppEvents\\Schemes\\Apps\\Explorer\\Navigating\\.current",
    "AppEvents\\Schemes\\Apps\\Explorer\\Navigating\\.default",
    "AppEvents\\Schemes\\Apps\\IExplore\\Open\\.current",
    "AppEvents\\Schemes\\Apps\\IExplore\\Open\\.default",
};

struct LayoutValue {
    const char* key;
    const char* name;
};
// The browser, theater, shell and explorer layouts, in the order the throbber switch visits
// them.
constexpr LayoutValue kResetLayouts[] = {
    {browser::kWebBrowserToolbarKey, browser::kLayoutValue},
    {browser::kToolbarKey, browser::kTheaterLayoutValue},
    {browser::kShellBrowserToolbarKey, browser::kLayoutValue},
    {browser::kExplorerToolbarKey, browser::kLayoutValue},
};
// The same four in the order the layout reset writes them.
constexpr LayoutValue kDefaultLayouts[] = {
    {browser::kToolbarKey, browser::kTheaterLayoutValue},
    {browser::kWebBrowserToolbarKey, browser::kLayoutValue},
    {browser::kShellBrowserToolbarKey, browser::kLayoutValue},
    {browser::kExplorerToolbarKey, browser::kLayoutValue},
};

// Copies a machine-wide page into the user's value; a machine without it leaves the user's
// value alone rather than writing "Not Found" where the browser expects an address.
void CopyMachineValue(cRegistry& registry, const char* userKey, const char* userName,
                      const char* machineName) {
    const std::string value =
        registry.ReadRegistry(kHkeyLocalMachine, browser::kMainKey, machineName);
    if (IsNotFound(value)) return;
    registry.WriteRegistry(kHkeyCurrentUser, userKey, userName, kRegSz, value);
}

// Sets or clears the throbber flag of one layout. A missing value is judged by the thick
// default, which shows the throbber: clearing the flag creates it, setting it does not.
void SetThrobberFlag(cRegistry& registry, const LayoutValue& layout, bool on) {
    std::vector<std::uint8_t> bytes =
        registry.ReadRegistryByte(kHkeyCurrentUser, layout.key, layout.name);
    if (bytes.empty()) bytes = DefaultToolbarLayout(kThickLayout);
    // Fewer than 17 stored bytes (plus the spare element): there is no flag byte to change.
    if (bytes.size() < browser::kThrobberFlagOffset + 2) return;
    std::uint8_t& flags = bytes[browser::kThrobberFlagOffset];
    if ((IsBitSet(flags, kThrobberFlagBit) != 0) == on) return;
    flags = static_cast<std::uint8_t>(on ? flags + browser::kThrobberFlag
                                         : flags - browser::kThrobberFlag);
    registry.WriteRegistry(kHkeyCurrentUser, layout.key, layout.name, kRegBinary, bytes);
}

}  // namespace

void RestoreBrowserDefaults(const Platform& platform) {
    cRegistry registry(platform);
    for (const char* picture :
         {browser::kExplorerBackBitmap, browser::kBrowserBackBitmap, browser::kBigBitmap,
          browser::kBrandBitmap, browser::kSmallBitmap, browser::kSmBrandBitmap}) {
        registry.DeleteValue(kHkeyCurrentUser, browser::kToolbarKey, picture);
    }
    InstalledThemeStore(platform).WriteMark(kNoThemeEntry);
    registry.WriteRegistry(kHkeyCurrentUser, browser::kStylesKey, browser::kUserStyleSheet, kRegSz,
                           std::string());
    registry.WriteRegistry(kHkeyCurrentUser, browser::kStylesKey, browser::kUseMyStylesheet,
                           kRegDword, std::int64_t{0});
    CopyMachineValue(registry, browser::kMainKey, browser::kStartPage, browser::kStartPage);
    registry.WriteRegistry(kHkeyCurrentUser, browser::kMainKey, browser::kWindowTitle, kRegSz,
                           std::string());
    CopyMachineValue(registry, browser::kSearchUrlKey, kDefaultValue, kDefaultSearchUrl);
    CopyMachineValue(registry, browser::kMainKey, browser::kLocalPage, browser::kLocalPage);
    CopyMachineValue(registry, browser::kMainKey, browser::kSearchBar, browser::kSearchBar);
    CopyMachineValue(registry, browser::kMainKey, browser::kSearchPage, browser::kSearchPage);
    for (const char* key : kSoundKeys) registry.DeleteSubkey(kHkeyCurrentUser, key);
    SetThrobbers(platform, true);
}

void SetThrobbers(const Platform& platform, bool on) {
    cRegistry registry(platform);
    for (const LayoutValue& layout : kResetLayouts) {
        // A value that cannot be read or written is skipped.
        try {
            SetThrobberFlag(registry, layout, on);
        } catch (...) {
        }
    }
}

void WriteDefaultToolbarLayouts(const Platform& platform, std::int16_t kind) {
    cRegistry registry(platform);
    const std::vector<std::uint8_t> layout = DefaultToolbarLayout(kind);
    for (const LayoutValue& value : kDefaultLayouts) {
        registry.WriteRegistry(kHkeyCurrentUser, value.key, value.name, kRegBinary, layout);
    }
    registry.WriteRegistry(kHkeyCurrentUser, browser::kToolbarKey, kLocked, kRegDword,
                           std::int64_t{1});
}

void ForgetWindowPlacement(const Platform& platform) {
    cRegistry registry(platform);
    registry.DeleteValue(kHkeyCurrentUser, browser::kMainKey, kWindowPlacement);
    registry.DeleteValue(kHkeyCurrentUser, kOldWorkAreasKey, kOldWorkAreaRects);
}

}  // namespace velmora
