// Velmora.exe started with a file, driven like a user: its message boxes are read and
// answered, then the registry of the prefix shows what it did.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "tests/e2e/RegistryProbe.h"
#include "tests/e2e/VelmoraProcess.h"

namespace velmora::e2e {
namespace {

const std::string kIe = "Software\\Microsoft\\Internet Explorer";
const std::string kToolbar = kIe + "\\Toolbar";
const std::string kMain = kIe + "\\Main";
const std::string kStyles = kIe + "\\Styles";
const std::string kSettings = kIe + "\\Settings";
const std::string kMachineSearch = "SOFTWARE\\Microsoft\\Internet Explorer\\Search";
const std::string kUserTips =
    "SOFTWARE\\CLASSES\\CLSID\\{4D5C8C25-D075-11d0-B416-00C04FB90376}\\Instance\\InitPropertyBag";
const std::string kDiscussion =
    "SOFTWARE\\CLASSES\\CLSID\\{BDEADE7F-C265-11D0-BCED-00A0C90AB50F}\\Instance\\InitPropertyBag";
const std::string kHelpMenu = "SOFTWARE\\Microsoft\\Internet Explorer\\Help_Menu_Urls";
const std::string kPolicies = "Software\\Policies\\Microsoft\\Internet Explorer";
const std::string kSounds = "AppEvents\\Schemes\\Apps\\";
const std::string kMark = "Software\\Tolvane\\Quenmark\\Velmoras\\.Current";

struct ValueRef {
    HKEY root;
    std::string key;
    std::string value;
};

// Every value an apply or a toolbar-skin action can write.
const std::vector<ValueRef>& AppliedValues() {
    static const std::vector<ValueRef> values = {
        {HKEY_CURRENT_USER, kToolbar, "BackBitmap"},
        {HKEY_CURRENT_USER, kToolbar, "BackBitmapIE5"},
        {HKEY_CURRENT_USER, kToolbar, "BigBitmap"},
        {HKEY_CURRENT_USER, kToolbar, "BrandBitmap"},
        {HKEY_CURRENT_USER, kToolbar, "SmallBitmap"},
        {HKEY_CURRENT_USER, kToolbar, "SmBrandBitmap"},
        {HKEY_CURRENT_USER, kToolbar, "Theater"},
        {HKEY_CURRENT_USER, kToolbar + "\\WebBrowser", "ITBarLayout"},
        {HKEY_CURRENT_USER, kToolbar + "\\ShellBrowser", "ITBarLayout"},
        {HKEY_CURRENT_USER, kToolbar + "\\Explorer", "ITBarLayout"},
        {HKEY_CURRENT_USER, kMain, "Window Title"},
        {HKEY_CURRENT_USER, kMain, "Start Page"},
        {HKEY_CURRENT_USER, kMain, "Local Page"},
        {HKEY_CURRENT_USER, kMain, "Search Page"},
        {HKEY_CURRENT_USER, kMain, "Search Bar"},
        {HKEY_CURRENT_USER, kUserTips, "Url"},
        {HKEY_LOCAL_MACHINE, kMachineSearch, "SearchAssistant"},
        {HKEY_LOCAL_MACHINE, kMachineSearch, "CustomizeSearch"},
        {HKEY_CURRENT_USER, kIe + "\\SearchUrl", ""},
        {HKEY_LOCAL_MACHINE, kDiscussion, "Url"},
        {HKEY_LOCAL_MACHINE, kUserTips, "Url"},
        {HKEY_CURRENT_USER, kStyles, "User StyleSheet"},
        {HKEY_CURRENT_USER, kStyles, "Use My Stylesheet"},
        {HKEY_CURRENT_USER, kSettings, "Always Use My Colors"},
        {HKEY_CURRENT_USER, kSettings, "Always Use My Font Face"},
        {HKEY_CURRENT_USER, kSettings, "Always Use My Font Size"},
        {HKEY_CURRENT_USER, kSounds + "Explorer\\Open\\.current", ""},
        {HKEY_CURRENT_USER, kSounds + "IExplore\\Open\\.current", ""},
        {HKEY_CURRENT_USER, kSounds + "Explorer\\Navigating\\.current", ""},
        {HKEY_CURRENT_USER, kSounds + "Explorer\\ActivatingDocument\\.current", ""},
        {HKEY_CURRENT_USER, kSounds + ".Default\\MailBeep\\.Current", ""},
        {HKEY_CURRENT_USER, kSounds + "MSNMSGR\\MSNMSGR_ContactOnline\\.Current", ""},
        {HKEY_CURRENT_USER, kSounds + "MSNMSGR\\MSNMSGR_NewAlert\\.Current", ""},
        {HKEY_CURRENT_USER, kSounds + "MSNMSGR\\MSNMSGR_NewMail\\.Current", ""},
        {HKEY_CURRENT_USER, kSounds + "MSNMSGR\\MSNMSGR_NewMessage\\.Current", ""},
        {HKEY_LOCAL_MACHINE, kHelpMenu, "Online_Support"},
        {HKEY_CURRENT_USER, kPolicies, "Windows Update Menu Text"},
        {HKEY_CURRENT_USER, kMark, ""},
    };
    return values;
}

bool ValueExists(const ValueRef& ref) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(ref.root, ref.key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    const bool exists = RegQueryValueExA(handle, ref.value.c_str(), nullptr, nullptr, nullptr,
                                         nullptr) == ERROR_SUCCESS;
    RegCloseKey(handle);
    return exists;
}

std::string TempFolder() {
    char path[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, path);
    return std::string(path) + "Velmora E2E";
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
}

// A toolbar layout of 20 bytes whose throbber byte (offset 16) holds flagByte.
std::vector<std::uint8_t> Layout(std::uint8_t flagByte) {
    std::vector<std::uint8_t> bytes(20, 0x11);
    bytes[16] = flagByte;
    return bytes;
}

class FileActionsE2eTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& ref : AppliedValues())
            RegistryProbe::DeleteValue(ref.root, ref.key, ref.value);
        RegistryProbe::DeleteTree(HKEY_CURRENT_USER, kToolbar);
        RegistryProbe::DeleteTree(HKEY_CURRENT_USER, "Software\\Tolvane");
        folder = TempFolder() + "\\Deep Sea";
        CreateDirectoryA(TempFolder().c_str(), nullptr);
        CreateDirectoryA(folder.c_str(), nullptr);
        DeleteFileA((folder + "\\missing.vlr").c_str());
    }

    // A theme with a value for every area, its pictures and sounds beside it (the files
    // themselves need not exist: paths are written, not checked).
    std::string WriteTheme() {
        const std::string path = folder + "\\DeepSea.vlr";
        WriteFile(path,
                  "[Velmora]\r\n"
                  "ThemeTitle=Deep Sea\r\n"
                  "Author=E2E Tester\r\n"
                  "Description=Written by the end-to-end test.\r\n"
                  "BackBitmap=%InstallDir%\\toolbar.bmp\r\n"
                  "WESkin=%INSTALLDIR%\\explorer.bmp\r\n"
                  "AniLarge=%InstallDir%\\anilarge.bmp\r\n"
                  "BrandLarge=%InstallDir%\\brandlarge.bmp\r\n"
                  "AniSmall=%InstallDir%\\anismall.bmp\r\n"
                  "BrandSmall=None\r\n"
                  "WebThumper=No\r\n"
                  "TheaterThumper=\r\n"
                  "ShellThumper=NO\r\n"
                  "Title=Deep Sea Browser\r\n"
                  "HomePage=%InstallDir%\\start.htm\r\n"
                  "LocalPage=%InstallDir%\\local.htm\r\n"
                  "SearchBar=http://search.example/bar\r\n"
                  "SearchPage=http://search.example/page\r\n"
                  "SearchURL=http://search.example/q?\r\n"
                  "SearchAssistant=http://search.example/assistant\r\n"
                  "CustomizeSearch=http://search.example/customize\r\n"
                  "DiscussionPage=http://discuss.example/\r\n"
                  "TipsPage=%InstallDir%\\tips.htm\r\n"
                  "StyleFile=%InstallDir%\\style.css\r\n"
                  "StyleType=1\r\n"
                  "IgnoreColors=1\r\n"
                  "IgnoreFontStyles=0\r\n"
                  "IgnoreFontSizes=1\r\n"
                  "OpenExplorer=%InstallDir%\\open-browser.wav\r\n"
                  "OpenIExplore=%InstallDir%\\open-explorer.wav\r\n"
                  "Navigate=%InstallDir%\\navigate.wav\r\n"
                  "Activate=%InstallDir%\\activate.wav\r\n"
                  "New_Mail=%InstallDir%\\mail.wav\r\n"
                  "MSMessenger=%InstallDir%\\messenger-mail.wav\r\n"
                  "ContactOnline=%InstallDir%\\online.wav\r\n"
                  "NewAlert=%InstallDir%\\alert.wav\r\n"
                  "NewMessage=%InstallDir%\\message.wav\r\n"
                  "OnlineHelpURL=http://help.example/\r\n"
                  "WUCaption=None\r\n");
        return path;
    }

    std::string Text(HKEY root, const std::string& key, const std::string& value) {
        return RegistryProbe::Text(root, key, value).value_or("<missing>");
    }

    std::string folder;
};

