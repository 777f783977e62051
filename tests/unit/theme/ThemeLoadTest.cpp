// Loading a theme file into the record: which key fills which property, the folder
// placeholder, the two keys kept when missing, and what a failed load leaves behind.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "tests/support/MemoryFileSystem.h"
#include "theme/PortableProfileReader.h"
#include "theme/clsVelmora.h"

namespace velmora::test {
namespace {

constexpr char kFile[] = "C:\\Themes\\Blue\\blue.vlr";
constexpr char kFolder[] = "C:\\Themes\\Blue";

struct FileKey {
    const char* key;
    std::function<std::string(const clsVelmora&)> read;
    bool placeholder;
};

#define KEY(key, property, placeholder)                                    \
    FileKey {                                                              \
        key, [](const clsVelmora& t) { return t.property(); }, placeholder \
    }

// The theme file's keys in reading order, written out independently of the load's table.
std::vector<FileKey> FileKeys() {
    return {KEY("BackBitmap", BackBitmap, true),
            KEY("WESkin", WESkin, true),
            KEY("ThemeTitle", ThemeTitle, false),
            KEY("Author", Author, false),
            KEY("Email", Email, false),
            KEY("Copyright", Copyright, false),
            KEY("WebSite", WebSite, false),
            KEY("Description", Description, false),
            KEY("AniLarge", AniLarge, true),
            KEY("BrandLarge", BrandLarge, true),
            KEY("AniSmall", AniSmall, true),
            KEY("BrandSmall", BrandSmall, true),
            KEY("Title", Title, false),
            KEY("HomePage", HomePage, true),
            KEY("LocalPage", Localpage, true),
            KEY("SearchBar", SearchBar, true),
            KEY("SearchPage", SearchPage, true),
            KEY("SearchURL", SearchURL, true),
            KEY("SearchAssistant", SearchAssistant, true),
            KEY("CustomizeSearch", CustomizeSearch, true),
            KEY("DiscussionPage", DiscussionPage, true),
            KEY("TipsPage", TipsPage, true),
            KEY("WebThumper", WebThumper, false),
            KEY("ExplorerThumper", ExplorerThumper, false),
            KEY("ShellThumper", ShellThumper, false),
            KEY("TheaterThumper", TheaterThumper, false),
            KEY("OpenIExplore", OpenIExplore, true),
            KEY("OpenExplorer", OpenExplorer, true),
            KEY("Activate", Activate, true),
            KEY("New_Mail", NewMail, true),
            KEY("Navigate", Navigate, true),
            KEY("NewAlert", NewAlert, true),
            KEY("ContactOnline", ContactOnline, true),
            KEY("MSMessenger", MSMessenger, true),
            KEY("NewMessage", NewMessage, true),
            KEY("MSMBuzzSound", MSMBuzzSound, true),
            KEY("MSMNewSMS", MSMNewSMS, true),
            KEY("StyleType", StyleType, false),
            KEY("StyleFile", StyleFile, true),
            KEY("StyleBkground", StyleBkground, true),
            KEY("StyleAdvert", StyleAdvert, true),
            KEY("StyleLogo", StyleLogo, true),
            KEY("StyleThumper", StyleThumper, true),
            KEY("IgnoreColors", IgnoreColors, false),
            KEY("IgnoreFontStyles", IgnoreFontStyles, false),
            KEY("IgnoreFontSizes", IgnoreFontSizes, false),
            KEY("OnlineHelpURL", OnlineHelpURL, true),
            KEY("WUCaption", WUCaption, false)};
}

// A theme file giving every key a value of its own.
std::string FullTheme(const std::string& valueSuffix = "") {
    std::string text = "[Velmora]\r\n";
    for (const FileKey& k : FileKeys())
        text += std::string(k.key) + "=" + k.key + valueSuffix + "\r\n";
    return text;
}

Platform Ports(FileSystem* files, ProfileReader* profile) {
    Platform platform;
    platform.files = files;
    platform.profile = profile;
    return platform;
}

class ThemeLoadTest : public ::testing::Test {
protected:
    bool Load(const std::string& text, const std::string& path = kFile) {
        files_.AddFile(path, text);
        return theme_.LoadVelmora(path);
    }

