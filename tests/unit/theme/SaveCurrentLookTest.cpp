// Saving the current look: a theme applied, saved, the look reset and the saved theme applied
// gives every value back (its files now beside the saved theme); values no key can give back
// are named.
#include <gtest/gtest.h>

#include <string>

#include "browser/BrowserDefaults.h"
#include "browser/UndoRecord.h"
#include "store/InstalledThemeStore.h"
#include "tests/support/TestPlatform.h"
#include "theme/SaveCurrentLook.h"
#include "theme/clsVelmora.h"

namespace velmora::test {
namespace {

// The touched values as text, files of the folder from named as if they lay in to.
std::vector<std::string> Look(TestPlatform& t, const std::string& from = "", const std::string& to = "") {
    std::vector<std::string> look;
    for (const TouchedValue& v : TouchedValues()) {
        if (v.key == InstalledThemeStore::MarkKey()) continue;  // the titles differ
        std::string value = cRegistry(t.platform).ReadRegistry(v.root, v.key, v.name);
        if (!from.empty() && value.rfind(from, 0) == 0) value = to + value.substr(from.size());
        look.push_back(v.key + "|" + v.name + "=" + value);
    }
    return look;
}

// Applies the theme file written at path, read back line by line.
void ApplyWritten(TestPlatform& t, const std::string& path) {
    const std::string text = t.files.ReadFile(path).value_or("");
    MemoryProfile::Keys keys;
    for (std::size_t at = text.find('\n') + 1, end; at < text.size(); at = end + 2) {
        end = text.find("\r\n", at);
        const std::string line = text.substr(at, end - at);
        keys.push_back({line.substr(0, line.find('=')), line.substr(line.find('=') + 1)});
    }
    t.profile.SetSection(path, "Velmora", keys);
    ASSERT_TRUE(clsVelmora(t.platform).ApplyTheme(path));
}

TEST(SaveCurrentLook, AppliedSavedResetAndAppliedAgainGivesTheSameLook) {
    TestPlatform t;
    MemoryProfile::Keys keys = {{"ThemeTitle", "A"}, {"WebThumper", "No"}, {"StyleType", "0"},
                                {"IgnoreFontSizes", "1"}, {"WUCaption", "None"}, {"BrandSmall", "None"},
                                {"SearchURL", "http://find/?q="}, {"TipsPage", "http://tips/"}};
    for (const char* name : {"BackBitmap", "WESkin", "AniLarge", "BrandLarge", "AniSmall", "Title",
                             "HomePage", "LocalPage", "SearchBar", "SearchPage", "SearchAssistant",
                             "CustomizeSearch", "DiscussionPage", "OpenIExplore", "OpenExplorer",
                             "Activate", "New_Mail", "Navigate", "NewAlert", "ContactOnline",
                             "MSMessenger", "NewMessage", "StyleFile", "OnlineHelpURL"}) {
        keys.push_back({name, std::string("%InstallDir%\\") + name});
        t.files.AddFile(std::string("C:\\A\\") + name, name);
    }
    keys.push_back({"AniSmall", "%InstallDir%\\AniLarge"});  // one file named twice, copied once
    t.AddTheme("C:\\A\\a.vlr", keys);
    t.Seed(browser::kWebBrowserToolbarKey, browser::kLayoutValue, Bytes(20, 0x08));
    t.files.AddFolder("C:\\B");
    ASSERT_TRUE(clsVelmora(t.platform).ApplyTheme("C:\\A\\a.vlr"));
    const std::vector<std::string> afterA = Look(t, "C:\\A\\", "C:\\B\\");

    const SavedLook saved = SaveCurrentLook(t.platform, "C:\\B\\b.vlr", "B");
    EXPECT_TRUE(saved.written);
    EXPECT_EQ(saved.notExpressed, std::vector<std::string>{});
    EXPECT_EQ(t.files.ReadFile("C:\\B\\Navigate"), "Navigate");
    RestoreBrowserDefaults(t.platform);
    ApplyWritten(t, "C:\\B\\b.vlr");
    EXPECT_EQ(Look(t), afterA);
    EXPECT_EQ(t.files.ReadFile("C:\\B\\b.vlr")->substr(0, 61),
              "[Velmora]\r\nThemeTitle=B\r\nBackBitmap=%InstallDir%\\BackBitmap\r\n");
}

TEST(SaveCurrentLook, ValuesNoKeyCanGiveBackAreNamed) {
    struct Row {
        const char* key;
        const char* name;
        std::string value;
        std::string sentence;  // empty: saved as it is
    };
    const std::string main = "HKEY_CURRENT_USER\\" + std::string(browser::kMainKey);
    const Row rows[] = {
        {browser::kMainKey, browser::kWindowTitle, " Padded", main + " \"Window Title\" is not saved: it begins or ends with a blank."},
        {browser::kMainKey, browser::kStartPage, std::string(255, 'x'), main + " \"Start Page\" is not saved: it is longer than 254 characters."},
        {browser::kMainKey, browser::kStartPage, std::string(254, 'x'), ""},
        {browser::kMainKey, browser::kLocalPage, "\"C:\\x\"", main + " \"Local Page\" is not saved: it is enclosed in quotation marks."},
        {browser::kMainKey, browser::kSearchBar, "a\nb", main + " \"Search Bar\" is not saved: it holds a line break."},
        {browser::kToolbarKey, browser::kBrandBitmap, "", "HKEY_CURRENT_USER\\" + std::string(browser::kToolbarKey) + " \"BrandBitmap\" is empty, which no theme can set."},
        {browser::kToolbarKey, browser::kBigBitmap, "C:\\gone.bmp", "BrandLarge: C:\\gone.bmp is missing; the theme names it as it is."},
        {browser::kTipsBarKey, browser::kBarUrl, "http://mine/", "The machine's tips page http://machine/ differs from this user's; a theme sets both to one page."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        TestPlatform t;
        t.files.AddFolder("C:\\B");
        t.Seed(browser::kTipsBarKey, browser::kBarUrl, "http://machine/", kHkeyLocalMachine);
        t.Seed(row.key, row.name, row.value);
        const SavedLook saved = SaveCurrentLook(t.platform, "C:\\B\\b.vlr", "B");
        EXPECT_EQ(saved.notExpressed, row.sentence.empty() ? std::vector<std::string>{}
                                                           : std::vector<std::string>{row.sentence});
    }
    TestPlatform t;
    const SavedLook saved = SaveCurrentLook(t.platform, "C:\\None\\b.vlr", "B");  // no such folder
    EXPECT_FALSE(saved.written);
    EXPECT_FALSE(saved.failure.empty());
}

}  // namespace
}  // namespace velmora::test