TEST_F(FileActionsE2eTest, ApplyingAThemeWritesEveryAreaAndDecliningTheBrowserEnds) {
    const std::string theme = WriteTheme();
    RegistryProbe::SetText(HKEY_CURRENT_USER, kToolbar, "SmallBitmap", "C:\\old\\small.bmp");
    RegistryProbe::SetBinary(HKEY_CURRENT_USER, kToolbar + "\\WebBrowser", "ITBarLayout",
                             Layout(0x2C));
    RegistryProbe::SetBinary(HKEY_CURRENT_USER, kToolbar + "\\ShellBrowser", "ITBarLayout",
                             Layout(0x08));
    RegistryProbe::SetText(HKEY_CURRENT_USER, kPolicies, "Windows Update Menu Text", "Update");

    VelmoraProcess velmora("\"" + theme + "\"");
    ASSERT_TRUE(velmora.Started());
    const SeenBox question = velmora.WaitForBox();
    ASSERT_NE(question.window, nullptr);
    EXPECT_EQ(question.title, "Kelvary");
    EXPECT_EQ(question.text,
              "Apply the Theme - Deep Sea\r\nAuthor - E2E Tester\r\nDescription - \r\n"
              "Written by the end-to-end test.");
    EXPECT_TRUE(question.hasYes && question.hasNo);
    EXPECT_TRUE(question.systemModal);
    EXPECT_TRUE(question.questionIcon);
    EXPECT_FALSE(question.criticalIcon);
    // Nothing is written before the user agrees.
    EXPECT_FALSE(RegistryProbe::Text(HKEY_CURRENT_USER, kMark, "").has_value());
    ASSERT_TRUE(velmora.Press(question, IDYES));

    const SeenBox offer = velmora.WaitForBox();
    ASSERT_NE(offer.window, nullptr);
    EXPECT_EQ(offer.title, "Kelvary");
    EXPECT_EQ(offer.text,
              "Theme sucessfully loaded onto your computer.\r\nStart Internet Explorer?");
    EXPECT_TRUE(offer.hasYes && offer.hasNo);
    EXPECT_TRUE(offer.systemModal);
    ASSERT_TRUE(velmora.Press(offer, IDNO));
    ASSERT_TRUE(velmora.WaitForExit());

    const HKEY user = HKEY_CURRENT_USER;
    const HKEY machine = HKEY_LOCAL_MACHINE;
    const std::string dir = folder + "\\";
    // Toolbar pictures and throbbers: the explorer picture goes to "BackBitmap", the
    // browser's to "BackBitmapIE5"; "None" deletes.
    EXPECT_EQ(Text(user, kToolbar, "BackBitmap"), dir + "explorer.bmp");
    EXPECT_EQ(Text(user, kToolbar, "BackBitmapIE5"), dir + "toolbar.bmp");
    EXPECT_EQ(Text(user, kToolbar, "BigBitmap"), dir + "brandlarge.bmp");
    EXPECT_EQ(Text(user, kToolbar, "BrandBitmap"), dir + "anilarge.bmp");
    EXPECT_EQ(Text(user, kToolbar, "SmBrandBitmap"), dir + "anismall.bmp");
    EXPECT_FALSE(RegistryProbe::Text(user, kToolbar, "SmallBitmap").has_value());
    // Throbber flags: hidden in browser and shell windows; the theater layout, missing
    // before, starts from the browser layout and shows the throbber; no explorer layout.
    EXPECT_EQ(RegistryProbe::Binary(user, kToolbar + "\\WebBrowser", "ITBarLayout"), Layout(0x24));
    EXPECT_EQ(RegistryProbe::Binary(user, kToolbar + "\\ShellBrowser", "ITBarLayout"),
              Layout(0x00));
    EXPECT_EQ(RegistryProbe::Binary(user, kToolbar, "Theater"), Layout(0x2C));
    EXPECT_FALSE(RegistryProbe::Binary(user, kToolbar + "\\Explorer", "ITBarLayout").has_value());
    // Pages, search, tips and discussion.
    EXPECT_EQ(Text(user, kMain, "Window Title"), "Deep Sea Browser");
    EXPECT_EQ(Text(user, kMain, "Start Page"), dir + "start.htm");
    EXPECT_EQ(Text(user, kMain, "Local Page"), dir + "local.htm");
    EXPECT_EQ(Text(user, kMain, "Search Page"), "http://search.example/page");
    EXPECT_EQ(Text(user, kMain, "Search Bar"), "http://search.example/bar");
    EXPECT_EQ(Text(user, kIe + "\\SearchUrl", ""), "http://search.example/q?");
    EXPECT_EQ(Text(machine, kMachineSearch, "SearchAssistant"), "http://search.example/assistant");
    EXPECT_EQ(Text(machine, kMachineSearch, "CustomizeSearch"), "http://search.example/customize");
    EXPECT_EQ(Text(user, kUserTips, "Url"), dir + "tips.htm");
    EXPECT_EQ(Text(machine, kUserTips, "Url"), dir + "tips.htm");
    EXPECT_EQ(Text(machine, kDiscussion, "Url"), "http://discuss.example/");
    // Stylesheet and overrides: only the "1" overrides are switched on.
    EXPECT_EQ(Text(user, kStyles, "User StyleSheet"), dir + "style.css");
    EXPECT_EQ(RegistryProbe::Dword(user, kStyles, "Use My Stylesheet"), 1u);
    EXPECT_EQ(RegistryProbe::Dword(user, kSettings, "Always Use My Colors"), 1u);
    EXPECT_FALSE(RegistryProbe::Dword(user, kSettings, "Always Use My Font Face").has_value());
    EXPECT_EQ(RegistryProbe::Dword(user, kSettings, "Always Use My Font Size"), 1u);
    // Sounds, with the two program-open events crossed over.
    EXPECT_EQ(Text(user, kSounds + "Explorer\\Open\\.current", ""), dir + "open-explorer.wav");
    EXPECT_EQ(Text(user, kSounds + "IExplore\\Open\\.current", ""), dir + "open-browser.wav");
    EXPECT_EQ(Text(user, kSounds + "Explorer\\Navigating\\.current", ""), dir + "navigate.wav");
    EXPECT_EQ(Text(user, kSounds + "Explorer\\ActivatingDocument\\.current", ""),
              dir + "activate.wav");
    EXPECT_EQ(Text(user, kSounds + ".Default\\MailBeep\\.Current", ""), dir + "mail.wav");
    EXPECT_EQ(Text(user, kSounds + "MSNMSGR\\MSNMSGR_ContactOnline\\.Current", ""),
              dir + "online.wav");
    EXPECT_EQ(Text(user, kSounds + "MSNMSGR\\MSNMSGR_NewAlert\\.Current", ""), dir + "alert.wav");
    EXPECT_EQ(Text(user, kSounds + "MSNMSGR\\MSNMSGR_NewMail\\.Current", ""),
              dir + "messenger-mail.wav");
    EXPECT_EQ(Text(user, kSounds + "MSNMSGR\\MSNMSGR_NewMessage\\.Current", ""),
              dir + "message.wav");
    // Help link, a blanked Windows Update caption, and the current-theme mark.
    EXPECT_EQ(Text(machine, kHelpMenu, "Online_Support"), "http://help.example/");
    EXPECT_EQ(Text(user, kPolicies, "Windows Update Menu Text"), "");
    EXPECT_EQ(Text(user, kMark, ""), "Deep Sea");
}

