// Where the apply writes the text of each theme key, and the switch that leaves it alone:
// the table the native apply tests and the end-to-end apply of the Ocean sample both check.
#pragma once

#include <string>
#include <vector>

#include "platform/RegistryApi.h"
#include "store/InstalledThemeStore.h"
#include "browser/BrowserSettings.h"
#include "theme/clsVelmora.h"

namespace velmora::test {

struct ThemeValueRow {
    RegRoot root;
    std::string key;
    const char* name;
    const char* themeKey;
    void (clsVelmora::*gate)(bool);  // null: no switch
};

inline const std::vector<ThemeValueRow>& ThemeValueRows() {
    using namespace browser;
    const RegRoot user = kHkeyCurrentUser, machine = kHkeyLocalMachine;
    const auto skin = &clsVelmora::SetApply_ToolbarSkin, throb = &clsVelmora::SetApply_Throbbers,
               home = &clsVelmora::SetApply_HomePage, find = &clsVelmora::SetApply_SearchBar,
               sounds = &clsVelmora::SetApply_Sounds;
    static const std::vector<ThemeValueRow> rows = {
        {user, kToolbarKey, kExplorerBackBitmap, "WESkin", skin},
        {user, kToolbarKey, kBrowserBackBitmap, "BackBitmap", skin},
        {user, kToolbarKey, kBigBitmap, "BrandLarge", throb},
        {user, kToolbarKey, kBrandBitmap, "AniLarge", throb},
        {user, kToolbarKey, kSmallBitmap, "BrandSmall", throb},
        {user, kToolbarKey, kSmBrandBitmap, "AniSmall", throb},
        {user, kMainKey, kWindowTitle, "Title", home},
        {user, kMainKey, kStartPage, "HomePage", home},
        {user, kMainKey, kLocalPage, "LocalPage", home},
        {user, kMainKey, kSearchPage, "SearchPage", find},
        {user, kMainKey, kSearchBar, "SearchBar", find},
        {user, kSearchUrlKey, "", "SearchURL", find},
        {machine, kMachineSearchKey, kSearchAssistant, "SearchAssistant", find},
        {machine, kMachineSearchKey, kCustomizeSearch, "CustomizeSearch", find},
        {machine, kDiscussionBarKey, kBarUrl, "DiscussionPage", nullptr},
        // The tips page goes to both tips-bar keys; only the user's is switched.
        {user, kTipsBarKey, kBarUrl, "TipsPage", &clsVelmora::SetApply_TipsPage},
        {machine, kTipsBarKey, kBarUrl, "TipsPage", nullptr},
        {user, kStylesKey, kUserStyleSheet, "StyleFile", &clsVelmora::SetApply_StyleExtension},
        // The two program-open events cross over.
        {user, kSoundExplorerOpen, "", "OpenIExplore", sounds},
        {user, kSoundBrowserOpen, "", "OpenExplorer", sounds},
        {user, kSoundNavigating, "", "Navigate", sounds},
        {user, kSoundActivatingDocument, "", "Activate", sounds},
        {user, kSoundMailBeep, "", "New_Mail", sounds},
        {user, kSoundContactOnline, "", "ContactOnline", sounds},
        {user, kSoundNewAlert, "", "NewAlert", sounds},
        {user, kSoundMessengerMail, "", "MSMessenger", sounds},
        {user, kSoundNewMessage, "", "NewMessage", sounds},
        {machine, kHelpMenuUrlsKey, kOnlineSupport, "OnlineHelpURL", nullptr},
        {user, kPoliciesKey, kWindowsUpdateMenuText, "WUCaption", nullptr},
        {user, InstalledThemeStore::MarkKey(), "", "ThemeTitle", nullptr},
    };
    return rows;
}

}  // namespace velmora::test
