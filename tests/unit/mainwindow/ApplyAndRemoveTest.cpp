// Applying, uninstalling, forgetting and adding themes from the main window, as user stories
// against the in-memory registry, simulated browsers and scripted dialogs.
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "tests/unit/mainwindow/MainWindowTestBed.h"

namespace velmora::test {
namespace {

const std::string kWebBrowser = kToolbarKey + "\\WebBrowser";
const std::string kStyles = "Software\\Microsoft\\Internet Explorer\\Styles";
const std::string kNavigating = "AppEvents\\Schemes\\Apps\\Explorer\\Navigating\\.current";
const std::string kUninstaller = "C:\\Themes\\Ocean\\unins.exe";

class ApplyAndRemoveTest : public ::testing::Test, protected MainWindowTestBed {
protected:
    void SeedLayout(const std::string& key, const std::string& name, std::size_t size,
                    std::uint8_t byte16) {
        std::vector<std::uint8_t> bytes(size + 1, 0);  // the spare last element is not stored
        if (size > 16) bytes[16] = byte16;
        cRegistry(platform).WriteRegistry(kHkeyCurrentUser, key, name, 3, bytes);
    }
    std::string Layout(const std::string& key, const std::string& name) {
        return User(key, name);  // hexadecimal pairs, or "Not Found"
    }
    std::vector<std::string> Entries() { return window.List1.Items(); }
};

TEST_F(ApplyAndRemoveTest, ApplyingOceanWithoutWebSoundsWritesTheOtherAreasAndReopensBrowsers) {
    Install("Ocean", {{"BackBitmap", "C:\\o.bmp"}, {"WESkin", "C:\\we.bmp"},
                      {"HomePage", "http://ocean"},
                      {"StyleFile", "C:\\o.css"}, {"Navigate", "C:\\o.wav"}});
    const auto left = browsers.OpenBrowser("http://left", 0, 0, 500, 400);
    const auto right = browsers.OpenBrowser("http://right", 500, 0, 500, 400);
    desktop.SetForeground(right->Handle());
    window.Form_Load();
    Select("Ocean");
    window.chkLink[6].SetValue(0);
    window.chkLink_Click(6);

    // The user closes the companion while the apply runs: the window stays.
    registry.InjectFault(RegCall::SetValueEx, [&]() -> std::optional<long> {
        EXPECT_TRUE(window.Applying());
        right->UserCloses();
        return std::nullopt;
    });
    window.cmdApply_Click();
    registry.ClearFaults();

    EXPECT_EQ(User(kToolbarKey, "BackBitmapIE5"), "C:\\o.bmp");
    EXPECT_EQ(User(kMainKey, "Start Page"), "http://ocean");
    EXPECT_EQ(User(kStyles, "User StyleSheet"), "C:\\o.css");
    EXPECT_EQ(User(kNavigating, ""), "Not Found");
    EXPECT_EQ(User(kMarkKey, ""), "Ocean");
    EXPECT_EQ(host.closes, 0);
    EXPECT_FALSE(window.Applying() || dialogs.Busy() || window.cmdApply.Enabled());
    EXPECT_EQ(host.focus, &window.List1);
    EXPECT_EQ(host.broughtToFront, 1);
    ASSERT_EQ(browsers.OpenBrowsers().size(), 1u);  // the left one, reopened
    EXPECT_EQ(browsers.OpenBrowsers()[0]->Location(), "http://left");
    EXPECT_TRUE(left->Closed());
    EXPECT_FALSE(window.Companion()->Hwnd() == 0 || browsers.OpenBrowsers()[0]->Enabled());
}

TEST_F(ApplyAndRemoveTest, TheNoThemeApplyPutsTheBrowserDefaultsBack) {
    for (const char* name : {"BackBitmap", "BackBitmapIE5", "BigBitmap", "BrandBitmap",
                             "SmallBitmap", "SmBrandBitmap"}) {
        Seed(kToolbarKey, name, "C:\\x.bmp");
    }
    Seed(kMainKey, "Window Title", "Ocean");
    Seed(kMainKey, "Local Page", "C:\\mine.htm");
    Seed(kStyles, "User StyleSheet", "C:\\o.css");
    Seed(kNavigating, "", "C:\\o.wav");
    SeedMachine(kMainKey, "Start Page", "http://machine");
    SeedMachine(kMainKey, "Search Page", "http://search");
    SeedMachine(kMainKey, "Default_Search_URL", "http://find");
    SeedLayout(kWebBrowser, "ITBarLayout", 20, 0x17);
    SeedLayout(kToolbarKey + "\\Explorer", "ITBarLayout", 16, 0x00);
    window.LoadThemeList("[None]");
    window.cmdApply_Click();

    for (const char* name : {"BackBitmap", "BackBitmapIE5", "BigBitmap", "BrandBitmap",
                             "SmallBitmap", "SmBrandBitmap"}) {
        EXPECT_EQ(User(kToolbarKey, name), "Not Found") << name;
    }
    EXPECT_EQ(Strings({User(kMarkKey, ""), User(kMainKey, "Window Title"),
                       User(kStyles, "User StyleSheet"), User(kStyles, "Use My Stylesheet"),
                       User(kMainKey, "Start Page"), User(kMainKey, "Local Page"),
                       User(kMainKey, "Search Page"), User(kMainKey, "Search Bar"),
                       User("Software\\Microsoft\\Internet Explorer\\SearchURL", ""),
                       User(kNavigating, "")}),
              (Strings{"[None]", "", "", "00000000", "http://machine", "C:\\mine.htm",
                       "http://search", "Not Found", "http://find", "Not Found"}));
    EXPECT_EQ(Layout(kWebBrowser, "ITBarLayout"),
              "00000000000000000000000000000000" "1F000000");
    EXPECT_EQ(Layout(kToolbarKey, "Theater"), "Not Found");
    EXPECT_EQ(Layout(kToolbarKey + "\\Explorer", "ITBarLayout"), std::string(32, '0'));
    EXPECT_EQ(browsers.Created().size(), 1u);  // no browser was open: a new companion
    EXPECT_EQ(host.broughtToFront, 1);
}

TEST_F(ApplyAndRemoveTest, UninstallAsksRunsTheUninstallerAndForgetsTheThemeOnlyOnceItStarted) {
    const MessageRequest question{"Are you sure you want to remove this Theme - \r\n\r\nOcean",
                                  "Kelvary", MsgButtons::YesNo, MsgIcon::Question, true};
    const std::string refresh =
        "Internet Explorer needs to be refreshed for the changes to take effect.";
    struct Case {
        MsgAnswer answer;
        bool starts;
        Strings started;
        bool kept;
        std::size_t boxes;
    };
    const Case cases[] = {
        {MsgAnswer::No, true, {}, true, 1},
        {MsgAnswer::Yes, false, {kUninstaller + " /SILENT"}, true, 2},
        {MsgAnswer::Yes, true, {kUninstaller + " /SILENT"}, false, 2},
    };
    themes.files.AddFile(kUninstaller, "MZ");
    for (const Case& c : cases) {
        Install("Ocean", {}, kUninstaller);
        window.LoadThemeList("Ocean");
        dialogs = {};
        dialogs.Script({c.answer});
        shell.started.clear();
        shell.startSucceeds = c.starts;
        window.cmdUnInstall_Click();
        EXPECT_EQ(shell.started, c.started);
        EXPECT_EQ(Machine(*InstalledThemeStore::EntryKey("Ocean"), "") != "Not Found", c.kept);
        ASSERT_EQ(dialogs.Shown().size(), c.boxes);
        const MessageRequest& asked = dialogs.Shown()[0];
        EXPECT_EQ(std::tie(asked.text, asked.title, asked.buttons, asked.icon, asked.systemModal),
                  std::tie(question.text, question.title, question.buttons, question.icon,
                           question.systemModal));
        EXPECT_EQ(window.List1.ListIndex(), c.kept ? 2 : 0);
        EXPECT_FALSE(dialogs.Busy());
    }
    EXPECT_EQ(Texts()[1], refresh);
    EXPECT_EQ(dialogs.Shown()[1].icon, MsgIcon::Critical);
    EXPECT_EQ(Entries(), (Strings{".Current", "[None]"}));
    EXPECT_EQ(window.txtThemeTitle.Text(), "Not Found");
}

TEST_F(ApplyAndRemoveTest, DeleteAsksAndForgetsOnlyStoredThemes) {
    Install("Ocean");
    window.LoadThemeList("Ocean");
    dialogs.Script({MsgAnswer::No, MsgAnswer::Yes});
    window.pmuTools_Click(0);
    EXPECT_EQ(Entries().size(), 3u);
    window.pmuTools_Click(0);
    EXPECT_EQ(Texts(), Strings(2, "Are you sure that you want to remove this Theme - \r\nOcean."));
    EXPECT_EQ(Entries(), (Strings{".Current", "[None]"}));
    EXPECT_EQ(window.List1.ListIndex(), 0);
    EXPECT_FALSE(dialogs.Shown()[0].systemModal);

    window.RemoveTheme(1, true);
    window.RemoveTheme(5, true);
    window.pmuTools_Click(0);
    EXPECT_EQ(Texts().size(), 2u);
}

TEST_F(ApplyAndRemoveTest, OpeningAThemeFileRecordsAndSelectsIt) {
    themes.AddTheme("C:\\a\\Ocean.vlr", {{"ThemeTitle", "Ocean"}, {"Author", "A"}});
    themes.AddTheme("C:\\b\\ocean2.vlr", {{"ThemeTitle", "ocean"}});
    themes.AddTheme("C:\\c\\none.vlr", {});
    themes.AddTheme("C:\\d\\bad.vlr", {{"ThemeTitle", "a\\b"}});
    struct Case {
        std::optional<std::string> chosen;
        Strings entries;
        std::string selected;
        std::size_t boxes;
    };
    const Case cases[] = {
        {"C:\\a\\Ocean.vlr", {".Current", "[None]", "Ocean"}, "Ocean", 0},
        {"C:\\b\\ocean2.vlr", {".Current", "[None]", "Ocean"}, "Ocean", 0},
        {std::nullopt, {".Current", "[None]", "Ocean"}, "Ocean", 0},
        {"C:\\c\\none.vlr", {".Current", "[None]", "[Untitled]", "Ocean"}, "[Untitled]", 0},
        {"C:\\d\\bad.vlr", {".Current", "[None]", "[Untitled]", "Ocean"}, ".Current", 1},
    };
    for (const Case& c : cases) {
        dialogs.fileChoice = c.chosen;
        window.pmuFile_Click(0);
        EXPECT_EQ(Entries(), c.entries);
        EXPECT_EQ(window.List1.SelectedText(), c.selected);
        EXPECT_EQ(dialogs.Shown().size(), c.boxes);
    }
    EXPECT_EQ(Machine(*InstalledThemeStore::EntryKey("Ocean"), ""), "C:\\b\\ocean2.vlr");
    const OpenFileRequest& request = dialogs.fileRequests.at(0);
    EXPECT_EQ(Strings({request.fileName, request.title, request.filter, request.defaultExt}),
              (Strings{"", "Open an Internet Explorer Theme file..",
                       "Internet Explorer Theme Files|*.vlr", "vlr"}));
    EXPECT_EQ(request.flags, 0x1804ul);

    registry.FailWith(RegCall::SetValueEx, 5);  // no rights on the machine's keys
    themes.AddTheme("C:\\e\\Blue.vlr", {{"ThemeTitle", "Blue"}});
    dialogs.fileChoice = "C:\\e\\Blue.vlr";
    window.pmuFile_Click(0);
    EXPECT_EQ(Texts().back(),
              "The Theme \"Blue\" could not be added to the installed Themes.\r\nC:\\e\\Blue.vlr");
    EXPECT_EQ(window.List1.ListIndex(), 0);
}

}  // namespace
}  // namespace velmora::test
