// Saving the current look: applied, saved, reset and applied again it is the same look, its
// files now beside the saved theme; a value no theme key can give back is named.
#include <gtest/gtest.h>

#include "browser/BrowserDefaults.h"
#include "browser/UndoRecord.h"
#include "store/InstalledThemeStore.h"
#include "tests/support/TestPlatform.h"
#include "theme/SaveCurrentLook.h"
#include "theme/ThemeFileKeys.h"
#include "theme/clsVelmora.h"

namespace velmora::test {
namespace {

using Strings = std::vector<std::string>;

// Every value an apply touches but the titles' mark; moved: a path in C:\A\ read as in C:\B\.
Strings Look(TestPlatform& t, bool moved = false) {
    Strings look;
    for (const TouchedValue& v : TouchedValues()) {
        std::string value = cRegistry(t.platform).ReadRegistry(v.root, v.key, v.name);
        if (moved && value.rfind("C:\\A\\", 0) == 0) value.replace(3, 1, "B");
        if (v.key != InstalledThemeStore::MarkKey()) look.push_back(v.name + "=" + value);
    }
    return look;
}

TEST(SaveCurrentLook, AppliedSavedResetAndAppliedAgainGivesTheSameLook) {
    TestPlatform t;
    // Every key that names a file names one in C:\A, but for the ones set otherwise first.
    MemoryProfile::Keys keys = {{"WebThumper", "No"}, {"StyleType", "0"}, {"IgnoreFontSizes", "1"},
                                {"WUCaption", "None"}, {"BrandSmall", "None"}, {"SearchURL", "http://f/"},
                                {"AniSmall", "%InstallDir%\\Title"}};
    for (const ThemeFileKey& key : kThemeFileKeys) {
        keys.push_back({key.name, std::string("%InstallDir%\\") + key.name});
        t.files.AddFile(std::string("C:\\A\\") + key.name, key.name);
    }
    t.AddTheme("C:\\A\\a.vlr", keys);
    t.Seed(browser::kWebBrowserToolbarKey, browser::kLayoutValue, Bytes(20, 0x08));
    t.files.AddFolder("C:\\B");
    ASSERT_TRUE(clsVelmora(t.platform).ApplyTheme("C:\\A\\a.vlr"));
    const Strings afterA = Look(t, true);

    EXPECT_TRUE(SaveCurrentLook(t.platform, "C:\\B\\b.vlr", "B").notExpressed.empty());
    EXPECT_EQ(t.files.ReadFile("C:\\B\\Navigate"), "Navigate");
    RestoreBrowserDefaults(t.platform);
    // The written file read back, line by line, as the profile functions would.
    const std::string text = *t.files.ReadFile("C:\\B\\b.vlr");
    keys.clear();
    for (std::size_t at = text.find('\n') + 1, end; at < text.size(); at = end + 2) {
        end = text.find("\r\n", at);
        const std::size_t equals = text.find('=', at);
        keys.push_back({text.substr(at, equals - at), text.substr(equals + 1, end - equals - 1)});
    }
    t.profile.SetSection("C:\\B\\b.vlr", "Velmora", keys);
    ASSERT_TRUE(clsVelmora(t.platform).ApplyTheme("C:\\B\\b.vlr"));
    EXPECT_EQ(Look(t), afterA);
}

TEST(SaveCurrentLook, ValuesNoKeyCanGiveBackAreNamed) {
    const std::string main = "HKEY_CURRENT_USER\\" + std::string(browser::kMainKey);
    const std::pair<std::string, std::string> rows[] = {  // start page, why it is not saved
        {" x", "it begins or ends with a blank"}, {std::string(255, 'x'), "it is longer than 254 characters"},
        {std::string(254, 'x'), ""}, {"\"x\"", "it is enclosed in quotation marks"}, {"''", "it is enclosed in quotation marks"}, {"a\nb", "it holds a line break"}};
    for (const auto& [page, sentence] : rows) {
        TestPlatform t;
        t.files.AddFolder("C:\\B");
        t.Seed(browser::kMainKey, browser::kStartPage, page);
        t.Seed(browser::kToolbarKey, browser::kBigBitmap, "C:\\gone.bmp");
        t.Seed(browser::kTipsBarKey, browser::kBarUrl, "http://t");  // the machine has none
        Strings expected = {"BrandLarge: C:\\gone.bmp is missing; the theme names it as it is."};
        if (!sentence.empty()) expected.insert(expected.begin(), main + " \"Start Page\" is not saved: " + sentence + ".");
        EXPECT_EQ(SaveCurrentLook(t.platform, "C:\\B\\b.vlr", "B").notExpressed, expected);
    }
    TestPlatform t;  // no such folder, no folder at all
    for (const char* file : {"C:\\None\\b.vlr", "b.vlr"}) EXPECT_FALSE(SaveCurrentLook(t.platform, file, "B").written);
    // Two files of one name from two folders stay apart beside the theme; one that cannot be
    // copied is named where it is; a layout too short for the throbber flag gives no key.
    t.files.AddFolder("C:\\B");
    t.files.AddFile("C:\\x\\a.bmp", "x"), t.files.AddFile("C:\\y\\a.bmp", "y"), t.files.AddFile("C:\\z\\r.bmp", "z");
    t.files.AddFile("C:\\B\\r.bmp", "", MemoryFileSystem::kReadOnly);
    t.Seed(browser::kToolbarKey, browser::kBigBitmap, "C:\\x\\a.bmp");
    t.Seed(browser::kToolbarKey, browser::kSmallBitmap, "C:\\y\\a.bmp");
    t.Seed(browser::kToolbarKey, browser::kBrandBitmap, "C:\\z\\r.bmp");
    t.Seed(browser::kWebBrowserToolbarKey, browser::kLayoutValue, Bytes(10, 8));
    const SavedLook saved = SaveCurrentLook(t.platform, "C:\\B\\b.vlr", "B");
    EXPECT_EQ(saved.failure + "|" + saved.notExpressed.at(0),
              "|AniLarge: C:\\z\\r.bmp could not be copied; the theme names it where it is.");
    EXPECT_EQ(t.files.ReadFile("C:\\B\\a.bmp").value_or("") + t.files.ReadFile("C:\\B\\2-a.bmp").value_or(""), "xy");
    EXPECT_EQ(t.files.ReadFile("C:\\B\\b.vlr").value_or("WebThumper").find("WebThumper"), std::string::npos);
}

}  // namespace
}  // namespace velmora::test