TEST_F(FileActionsE2eTest, NoAtTheFirstQuestionChangesNothing) {
    const std::string theme = WriteTheme();
    RegistryProbe::SetText(HKEY_CURRENT_USER, kMain, "Start Page", "http://before.example/");
    RegistryProbe::SetBinary(HKEY_CURRENT_USER, kToolbar + "\\WebBrowser", "ITBarLayout",
                             Layout(0x2C));

    VelmoraProcess velmora("\"" + theme + "\"");
    const SeenBox question = velmora.WaitForBox();
    ASSERT_NE(question.window, nullptr);
    ASSERT_TRUE(velmora.Press(question, IDNO));
    EXPECT_TRUE(velmora.ShowsNoBoxWithin(2000));
    ASSERT_TRUE(velmora.WaitForExit());

    EXPECT_EQ(Text(HKEY_CURRENT_USER, kMain, "Start Page"), "http://before.example/");
    EXPECT_EQ(RegistryProbe::Binary(HKEY_CURRENT_USER, kToolbar + "\\WebBrowser", "ITBarLayout"),
              Layout(0x2C));
    for (const auto& ref : AppliedValues()) {
        if (ref.value == "Start Page" || ref.value == "ITBarLayout") continue;
        EXPECT_FALSE(ValueExists(ref)) << ref.key << " " << ref.value;
    }
}

