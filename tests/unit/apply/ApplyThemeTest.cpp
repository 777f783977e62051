// The apply: where every theme value lands, the switch that gates it, machine writes Windows
// refuses, and the rules of each area for words such as "None" and for values left out.
#include <gtest/gtest.h>

#include "tests/support/TestPlatform.h"
#include "theme/clsVelmora.h"
#include "store/InstalledThemeStore.h"
#include "browser/BrowserSettings.h"

namespace velmora::test {
namespace {

using namespace browser;
constexpr char kThemeFile[] = "C:\\Themes\\Blue\\blue.vlr";

// Refuses the machine's keys once locked, as Windows does for a user without rights to them.
struct LockableRegistry : MemoryRegistry {
    long CreateKey(RegHandle key, const std::string& subKey, RegHandle* result) override {
        if (locked && key == kHkeyLocalMachine) return kErrorAccessDenied;
        return MemoryRegistry::CreateKey(key, subKey, result);
    }
    bool locked = false;
};

TEST(ApplyThemeTest, EveryValueLandsInItsPlaceEachSwitchGatesItsOwnAndRefusalsDoNotStopIt) {
    const RegRoot user = kHkeyCurrentUser, machine = kHkeyLocalMachine;
    const auto skin = &clsVelmora::SetApply_ToolbarSkin, throb = &clsVelmora::SetApply_Throbbers,
               home = &clsVelmora::SetApply_HomePage, find = &clsVelmora::SetApply_SearchBar,
               sounds = &clsVelmora::SetApply_Sounds, tips = &clsVelmora::SetApply_TipsPage,
               styles = &clsVelmora::SetApply_StyleExtension;
    using Switch = void (clsVelmora::*)(bool);
    // Where the apply writes the text of each theme key, and the switch that leaves it alone.
    const struct {
        RegRoot root;
        std::string key;
        const char *name, *themeKey;
        Switch gate;  // null: no switch
    } rows[] = {
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
        {user, kTipsBarKey, kBarUrl, "TipsPage", tips},
        {machine, kTipsBarKey, kBarUrl, "TipsPage", nullptr},
        {user, kStylesKey, kUserStyleSheet, "StyleFile", styles},
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
    // A theme that gives every value of the table a text of its own.
    const auto text = [](const char* themeKey) { return std::string("C:\\x\\") + themeKey; };
    MemoryProfile::Keys theme;
    for (const auto& row : rows) theme.emplace_back(row.themeKey, text(row.themeKey));
    const std::pair<Switch, bool> cases[] = {  // the switch turned off, the machine locked
        {nullptr, false}, {skin, false},   {throb, false},  {home, false},
        {tips, false},    {find, false},   {styles, false}, {sounds, false},
        {&clsVelmora::SetApply_InfoPage, false},  // gates nothing
        {nullptr, true}};
    for (const auto& [off, locked] : cases) {
        TestPlatform t;
        LockableRegistry registry;
        t.platform.registry = &registry;
        t.AddTheme(kThemeFile, theme);
        for (const auto& row : rows) t.Seed(row.key, row.name, "old", row.root);
        registry.locked = locked;
        clsVelmora record(t.platform);
        if (off) (record.*off)(false);
        EXPECT_TRUE(record.ApplyTheme(kThemeFile));
        registry.locked = false;
        for (const auto& row : rows) {
            const bool left = (off && row.gate == off) || (locked && row.root == machine);
            EXPECT_EQ(t.Read(row.key, row.name, row.root), left ? "old" : text(row.themeKey))
                << row.key << " " << row.name << (locked ? " locked" : "");
        }
        EXPECT_TRUE(registry.OpenHandles() == 0 && t.dialogs.shown.empty());
    }
}

TEST(ApplyThemeTest, NoneDeletesAPictureEmptiesTheCaptionAndAnEmptyValueLeavesTheSetting) {
    // clang-format off
    const struct {
        MemoryProfile::Keys theme;
        const char *key, *name, *before, *after;
    } rows[] = {
        {{{"BrandSmall", "NONE"}}, kToolbarKey, kSmallBitmap, "C:\\old.bmp", "Not Found"},
        {{{"BrandLarge", ""}}, kToolbarKey, kBigBitmap, "C:\\old.bmp", "C:\\old.bmp"},
        {{{"WUCaption", "None"}}, kPoliciesKey, kWindowsUpdateMenuText, "Update", ""},
        {{{"WUCaption", ""}}, kPoliciesKey, kWindowsUpdateMenuText, "Update", "Update"},
        {{{"HomePage", ""}}, kMainKey, kStartPage, "http://mine/", "http://mine/"},
        // The stylesheet's file and switch are always written: "0" and "1" switch it on.
        {{}, kStylesKey, kUserStyleSheet, "C:\\earlier.css", ""},
        {{{"StyleType", "0"}}, kStylesKey, kUseMyStylesheet, "x", "00000001"},
        {{{"StyleType", "1"}}, kStylesKey, kUseMyStylesheet, "x", "00000001"},
        {{{"StyleType", "2"}}, kStylesKey, kUseMyStylesheet, "x", "00000000"},
        {{{"StyleType", "01"}}, kStylesKey, kUseMyStylesheet, "x", "00000000"},
        // The overrides are only ever switched on, by exactly "1".
        {{{"IgnoreColors", "1"}}, kSettingsKey, kAlwaysUseMyColors, "x", "00000001"},
        {{{"IgnoreFontStyles", "1"}}, kSettingsKey, kAlwaysUseMyFontFace, "x", "00000001"},
        {{{"IgnoreFontSizes", "1"}}, kSettingsKey, kAlwaysUseMyFontSize, "x", "00000001"},
        {{{"IgnoreColors", "yes"}}, kSettingsKey, kAlwaysUseMyColors, "x", "x"},
        {{{"IgnoreFontSizes", "0"}}, kSettingsKey, kAlwaysUseMyFontSize, "00000001", "00000001"},
    };
    // clang-format on
    for (const auto& row : rows) {
        TestPlatform t;
        t.AddTheme(kThemeFile, row.theme);
        t.Seed(row.key, row.name, row.before);
        ASSERT_TRUE(clsVelmora(t.platform).ApplyTheme(kThemeFile));
        EXPECT_EQ(t.Read(row.key, row.name), row.after) << row.name;
    }
}

}  // namespace
}  // namespace velmora::test