    // Every file-fed property holds what `expected` says for its key.
    void ExpectEveryProperty(const std::function<std::string(const FileKey&)>& expected) {
        for (const FileKey& k : FileKeys()) EXPECT_EQ(k.read(theme_), expected(k)) << k.key;
    }

    MemoryFileSystem files_;
    PortableProfileReader reader_{files_};
    clsVelmora theme_{Ports(&files_, &reader_)};
};

TEST_F(ThemeLoadTest, EachKeyFillsItsOwnProperty) {
    ASSERT_TRUE(Load(FullTheme()));
    ExpectEveryProperty([](const FileKey& k) { return std::string(k.key); });
    EXPECT_EQ(theme_.InstallDir(), kFolder);
}

TEST_F(ThemeLoadTest, KeyNamesInAnyLetterCaseLoadTheSame) {
    std::string lower = FullTheme();
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    // The values were lowered too; the keys still find them.
    ASSERT_TRUE(Load(lower));
    ExpectEveryProperty([](const FileKey& k) {
        std::string value = k.key;
        for (char& c : value) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        }
        return value;
    });
}

TEST_F(ThemeLoadTest, ThePlaceholderBecomesTheFolderOnlyInTheKeysThatTakeIt) {
    std::string text = "[Velmora]\n";
    for (const FileKey& k : FileKeys()) text += std::string(k.key) + "=%InstallDir%\\x\n";
    ASSERT_TRUE(Load(text));
    ExpectEveryProperty([](const FileKey& k) {
        return k.placeholder ? std::string(kFolder) + "\\x" : std::string("%InstallDir%\\x");
    });
}

TEST_F(ThemeLoadTest, ThePlaceholderMatchesInAnyCaseEveryTime) {
    ASSERT_TRUE(
        Load("[Velmora]\n"
             "AniLarge=%INSTALLDIR%\\big.bmp\n"
             "HomePage=%installdir%\\a|%InstallDir%%instalLDIR%|%InstallDir\n"
             "SearchURL=%Install Dir%\\x %InstallDir%\n"
             "Description=%INSTALLDIR%\\big.bmp\n"));
    EXPECT_EQ(theme_.AniLarge(), "C:\\Themes\\Blue\\big.bmp");
    EXPECT_EQ(theme_.HomePage(),
              "C:\\Themes\\Blue\\a|C:\\Themes\\BlueC:\\Themes\\Blue|%InstallDir");
    EXPECT_EQ(theme_.SearchURL(), "%Install Dir%\\x C:\\Themes\\Blue");
    EXPECT_EQ(theme_.Description(), "%INSTALLDIR%\\big.bmp");
}

TEST_F(ThemeLoadTest, AFolderNamedLikeThePlaceholderIsNotReplacedAgain) {
    ASSERT_TRUE(
        Load("[Velmora]\nHomePage=%InstallDir%\\index.htm\n", "C:\\%InstallDir%\\theme.vlr"));
    EXPECT_EQ(theme_.HomePage(), "C:\\%InstallDir%\\index.htm");
}

TEST_F(ThemeLoadTest, AThemeInTheRootOfADriveUsesTheDriveAsFolder) {
    ASSERT_TRUE(Load("[Velmora]\nHomePage=%InstallDir%\\index.htm\n", "C:\\blue.vlr"));
    EXPECT_EQ(theme_.HomePage(), "C:\\index.htm");
}

TEST_F(ThemeLoadTest, ValuesAreCutTo254CharactersBeforeThePlaceholderIsReplaced) {
    const std::string fits = std::string(242, 'a') + "%InstallDir%";       // 254 characters
    const std::string straddles = std::string(248, 'a') + "%InstallDir%";  // cut inside it
    ASSERT_TRUE(Load("[Velmora]\nHomePage=" + fits + "\nLocalPage=" + straddles +
                     "\nTitle=" + std::string(300, 't') + "\n"));
    EXPECT_EQ(theme_.HomePage(), std::string(242, 'a') + kFolder);
    EXPECT_GT(theme_.HomePage().size(), 254u);
    EXPECT_EQ(theme_.Localpage(), std::string(248, 'a') + "%Insta");
    EXPECT_EQ(theme_.Title(), std::string(254, 't'));
}

TEST_F(ThemeLoadTest, AFileWithOnlyATitleEmptiesEveryOtherTextAndKeepsTheSwitches) {
    ASSERT_TRUE(Load(FullTheme()));
    theme_.SetApply_Sounds(false);
    theme_.SetApply_InfoPage(false);
    ASSERT_TRUE(Load("[Velmora]\nThemeTitle=Ocean\n", "C:\\Themes\\Ocean\\ocean.vlr"));
    ExpectEveryProperty([](const FileKey& k) {
        const std::string key = k.key;
        if (key == "ThemeTitle") return std::string("Ocean");
        // The two keys that are kept when the new file lacks them.
        if (key == "OnlineHelpURL" || key == "WUCaption") return key;
        return std::string();
    });
    EXPECT_FALSE(theme_.Apply_Sounds());
    EXPECT_FALSE(theme_.Apply_InfoPage());
    EXPECT_TRUE(theme_.Apply_HomePage());
    EXPECT_EQ(theme_.InstallDir(), "C:\\Themes\\Ocean");
}

TEST_F(ThemeLoadTest, HelpLinkAndCaptionKeepTheirValuesWhenTheNextFileGivesNone) {
    ASSERT_TRUE(
        Load("[Velmora]\nOnlineHelpURL=http://a.example.com/\nWUCaption=A update\n"
             "Author=A\n"));
    ASSERT_TRUE(Load("[Velmora]\nOnlineHelpURL=\nWUCaption=\"\"\n", "C:\\Themes\\B\\b.vlr"));
    EXPECT_EQ(theme_.OnlineHelpURL(), "http://a.example.com/");
    EXPECT_EQ(theme_.WUCaption(), "A update");
    EXPECT_EQ(theme_.Author(), "");
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
    EXPECT_EQ(theme_.Description(), "");
}

TEST_F(ThemeLoadTest, OptionWordsAreLoadedAsWritten) {
    ASSERT_TRUE(Load("[Velmora]\nWebThumper=no\nStyleType= 1 \nWESkin=NONE\n"));
    EXPECT_EQ(theme_.WebThumper(), "no");
    EXPECT_EQ(theme_.StyleType(), "1");
    EXPECT_EQ(theme_.WESkin(), "NONE");
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
        ExpectEveryProperty([](const FileKey& k) { return std::string(k.key); });
    }
    // A read-only file is a normal file.
    EXPECT_TRUE(theme_.LoadVelmora("C:\\Themes\\ro.vlr"));
}