TEST_F(FileActionsE2eTest, AMissingThemeFileGivesTheFailureMessage) {
    const std::string missing = folder + "\\missing.vlr";
    VelmoraProcess velmora("\"" + missing + "\"");
    const SeenBox failure = velmora.WaitForBox();
    ASSERT_NE(failure.window, nullptr);
    EXPECT_EQ(failure.title, "Kelvary");
    EXPECT_EQ(failure.text,
              "Failed to load and apply the Internet Explorer Theme file:\r\n" + missing);
    EXPECT_TRUE(failure.hasOk);
    EXPECT_FALSE(failure.hasYes || failure.hasNo);
    EXPECT_TRUE(failure.systemModal);
    EXPECT_TRUE(failure.criticalIcon);
    EXPECT_FALSE(failure.questionIcon);
    ASSERT_TRUE(velmora.Press(failure, IDOK));
    ASSERT_TRUE(velmora.WaitForExit());
    EXPECT_FALSE(ValueExists({HKEY_CURRENT_USER, kMark, ""}));
}

TEST_F(FileActionsE2eTest, ABitmapBecomesBothToolbarBackgrounds) {
    const std::string bitmap = folder + "\\Sky Line.bmp";
    WriteFile(bitmap, "BM not examined");

    VelmoraProcess velmora("\"" + bitmap + "\"");
    const SeenBox question = velmora.WaitForBox();
    ASSERT_NE(question.window, nullptr);
    EXPECT_EQ(question.title, "Kelvary");
    EXPECT_EQ(question.text, "Make this image your Toolbar skin?");
    EXPECT_TRUE(question.hasYes && question.hasNo && question.systemModal);
    EXPECT_TRUE(question.questionIcon);
    ASSERT_TRUE(velmora.Press(question, IDYES));

    const SeenBox offer = velmora.WaitForBox();
    ASSERT_NE(offer.window, nullptr);
    EXPECT_EQ(offer.text,
              "Image sucessfully set as your toolbar skin.\r\nStart Internet Explorer?");
    EXPECT_TRUE(offer.hasYes && offer.hasNo && offer.systemModal);
    ASSERT_TRUE(velmora.Press(offer, IDNO));
    ASSERT_TRUE(velmora.WaitForExit());

    EXPECT_EQ(Text(HKEY_CURRENT_USER, kToolbar, "BackBitmap"), bitmap);
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kToolbar, "BackBitmapIE5"), bitmap);
}

