// Where the apply writes the text of each theme key, and the switch that gates it: the table
// the native apply tests and the end-to-end apply of the Ocean sample both check.
#pragma once

#include <string>
#include <vector>

#include "platform/RegistryApi.h"
#include "theme/clsVelmora.h"

namespace velmora::test {

struct ThemeValueRow {
    RegRoot root;
    std::string key;
    const char* name;
    const char* themeKey;
    void (clsVelmora::*gate)(bool);  // the switch that leaves the value alone; null: none
};

inline const std::vector<ThemeValueRow>& ThemeValueRows() {
    const RegRoot user = kHkeyCurrentUser, machine = kHkeyLocalMachine;
    const std::string ie = "Software\\Microsoft\\Internet Explorer\\";
    const std::string clsid = "SOFTWARE\\CLASSES\\CLSID\\";
    const std::string tips =
        clsid + "{4D5C8C25-D075-11d0-B416-00C04FB90376}\\Instance\\InitPropertyBag";
    const std::string search = "SOFTWARE\\Microsoft\\Internet Explorer\\Search";
    const std::string apps = "AppEvents\\Schemes\\Apps\\";
    const auto skin = &clsVelmora::SetApply_ToolbarSkin, throb = &clsVelmora::SetApply_Throbbers,
               home = &clsVelmora::SetApply_HomePage, find = &clsVelmora::SetApply_SearchBar,
               style = &clsVelmora::SetApply_StyleExtension, sounds = &clsVelmora::SetApply_Sounds;
    static const std::vector<ThemeValueRow> rows = {
        {user, ie + "Toolbar", "BackBitmap", "WESkin", skin},
        {user, ie + "Toolbar", "BackBitmapIE5", "BackBitmap", skin},
        {user, ie + "Toolbar", "BigBitmap", "BrandLarge", throb},
        {user, ie + "Toolbar", "BrandBitmap", "AniLarge", throb},
        {user, ie + "Toolbar", "SmallBitmap", "BrandSmall", throb},
        {user, ie + "Toolbar", "SmBrandBitmap", "AniSmall", throb},
        {user, ie + "Main", "Window Title", "Title", home},
        {user, ie + "Main", "Start Page", "HomePage", home},
        {user, ie + "Main", "Local Page", "LocalPage", home},
        {user, ie + "Main", "Search Page", "SearchPage", find},
        {user, ie + "Main", "Search Bar", "SearchBar", find},
        {user, ie + "SearchUrl", "", "SearchURL", find},
        {machine, search, "SearchAssistant", "SearchAssistant", find},
        {machine, search, "CustomizeSearch", "CustomizeSearch", find},
        {machine, clsid + "{BDEADE7F-C265-11D0-BCED-00A0C90AB50F}\\Instance\\InitPropertyBag",
         "Url", "DiscussionPage", nullptr},
        // The tips page goes to both tips-bar keys; only the user's is switched.
        {user, tips, "Url", "TipsPage", &clsVelmora::SetApply_TipsPage},
        {machine, tips, "Url", "TipsPage", nullptr},
        {user, ie + "Styles", "User StyleSheet", "StyleFile", style},
        // The two program-open events cross over.
        {user, apps + "Explorer\\Open\\.current", "", "OpenIExplore", sounds},
        {user, apps + "IExplore\\Open\\.current", "", "OpenExplorer", sounds},
        {user, apps + "Explorer\\Navigating\\.current", "", "Navigate", sounds},
        {user, apps + "Explorer\\ActivatingDocument\\.current", "", "Activate", sounds},
        {user, apps + ".Default\\MailBeep\\.Current", "", "New_Mail", sounds},
        {user, apps + "MSNMSGR\\MSNMSGR_ContactOnline\\.Current", "", "ContactOnline", sounds},
        {user, apps + "MSNMSGR\\MSNMSGR_NewAlert\\.Current", "", "NewAlert", sounds},
        {user, apps + "MSNMSGR\\MSNMSGR_NewMail\\.Current", "", "MSMessenger", sounds},
        {user, apps + "MSNMSGR\\MSNMSGR_NewMessage\\.Current", "", "NewMessage", sounds},
        {machine, "SOFTWARE\\Microsoft\\Internet Explorer\\Help_Menu_Urls", "Online_Support",
         "OnlineHelpURL", nullptr},
        {user, "Software\\Policies\\Microsoft\\Internet Explorer", "Windows Update Menu Text",
         "WUCaption", nullptr},
        {user, "Software\\Tolvane\\Quenmark\\Velmoras\\.Current", "", "ThemeTitle", nullptr},
    };
    return rows;
}

}  // namespace velmora::test
