// The theme record: start values, the two write rules, and the load from a theme file (keys,
// folder placeholder, kept keys, bad input).
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/MemoryProfile.h"
#include "theme/clsVelmora.h"

namespace velmora::test {
namespace {

using namespace std::string_literals;

constexpr char kFile[] = "C:\\Themes\\Blue\\blue.vlr";
constexpr char kFolder[] = "C:\\Themes\\Blue";

struct Text {
    const char* name;
    const char* key;   // its key in the theme file; null when no key fills it
    bool placeholder;  // "%InstallDir%" in the key's value becomes the theme's folder
    std::string (clsVelmora::*read)() const;
};
struct Switch {
    const char* name;
    bool (clsVelmora::*read)() const;
};

#define TEXT(name, key, placeholder) \
    { #name, key, placeholder, &clsVelmora::name }
#define KEY(name, placeholder) TEXT(name, #name, placeholder)
#define SWITCH(name) \
    { #name, &clsVelmora::name }
constexpr bool kDir = true;
constexpr bool kAsIs = false;

// Every text property but InstallDir: first the file's keys in reading order, then the texts
// no key fills. Written out by hand so that a slip in the record's accessors or in the load's
// key table cannot hide here.
// clang-format off
const Text kTexts[] = {
    KEY(BackBitmap, kDir), KEY(WESkin, kDir), KEY(ThemeTitle, kAsIs), KEY(Author, kAsIs),
    KEY(Email, kAsIs), KEY(Copyright, kAsIs), KEY(WebSite, kAsIs), KEY(Description, kAsIs),
    KEY(AniLarge, kDir), KEY(BrandLarge, kDir), KEY(AniSmall, kDir), KEY(BrandSmall, kDir),
    KEY(Title, kAsIs), KEY(HomePage, kDir), TEXT(Localpage, "LocalPage", kDir),
    KEY(SearchBar, kDir), KEY(SearchPage, kDir), KEY(SearchURL, kDir), KEY(SearchAssistant, kDir),
    KEY(CustomizeSearch, kDir), KEY(DiscussionPage, kDir), KEY(TipsPage, kDir),
    KEY(WebThumper, kAsIs), KEY(ExplorerThumper, kAsIs), KEY(ShellThumper, kAsIs),
    KEY(TheaterThumper, kAsIs), KEY(OpenIExplore, kDir), KEY(OpenExplorer, kDir),
    KEY(Activate, kDir), TEXT(NewMail, "New_Mail", kDir), KEY(Navigate, kDir), KEY(NewAlert, kDir),
    KEY(ContactOnline, kDir), KEY(MSMessenger, kDir), KEY(NewMessage, kDir),
    KEY(MSMBuzzSound, kDir), KEY(MSMNewSMS, kDir), KEY(StyleType, kAsIs), KEY(StyleFile, kDir),
    KEY(StyleBkground, kDir), KEY(StyleAdvert, kDir), KEY(StyleLogo, kDir), KEY(StyleThumper, kDir),
    KEY(IgnoreColors, kAsIs), KEY(IgnoreFontStyles, kAsIs), KEY(IgnoreFontSizes, kAsIs),
    KEY(OnlineHelpURL, kDir), KEY(WUCaption, kAsIs), TEXT(OEFrontPage, nullptr, kAsIs),
    TEXT(Style, nullptr, kAsIs), TEXT(InfoPane, nullptr, kAsIs), TEXT(ShowInfo, nullptr, kAsIs),
    TEXT(OETitle, nullptr, kAsIs), TEXT(ShowSplash, nullptr, kAsIs),
    TEXT(StartMessenger, nullptr, kAsIs), TEXT(HotMail, nullptr, kAsIs)};
// clang-format on

const Switch kSwitches[] = {SWITCH(Apply_StyleExtension), SWITCH(Apply_HomePage),
                            SWITCH(Apply_SearchBar),      SWITCH(Apply_Sounds),
                            SWITCH(Apply_ToolbarSkin),    SWITCH(Apply_Throbbers),
                            SWITCH(Apply_TipsPage),       SWITCH(Apply_InfoPage)};

// --- The record -------------------------------------------------------------------------------

TEST(clsVelmora, ANewRecordHasEveryTextEmptyAndEverySwitchOn) {
    const clsVelmora theme{Platform{}};
    EXPECT_EQ(std::size(kTexts), 56u);  // 57 texts less InstallDir
    for (const Text& p : kTexts) EXPECT_EQ((theme.*p.read)(), "") << p.name;
    EXPECT_EQ(theme.InstallDir(), "");
    for (const Switch& s : kSwitches) EXPECT_TRUE((theme.*s.read)()) << s.name;
}

TEST(clsVelmora, AnEmptyTitleIsUntitledAndInstallDirKeepsWhatIsBeforeTheLastBackslash) {
    clsVelmora theme{Platform{}};
    for (const char* title : {"", " ", "Ocean"}) {
        theme.SetThemeTitle(title);
        EXPECT_EQ(theme.ThemeTitle(), *title ? title : "[Untitled]");
    }
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Themes\\Blue\\blue.vlr", "C:\\Themes\\Blue"},
        {"C:\\blue.vlr", "C:"},
        {"blue.vlr", ""},
        {"\\blue.vlr", ""},
        {"", ""},
        {"C:\\Themes\\Blue\\", "C:\\Themes\\Blue"},
        {"\\\\server\\share\\blue.vlr", "\\\\server\\share"},
        {"C:/Themes/blue.vlr", ""},  // only the backslash separates
        {"\\\\", "\\"},
    };
    for (const auto& [given, stored] : cases) {
        theme.SetInstallDir("C:\\Earlier");
        theme.SetInstallDir(given);
        EXPECT_EQ(theme.InstallDir(), stored) << given;
    }
}

// --- Loading a theme file ---------------------------------------------------------------------

Platform Ports(FileSystem* files, ProfileReader* profile) {
    Platform platform;
    platform.files = files;
    platform.profile = profile;
    return platform;
}

// A theme file giving every key its own name as value.
MemoryProfile::Keys FullTheme() {
    MemoryProfile::Keys keys;
    for (const Text& k : kTexts) {
        if (k.key) keys.emplace_back(k.key, k.key);
    }
    return keys;
}

class ThemeLoadTest : public ::testing::Test {
protected:
    bool Load(const MemoryProfile::Keys& keys, const std::string& path = kFile) {
        AddThemeFile(files_, profile_, path, keys);
        return theme_.LoadVelmora(path);
    }
    // Every file-fed property holds what `expected` says for its key.
    void ExpectEveryKey(const std::function<std::string(const Text&)>& expected) {
        for (const Text& k : kTexts) {
            if (!k.key) continue;
            EXPECT_EQ((theme_.*k.read)(), expected(k)) << k.key;
        }
    }

    MemoryFileSystem files_;
    MemoryProfile profile_;
    clsVelmora theme_{Ports(&files_, &profile_)};
};

TEST_F(ThemeLoadTest, EachKeyFillsItsOwnProperty) {
    ASSERT_TRUE(Load(FullTheme()));
    ExpectEveryKey([](const Text& k) { return std::string(k.key); });
    EXPECT_EQ(theme_.InstallDir(), kFolder);
}

TEST_F(ThemeLoadTest, ThePlaceholderBecomesTheFolderInAnyCaseOnlyInTheKeysThatTakeIt) {
    MemoryProfile::Keys keys;
    for (const Text& k : kTexts) {
        if (k.key) keys.emplace_back(k.key, "%installDIR%\\x");
    }
    ASSERT_TRUE(Load(keys));
    ExpectEveryKey([](const Text& k) {
        return k.placeholder ? std::string(kFolder) + "\\x" : std::string("%installDIR%\\x");
    });

    const struct {
        const char* path;
        const char* value;
        const char* loaded;
    } cases[] = {
        {kFile, "%installdir%\\a|%InstallDir%%instalLDIR%|%InstallDir",
         "C:\\Themes\\Blue\\a|C:\\Themes\\BlueC:\\Themes\\Blue|%InstallDir"},
        {kFile, "%Install Dir%\\x %INSTALLDIR%", "%Install Dir%\\x C:\\Themes\\Blue"},
        // The replacement is not scanned again.
        {"C:\\%InstallDir%\\theme.vlr", "%InstallDir%\\i.htm", "C:\\%InstallDir%\\i.htm"},
        {"C:\\blue.vlr", "%InstallDir%\\i.htm", "C:\\i.htm"},  // a drive's root is the folder
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Load({{"HomePage", c.value}}, c.path));
        EXPECT_EQ(theme_.HomePage(), c.loaded) << c.value;
    }
}

TEST_F(ThemeLoadTest, ValuesAreCutTo254CharactersBeforeThePlaceholderIsReplaced) {
    const std::string fits = std::string(242, 'a') + "%InstallDir%";       // 254 characters
    const std::string straddles = std::string(248, 'a') + "%InstallDir%";  // cut inside it
    ASSERT_TRUE(
        Load({{"HomePage", fits}, {"LocalPage", straddles}, {"Title", std::string(300, 't')}}));
    EXPECT_EQ(theme_.HomePage(), std::string(242, 'a') + kFolder);
    EXPECT_EQ(theme_.Localpage(), std::string(248, 'a') + "%Insta");
    EXPECT_EQ(theme_.Title(), std::string(254, 't'));
}

TEST_F(ThemeLoadTest, AMissingKeyEmptiesItsPropertyButHelpLinkAndCaptionAreKept) {
    ASSERT_TRUE(Load(FullTheme()));
    theme_.SetApply_Sounds(false);
    ASSERT_TRUE(
        Load({{"ThemeTitle", "Ocean"}, {"OnlineHelpURL", ""}}, "C:\\Themes\\Ocean\\ocean.vlr"));
    ExpectEveryKey([](const Text& k) {
        const std::string key = k.key;
        if (key == "ThemeTitle") return std::string("Ocean");
        return key == "OnlineHelpURL" || key == "WUCaption" ? key : std::string();
    });
    EXPECT_FALSE(theme_.Apply_Sounds());  // switches are not in the file
    EXPECT_EQ(theme_.InstallDir(), "C:\\Themes\\Ocean");

    ASSERT_TRUE(Load({{"OnlineHelpURL", "%InstallDir%\\help.htm"}, {"WUCaption", "None"}},
                     "C:\\Themes\\C\\c.vlr"));
    EXPECT_EQ(theme_.OnlineHelpURL(), "C:\\Themes\\C\\help.htm");
    EXPECT_EQ(theme_.WUCaption(), "None");
}

TEST_F(ThemeLoadTest, NoNormalFileMeansFalseAndAnUnchangedRecord) {
    ASSERT_TRUE(Load(FullTheme()));
    // Which files are normal is the file port's rule (the file suite); one of each side here.
    profile_.SetSection("C:\\Themes\\missing.vlr", "Velmora", {{"ThemeTitle", "M"}});
    AddThemeFile(files_, profile_, "C:\\Themes\\hidden.vlr", {{"ThemeTitle", "H"}},
                 MemoryFileSystem::kHidden);
    AddThemeFile(files_, profile_, "C:\\Themes\\ro.vlr", {{"ThemeTitle", "R"}},
                 MemoryFileSystem::kReadOnly);
    for (const char* path : {"C:\\Themes\\missing.vlr", "C:\\Themes\\hidden.vlr"}) {
        EXPECT_FALSE(theme_.LoadVelmora(path)) << path;
        EXPECT_EQ(theme_.InstallDir(), kFolder) << path;
        ExpectEveryKey([](const Text& k) { return std::string(k.key); });
    }
    EXPECT_TRUE(theme_.LoadVelmora("C:\\Themes\\ro.vlr"));  // read-only is normal
    EXPECT_EQ(theme_.ThemeTitle(), "R");
    clsVelmora orphan{Platform{}};  // without its ports the record loads and applies nothing
    EXPECT_FALSE(orphan.LoadVelmora(kFile));
    EXPECT_FALSE(orphan.ApplyTheme(kFile));
}

// Records the profile reads and can fail at a chosen one.
class ScriptedProfile : public ProfileReader {
public:
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue, std::size_t bufferSize,
                           const std::string& path) override {
        calls.push_back(section + "|" + key + "|" + defaultValue + "|" +
                        std::to_string(bufferSize) + "|" + path);
        if (static_cast<int>(calls.size()) == failAt) throw std::runtime_error("read failed");
        return "new " + key;
    }
    std::vector<std::string> calls;
    int failAt = -1;
};

TEST(ThemeLoadReads, EachKeyIsOneReadAndAFailedReadEndsTheLoadKeepingWhatWasRead) {
    MemoryFileSystem files;
    files.AddFile(kFile, "");
    files.AddFile("C:\\Other\\x.vlr", "");
    ScriptedProfile profile;
    clsVelmora theme{Ports(&files, &profile)};
    ASSERT_TRUE(theme.LoadVelmora(kFile));
    std::vector<std::string> expected;
    for (const Text& k : kTexts) {
        if (k.key) expected.push_back("Velmora|"s + k.key + "||255|" + kFile);
    }
    EXPECT_EQ(profile.calls, expected);

    theme.SetAuthor("old author");
    theme.SetEmail("old email");
    theme.SetWUCaption("old caption");
    profile.calls.clear();
    profile.failAt = 5;  // BackBitmap, WESkin, ThemeTitle, Author read; Email fails
    EXPECT_FALSE(theme.LoadVelmora("C:\\Other\\x.vlr"));
    EXPECT_EQ(theme.Author(), "new Author");
    EXPECT_EQ(theme.Email(), "old email");
    EXPECT_EQ(theme.WUCaption(), "old caption");
    EXPECT_EQ(theme.InstallDir(), "C:\\Other");
}

}  // namespace
}  // namespace velmora::test