TEST_F(FileActionsE2eTest, AMissingBitmapEndsWithoutAWord) {
    VelmoraProcess velmora("\"" + folder + "\\no such picture.bmp\"");
    EXPECT_TRUE(velmora.ShowsNoBoxWithin(15000));
    EXPECT_TRUE(velmora.WaitForExit(1000));
    EXPECT_FALSE(ValueExists({HKEY_CURRENT_USER, kToolbar, "BackBitmap"}));
}

TEST_F(FileActionsE2eTest, ASecondInstanceDoesNothingAtAll) {
    const std::string theme = WriteTheme();
    const std::string bitmap = folder + "\\second.bmp";
    WriteFile(bitmap, "BM");

    VelmoraProcess first("\"" + theme + "\"");
    const SeenBox question = first.WaitForBox();
    ASSERT_NE(question.window, nullptr);

    VelmoraProcess second("\"" + bitmap + "\"");
    ASSERT_TRUE(second.Started());
    EXPECT_TRUE(second.WaitForExit(15000));
    EXPECT_TRUE(second.ShowsNoBoxWithin(0));
    EXPECT_FALSE(ValueExists({HKEY_CURRENT_USER, kToolbar, "BackBitmap"}));
    // The first instance is neither told nor disturbed.
    EXPECT_TRUE(IsWindow(question.window));

    ASSERT_TRUE(first.Press(question, IDNO));
    ASSERT_TRUE(first.WaitForExit());
}

