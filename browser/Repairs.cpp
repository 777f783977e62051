// The one-click repairs of the browser's settings for the current user, and the single
// settings the windows and file actions change.
#include "browser/Repairs.h"

#include <cstdlib>
#include <optional>
#include <vector>

#include "browser/BrowserSettings.h"
#include "browser/DefaultToolbarLayout.h"
#include "browser/ThrobberFlag.h"
#include "registry/SameText.h"
#include "registry/cRegistry.h"

namespace velmora {

namespace {

// A stored DWORD 0, as the registry class reads it.
constexpr char kDwordZero[] = "00000000";

struct LayoutValue {
    const char* key;
    const char* name;
};
// The browser, theater, shell and explorer layouts, in the order the throbber switch visits
// them.
constexpr LayoutValue kThrobberLayouts[] = {
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

// The text as a number, as the registry class gives a DWORD ("00000001"); nothing when it is
// no number (for example "Not Found", or the hexadecimal pairs of a binary value).
std::optional<double> NumericValue(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    const std::string trimmed = text.substr(first, text.find_last_not_of(' ') - first + 1);
    std::size_t i = trimmed[0] == '+' || trimmed[0] == '-' ? 1 : 0;
    bool digits = false, point = false;
    for (; i < trimmed.size(); ++i) {
        const char c = trimmed[i];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    return std::strtod(trimmed.c_str(), nullptr);
}

}  // namespace

void SetThrobbers(const Platform& platform, bool on) {
    cRegistry registry(platform);
    for (const LayoutValue& layout : kThrobberLayouts) {
        // A value that cannot be read or written is skipped.
        try {
            std::vector<std::uint8_t> bytes =
                registry.ReadRegistryByte(kHkeyCurrentUser, layout.key, layout.name);
            // A missing value is judged by the thick default, which shows the throbber:
            // clearing the flag creates it, setting it does not.
            if (bytes.empty()) bytes = DefaultToolbarLayout(kThickLayout);
            if (SetThrobberFlag(bytes, on))
                registry.WriteRegistry(kHkeyCurrentUser, layout.key, layout.name, kRegBinary,
                                       bytes);
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
    registry.WriteRegistry(kHkeyCurrentUser, browser::kToolbarKey, browser::kToolbarsLocked,
                           kRegDword, std::int64_t{1});
}

void ForgetWindowPlacement(const Platform& platform) {
    cRegistry registry(platform);
    registry.DeleteValue(kHkeyCurrentUser, browser::kMainKey, browser::kWindowPlacement);
    registry.DeleteValue(kHkeyCurrentUser, browser::kOldWorkAreasKey, browser::kOldWorkAreaRects);
}

bool StylesheetSwitchOn(const Platform& platform) {
    const std::optional<double> value = NumericValue(cRegistry(platform).ReadRegistry(
        kHkeyCurrentUser, browser::kStylesKey, browser::kUseMyStylesheet));
    return value && *value != 0;
}

void SwitchStylesheet(const Platform& platform) {
    const bool on = StylesheetSwitchOn(platform);
    cRegistry(platform).WriteRegistry(kHkeyCurrentUser, browser::kStylesKey,
                                      browser::kUseMyStylesheet, kRegDword,
                                      std::int64_t{on ? 0 : 1});
}

void SetClickSound(const Platform& platform, const std::string& wavFile) {
    cRegistry(platform).WriteRegistry(kHkeyCurrentUser, browser::kSoundNavigating, "", kRegSz,
                                      wavFile);
}

void SetStartPage(const Platform& platform, const std::string& page) {
    cRegistry(platform).WriteRegistry(kHkeyCurrentUser, browser::kMainKey, browser::kStartPage,
                                      kRegSz, page);
}

bool HomePageLocked(const Platform& platform) {
    const std::string lock = cRegistry(platform).ReadRegistry(
        kHkeyCurrentUser, browser::kControlPanelPolicyKey, browser::kHomePageLock);
    return !SameText(lock, kDwordZero) && !IsNotFound(lock);
}

void LockHomePage(const Platform& platform, bool locked) {
    cRegistry registry(platform);
    const std::int64_t value = locked ? 1 : 0;
    for (const char* name : {browser::kHomePageLock, browser::kGeneralTab})
        registry.WriteRegistry(kHkeyCurrentUser, browser::kControlPanelPolicyKey, name, kRegDword,
                               value);
}

void SetToolbarBackground(const Platform& platform, const std::string& bitmap) {
    cRegistry registry(platform);
    for (const char* name : {browser::kExplorerBackBitmap, browser::kBrowserBackBitmap})
        registry.WriteRegistry(kHkeyCurrentUser, browser::kToolbarKey, name, kRegSz,
                               RegValue{bitmap});
}

}  // namespace velmora
