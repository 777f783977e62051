// The theme record's load from a theme file: each key into its property, the folder
// placeholder, the kept keys, what stops a load.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "platform/Platform.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/MemoryProfile.h"
#include "theme/clsVelmora.h"

namespace velmora::test {
namespace {

constexpr char kFile[] = "C:\\Themes\\Blue\\blue.vlr";
constexpr char kFolder[] = "C:\\Themes\\Blue";

// Every key of the theme file, the property it fills, and whether "%InstallDir%" in its value
// becomes the theme's folder. Written out by hand so that a slip in the record's accessors or
// in the load's key table cannot hide here.
struct Key {
    const char* name;
    std::string (clsVelmora::*read)() const;
    bool placeholder;
};
#define KEY(name, placeholder) \
    { #name, &clsVelmora::name, placeholder }
constexpr bool D = true, A = false;
// clang-format off
const Key kKeys[] = {
    KEY(BackBitmap, D), KEY(WESkin, D), KEY(ThemeTitle, A), KEY(Author, A), KEY(Email, A),
    KEY(Copyright, A), KEY(WebSite, A), KEY(Description, A), KEY(AniLarge, D), KEY(BrandLarge, D),
    KEY(AniSmall, D), KEY(BrandSmall, D), KEY(Title, A), KEY(HomePage, D),
    {"LocalPage", &clsVelmora::Localpage, D}, KEY(SearchBar, D), KEY(SearchPage, D),
    KEY(SearchURL, D), KEY(SearchAssistant, D), KEY(CustomizeSearch, D), KEY(DiscussionPage, D),
    KEY(TipsPage, D), KEY(WebThumper, A), KEY(ExplorerThumper, A), KEY(ShellThumper, A),
    KEY(TheaterThumper, A), KEY(OpenIExplore, D), KEY(OpenExplorer, D), KEY(Activate, D),
    {"New_Mail", &clsVelmora::NewMail, D}, KEY(Navigate, D), KEY(NewAlert, D),
    KEY(ContactOnline, D), KEY(MSMessenger, D), KEY(NewMessage, D), KEY(MSMBuzzSound, D),
    KEY(MSMNewSMS, D), KEY(StyleType, A), KEY(StyleFile, D), KEY(StyleBkground, D),
    KEY(StyleAdvert, D), KEY(StyleLogo, D), KEY(StyleThumper, D), KEY(IgnoreColors, A),
    KEY(IgnoreFontStyles, A), KEY(IgnoreFontSizes, A), KEY(OnlineHelpURL, D), KEY(WUCaption, A)};
// clang-format on

struct ThemeLoadTest : ::testing::Test {
    bool Load(const MemoryProfile::Keys& keys, const std::string& path = kFile) {
        AddThemeFile(files, profile, path, keys);
        return theme.LoadVelmora(path);
    }
    // A theme file giving every key the value `value` makes of it.
    bool LoadEach(const std::function<std::string(const Key&)>& value) {
        MemoryProfile::Keys keys;
        for (const Key& k : kKeys) keys.emplace_back(k.name, value(k));
        return Load(keys);
    }
    // Every property holds what `expected` says for its key.
    void ExpectEach(const std::function<std::string(const std::string&, bool)>& expected) {
        for (const Key& k : kKeys) EXPECT_EQ((theme.*k.read)(), expected(k.name, k.placeholder));
    }
    static std::string Name(const Key& k) { return k.name; }
    static std::string First(const std::string& key, bool placeholder) {
        return key + "|" + (placeholder ? kFolder : "%installDIR%");
    }

    MemoryFileSystem files;
    MemoryProfile profile;
    clsVelmora theme{Platform{nullptr, &profile, &files}};
};

// The folder is what comes before the last backslash of the file's path.
TEST_F(ThemeLoadTest, ThePlaceholderInAnyCaseIsTheFolderReplacedOnceAfterTheValueIsCutTo254) {
    const struct {
        const char* path;
        std::string value, loaded;
    } rows[] = {
        {kFile, "%installdir%\\a|%InstallDir%%instalLDIR%|%InstallDir",
         "C:\\Themes\\Blue\\a|C:\\Themes\\BlueC:\\Themes\\Blue|%InstallDir"},
        // The replacement is not scanned again.
        {"C:\\%InstallDir%\\theme.vlr", "%InstallDir%\\i.htm", "C:\\%InstallDir%\\i.htm"},
        {"C:\\blue.vlr", "%InstallDir%|", "C:|"},
        {"a\\blue.vlr", "%InstallDir%|", "a|"},
        {"\\blue.vlr", "%InstallDir%|", "|"},
        {"blue.vlr", "%InstallDir%|", "|"},
        {"C:/Themes/blue.vlr", "%InstallDir%|", "|"},  // only the backslash separates
        {kFile, std::string(242, 'a') + "%InstallDir%", std::string(242, 'a') + kFolder},
        {kFile, std::string(248, 'a') + "%InstallDir%", std::string(248, 'a') + "%Insta"},
        {kFile, std::string(300, 't'), std::string(254, 't')},
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(Load({{"HomePage", row.value}}, row.path)) << row.path;
        EXPECT_EQ(theme.HomePage(), row.loaded) << row.path << " " << row.value;
    }
}

TEST_F(ThemeLoadTest, NoNormalFileMeansFalseAndAnUnchangedRecord) {
    ASSERT_TRUE(LoadEach(Name));
    // Which files are normal is the file port's rule (the file suite).
    profile.SetSection("C:\\Themes\\missing.vlr", "Velmora", {{"ThemeTitle", "M"}});
    AddThemeFile(files, profile, "C:\\Themes\\hidden.vlr", {{"ThemeTitle", "H"}},
                 MemoryFileSystem::kHidden);
    for (const char* path : {"C:\\Themes\\missing.vlr", "C:\\Themes\\hidden.vlr", ""})
        EXPECT_FALSE(theme.LoadVelmora(path) || theme.ApplyTheme(path)) << path;
    EXPECT_EQ(theme.InstallDir(), kFolder);
    ExpectEach([](const std::string& key, bool) { return key; });
    // Without its ports the record loads and applies nothing.
    for (const Platform& ports :
         {Platform{}, Platform{nullptr, nullptr, &files}, Platform{nullptr, &profile}}) {
        EXPECT_FALSE(clsVelmora(ports).LoadVelmora(kFile) || clsVelmora(ports).ApplyTheme(kFile));
    }
}

// Gives "new <key>" for every read but the fifth (Email), which fails.
struct FailingProfile : ProfileReader {
    std::string ReadString(const std::string&, const std::string& key, const std::string&,
                           std::size_t, const std::string&) override {
        if (++reads == 5) throw std::runtime_error("read failed");
        return "new " + key;
    }
    int reads = 0;
};

TEST(ThemeLoadReads, AFailedReadEndsTheLoadKeepingWhatWasReadAndAppliesNothing) {
    MemoryFileSystem files;
    files.AddFile("C:\\Other\\x.vlr", "");
    FailingProfile profile;
    clsVelmora theme{Platform{nullptr, &profile, &files}};
    theme.SetEmail("old email");
    EXPECT_FALSE(theme.LoadVelmora("C:\\Other\\x.vlr"));
    EXPECT_EQ(theme.Author() + "|" + theme.Email() + "|" + theme.InstallDir(),
              "new Author|old email|C:\\Other");
    profile.reads = 0;
    EXPECT_FALSE(theme.ApplyTheme("C:\\Other\\x.vlr"));  // nothing is applied
}

}  // namespace
}  // namespace velmora::test
