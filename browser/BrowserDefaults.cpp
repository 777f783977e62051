// The no-theme reset: the browser's own settings back for the current user.
#include "browser/BrowserDefaults.h"

#include <string>
#include <vector>

#include "browser/Repairs.h"
#include "registry/cRegistry.h"
#include "store/InstalledThemeStore.h"
#include "browser/BrowserSettings.h"

namespace velmora {

namespace {

// Copies a machine-wide page into the user's value; a machine without it leaves the user's
// value alone rather than writing "Not Found" where the browser expects an address.
void CopyMachineValue(cRegistry& registry, const char* userKey, const char* userName,
                      const char* machineName) {
    const std::string value =
        registry.ReadRegistry(kHkeyLocalMachine, browser::kMainKey, machineName);
    if (IsNotFound(value)) return;
    registry.WriteRegistry(kHkeyCurrentUser, userKey, userName, kRegSz, value);
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
    CopyMachineValue(registry, browser::kSearchUrlKey, "", browser::kDefaultSearchUrl);
    CopyMachineValue(registry, browser::kMainKey, browser::kLocalPage, browser::kLocalPage);
    CopyMachineValue(registry, browser::kMainKey, browser::kSearchBar, browser::kSearchBar);
    CopyMachineValue(registry, browser::kMainKey, browser::kSearchPage, browser::kSearchPage);
    for (const char* key : browser::kResetSoundKeys) registry.DeleteSubkey(kHkeyCurrentUser, key);
    SetThrobbers(platform, true);
}

}  // namespace velmora