TEST_F(ThemeLoadTest, WithoutItsPortsTheRecordLoadsNothing) {
    files_.AddFile(kFile, FullTheme());
    clsVelmora orphan{Platform{}};
    EXPECT_FALSE(orphan.LoadVelmora(kFile));
    EXPECT_EQ(orphan.ThemeTitle(), "");
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

class ThemeLoadReadsTest : public ::testing::Test {
protected:
    ThemeLoadReadsTest() { files_.AddFile(kFile, ""); }
    MemoryFileSystem files_;
    ScriptedProfile profile_;
    clsVelmora theme_{Ports(&files_, &profile_)};
};

TEST_F(ThemeLoadReadsTest, EachKeyIsOneReadOfTheSectionWithAnEmptyDefaultAnd255Characters) {
    ASSERT_TRUE(theme_.LoadVelmora(kFile));
    const std::vector<FileKey> keys = FileKeys();
    ASSERT_EQ(profile_.calls.size(), keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(profile_.calls[i], std::string("Velmora|") + keys[i].key + "||255|" + kFile);
    }
}

TEST_F(ThemeLoadReadsTest, AFailedReadEndsTheLoadKeepingWhatWasReadBefore) {
    theme_.SetAuthor("old author");
    theme_.SetEmail("old email");
    theme_.SetWUCaption("old caption");
    profile_.failAt = 5;  // BackBitmap, WESkin, ThemeTitle, Author read; Email fails
    EXPECT_FALSE(theme_.LoadVelmora(kFile));
    EXPECT_EQ(theme_.BackBitmap(), "new BackBitmap");
    EXPECT_EQ(theme_.ThemeTitle(), "new ThemeTitle");
    EXPECT_EQ(theme_.Author(), "new Author");
    EXPECT_EQ(theme_.Email(), "old email");
    EXPECT_EQ(theme_.WUCaption(), "old caption");
    EXPECT_EQ(theme_.InstallDir(), kFolder);
}

}  // namespace
}  // namespace velmora::test
