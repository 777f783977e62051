// The theme record: start values, the two write rules, accessors that reach their own member,
// and the load from a theme file (keys, folder placeholder, kept keys, bad input).
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "tests/support/MemoryFileSystem.h"
#include "theme/PortableProfileReader.h"
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
    void (clsVelmora::*write)(const std::string&);
};
struct Switch {
    const char* name;
    bool (clsVelmora::*read)() const;
    void (clsVelmora::*write)(bool);
};

#define TEXT(name, key, placeholder) \
    { #name, key, placeholder, &clsVelmora::name, &clsVelmora::Set##name }
#define KEY(name, placeholder) TEXT(name, #name, placeholder)
#define SWITCH(name) \
    { #name, &clsVelmora::name, &clsVelmora::Set##name }
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

TEST(clsVelmora, EachWriteAccessorReachesOnlyItsOwnProperty) {
    for (const Text& written : kTexts) {
        clsVelmora theme{Platform{}};
        (theme.*written.write)("set"s);
        for (const Text& p : kTexts) {
            EXPECT_EQ((theme.*p.read)(), &p == &written ? "set" : "")
                << "writing " << written.name << " changed " << p.name;
        }
        EXPECT_EQ(theme.InstallDir(), "") << written.name;
    }
    for (const Switch& written : kSwitches) {
        clsVelmora theme{Platform{}};
        (theme.*written.write)(false);
        for (const Switch& s : kSwitches) {
            EXPECT_EQ((theme.*s.read)(), s.name != std::string(written.name))
                << "switching off " << written.name << " changed " << s.name;
        }
        (theme.*written.write)(true);
        EXPECT_TRUE((theme.*written.read)());
    }
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

// A theme file giving every key its own name as value, the key written in capitals.
std::string FullTheme() {
    std::string text = "[Velmora]\r\n";
    for (const Text& k : kTexts) {
        if (!k.key) continue;
        std::string upper = k.key;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        text += upper + "=" + k.key + "\r\n";
    }
    return text;
}

std::string Junk(std::size_t size, std::uint32_t seed) {
    std::string junk(size, '\0');
    for (char& c : junk) {
        seed = seed * 1664525u + 1013904223u;
        c = static_cast<char>(seed >> 24);
    }
    return junk;
}

class ThemeLoadTest : public ::testing::Test {
protected:
    bool Load(const std::string& text, const std::string& path = kFile) {
        files_.AddFile(path, text);
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
    PortableProfileReader reader_{files_};
    clsVelmora theme_{Ports(&files_, &reader_)};
};

TEST_F(ThemeLoadTest, EachKeyInAnyLetterCaseFillsItsOwnProperty) {
    ASSERT_TRUE(Load(FullTheme()));
    ExpectEveryKey([](const Text& k) { return std::string(k.key); });
    EXPECT_EQ(theme_.InstallDir(), kFolder);
}

TEST_F(ThemeLoadTest, ThePlaceholderBecomesTheFolderInAnyCaseOnlyInTheKeysThatTakeIt) {
    std::string text = "[Velmora]\n";
    for (const Text& k : kTexts) {
        if (k.key) text += std::string(k.key) + "=%installDIR%\\x\n";
    }
    ASSERT_TRUE(Load(text));
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
        ASSERT_TRUE(Load("[Velmora]\nHomePage="s + c.value + "\n", c.path));
        EXPECT_EQ(theme_.HomePage(), c.loaded) << c.value;
    }
}

TEST_F(ThemeLoadTest, ValuesAreCutTo254CharactersBeforeThePlaceholderIsReplaced) {
    const std::string fits = std::string(242, 'a') + "%InstallDir%";       // 254 characters
    const std::string straddles = std::string(248, 'a') + "%InstallDir%";  // cut inside it
    ASSERT_TRUE(Load("[Velmora]\nHomePage=" + fits + "\nLocalPage=" + straddles +
                     "\nTitle=" + std::string(300, 't') +
                     "\nDescription=" + std::string(100000, 'd') + "\nThemeTitle=Long\n"));
    EXPECT_EQ(theme_.HomePage(), std::string(242, 'a') + kFolder);
    EXPECT_EQ(theme_.Localpage(), std::string(248, 'a') + "%Insta");
    EXPECT_EQ(theme_.Title(), std::string(254, 't'));
    EXPECT_EQ(theme_.Description(), std::string(254, 'd'));
    EXPECT_EQ(theme_.ThemeTitle(), "Long");  // the line after the long one is read
}

TEST_F(ThemeLoadTest, AMissingKeyEmptiesItsPropertyButHelpLinkAndCaptionAreKept) {
    ASSERT_TRUE(Load(FullTheme()));
    theme_.SetApply_Sounds(false);
    ASSERT_TRUE(Load("[Velmora]\nThemeTitle=Ocean\nOnlineHelpURL=\nWUCaption=\"\"\n",
                     "C:\\Themes\\Ocean\\ocean.vlr"));
    ExpectEveryKey([](const Text& k) {
        const std::string key = k.key;
        if (key == "ThemeTitle") return std::string("Ocean");
        return key == "OnlineHelpURL" || key == "WUCaption" ? key : std::string();
    });
    EXPECT_FALSE(theme_.Apply_Sounds());  // switches are not in the file
    EXPECT_EQ(theme_.InstallDir(), "C:\\Themes\\Ocean");

    ASSERT_TRUE(Load("[Velmora]\nOnlineHelpURL=%InstallDir%\\help.htm\nWUCaption=None\n",
                     "C:\\Themes\\C\\c.vlr"));
    EXPECT_EQ(theme_.OnlineHelpURL(), "C:\\Themes\\C\\help.htm");
    EXPECT_EQ(theme_.WUCaption(), "None");
}

TEST_F(ThemeLoadTest, AFileWithoutTheSectionLoadsAsAnUntitledEmptyTheme) {
    ASSERT_TRUE(Load(FullTheme()));
    ASSERT_TRUE(Load("[Other]\nThemeTitle=Ocean\nAuthor=Me\n", "C:\\Themes\\x.ini"));
    EXPECT_EQ(theme_.ThemeTitle(), "[Untitled]");
    EXPECT_EQ(theme_.Author(), "");
}

TEST_F(ThemeLoadTest, NoNormalFileMeansFalseAndAnUnchangedRecord) {
    ASSERT_TRUE(Load(FullTheme()));
    files_.AddFolder("C:\\Themes\\Folder.vlr");
    files_.AddFile("C:\\Themes\\hidden.vlr", "[Velmora]\nThemeTitle=H\n",
                   MemoryFileSystem::kHidden);
    files_.AddFile("C:\\Themes\\system.vlr", "[Velmora]\nThemeTitle=S\n",
                   MemoryFileSystem::kSystem);
    files_.AddFile("C:\\Themes\\ro.vlr", "[Velmora]\n", MemoryFileSystem::kReadOnly);
    for (const char* path :
         {"C:\\Themes\\missing.vlr", "C:\\Themes\\Folder.vlr", "C:\\Themes\\hidden.vlr",
          "C:\\Themes\\system.vlr", "", "C:\\Themes\\Blue\\*.vlr", "C:\\Themes\\Blue\\blue.vl?"}) {
        EXPECT_FALSE(theme_.LoadVelmora(path)) << path;
        EXPECT_EQ(theme_.InstallDir(), kFolder) << path;
        ExpectEveryKey([](const Text& k) { return std::string(k.key); });
    }
    EXPECT_TRUE(theme_.LoadVelmora("C:\\Themes\\ro.vlr"));  // read-only is normal
    clsVelmora orphan{Platform{}};  // without its ports the record loads nothing
    EXPECT_FALSE(orphan.LoadVelmora(kFile));
}

TEST_F(ThemeLoadTest, BadFilesLoadWithoutHarmByTheSameRules) {
    std::string big = "[Velmora]\r\nAuthor=First\r\n";
    while (big.size() < 10 * 1024 * 1024) big += "Filler=" + std::string(90, 'f') + "\r\n";
    const struct {
        std::string bytes;
        const char* title;
        const char* author;
    } files[] = {
        {"", "[Untitled]", ""},
        // Each junk part ends with a line end so that the section header starts a line.
        {Junk(65536, 1) + "\r\n[Velmora]\r\nThemeTitle=Junk\r\nAuthor='A'\r\n" + Junk(65536, 2),
         "Junk", "A"},
        {big + "ThemeTitle=Big\r\nAuthor=Second\r\n", "Big", "First"},
        {"[Velmora]\nAuthor=\0hidden\nThemeTitle=Nul\0x\n"s, "Nul", ""},  // NUL cuts values
    };
    for (const auto& f : files) {
        theme_.SetWUCaption("earlier caption");
        ASSERT_TRUE(Load(f.bytes)) << f.title;
        EXPECT_EQ(theme_.ThemeTitle(), f.title);
        EXPECT_EQ(theme_.Author(), f.author) << f.title;
        EXPECT_EQ(theme_.WUCaption(), "earlier caption") << f.title;
    }
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