TEST_F(FileActionsE2eTest, TheOceanSampleThemeIsAppliedUnderItsTitle) {
    const std::string ocean = VELMORA_SOURCE_DIR "\\themes\\Ocean\\Ocean.vlr";
    ASSERT_NE(GetFileAttributesA(ocean.c_str()), INVALID_FILE_ATTRIBUTES) << ocean;
    char title[256] = {};
    GetPrivateProfileStringA("Velmora", "ThemeTitle", "", title, sizeof title, ocean.c_str());
    char author[256] = {};
    GetPrivateProfileStringA("Velmora", "Author", "", author, sizeof author, ocean.c_str());

    VelmoraProcess velmora("\"" + ocean + "\"");
    const SeenBox question = velmora.WaitForBox();
    ASSERT_NE(question.window, nullptr);
    EXPECT_EQ(question.text.rfind("Apply the Theme - " + std::string(title) + "\r\nAuthor - " +
                                      author + "\r\nDescription - \r\n",
                                  0),
              0u)
        << question.text;
    ASSERT_TRUE(velmora.Press(question, IDYES));
    const SeenBox offer = velmora.WaitForBox();
    ASSERT_NE(offer.window, nullptr);
    ASSERT_TRUE(velmora.Press(offer, IDNO));
    ASSERT_TRUE(velmora.WaitForExit());
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kMark, ""), title);
}

}  // namespace
}  // namespace velmora::e2e
