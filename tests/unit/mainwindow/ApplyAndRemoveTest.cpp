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
const std::string kPictures[] = {"BackBitmap",  "BackBitmapIE5", "BigBitmap",
                                 "BrandBitmap", "SmallBitmap",   "SmBrandBitmap"};

class ApplyAndRemoveTest : public ::testing::Test, protected MainWindowTestBed {
protected:
    void SeedLayout(const std::string& key, std::size_t size, std::uint8_t byte16) {
        std::vector<std::uint8_t> bytes(size + 1, 0);  // the spare last element is not stored
        if (size > 16) bytes[16] = byte16;
        cRegistry(platform).WriteRegistry(kHkeyCurrentUser, key, "ITBarLayout", 3, bytes);
    }
    std::string Stored(const std::string& title) {
        return cRegistry(platform).ReadRegistry(kHkeyLocalMachine,
                                                *InstalledThemeStore::EntryKey(title), "");
    }
};

TEST_F(ApplyAndRemoveTest, ApplyingOceanWithoutWebSoundsWritesTheOtherAreasAndReopensBrowsers) {
    Install("Ocean", {{"BackBitmap", "C:\\o.bmp"},
                      {"WESkin", "C:\\we.bmp"},
                      {"HomePage", "http://o"},
                      {"StyleFile", "C:\\o.css"},
                      {"Navigate", "C:\\o.wav"}});
    const auto left = browsers.OpenBrowser("http://left", 0, 0, 500, 400);
    const auto right = browsers.OpenBrowser("http://right", 500, 0, 500, 400);
    desktop.SetForeground(right->Handle());
    window.Form_Load();
    Select("Ocean");
    window.chkLink[6].SetValue(0);
    window.chkLink_Click(6);

    // The user closes the companion while the apply runs: the window stays.
    registry.InjectFault(RegCall::SetValueEx, [&]() -> std::optional<long> {
        EXPECT_TRUE(window.Applying() && dialogs.Busy());
        right->UserCloses();
        return std::nullopt;
    });
    window.cmdApply_Click();
    registry.ClearFaults();

    EXPECT_EQ(
        Strings({User(kToolbarKey, "BackBitmapIE5"), User(kMainKey, "Start Page"),
                 User(kStyles, "User StyleSheet"), User(kNavigating, ""), User(kMarkKey, "")}),
        (Strings{"C:\\o.bmp", "http://o", "C:\\o.css", "Not Found", "Ocean"}));
    EXPECT_EQ(host.closes, 0);
    EXPECT_FALSE(window.Applying() || dialogs.Busy() || window.cmdApply.Enabled());
    EXPECT_EQ(host.focus, &window.List1);
    EXPECT_EQ(host.broughtToFront, 1);
    const auto reopened = browsers.OpenBrowsers();  // the left one only: the right one was closed
    ASSERT_EQ(reopened.size(), 1u);
    EXPECT_TRUE(left->Closed() && window.Companion().get() == reopened[0].get());
    EXPECT_EQ(reopened[0]->Location() + (reopened[0]->Enabled() ? " enabled" : " disabled"),
              "http://left disabled");
}

TEST_F(ApplyAndRemoveTest, TheNoThemeApplyPutsTheBrowserDefaultsBack) {
    for (const std::string& name : kPictures) Seed(kToolbarKey, name, "C:\\x.bmp");
    Seed(kMainKey, "Window Title", "Ocean");
    Seed(kMainKey, "Local Page", "C:\\mine.htm");
    Seed(kStyles, "User StyleSheet", "C:\\o.css");
    Seed(kNavigating, "", "C:\\o.wav");
    SeedMachine(kMainKey, "Start Page", "http://machine");
    SeedMachine(kMainKey, "Search Page", "http://search");
    SeedMachine(kMainKey, "Search Bar", "http://bar");
    SeedMachine(kMainKey, "Default_Search_URL", "http://find");
    SeedLayout(kWebBrowser, 20, 0x17);
    SeedLayout(kToolbarKey + "\\ShellBrowser", 20, 0x1F);
    SeedLayout(kToolbarKey + "\\Explorer", 16, 0x00);
    window.LoadThemeList("[None]");
    const std::size_t writesBefore = registry.Calls(RegCall::SetValueEx);
    window.cmdApply_Click();

    for (const std::string& name : kPictures)
        EXPECT_EQ(User(kToolbarKey, name), "Not Found") << name;
    EXPECT_EQ(Strings({User(kMarkKey, ""), User(kMainKey, "Window Title"),
                       User(kStyles, "User StyleSheet"), User(kStyles, "Use My Stylesheet"),
                       User(kMainKey, "Start Page"), User(kMainKey, "Local Page"),
                       User(kMainKey, "Search Page"), User(kMainKey, "Search Bar"),
                       User("Software\\Microsoft\\Internet Explorer\\SearchURL", ""),
                       User(kNavigating, "")}),
              (Strings{"[None]", "", "", "00000000", "http://machine", "C:\\mine.htm",
                       "http://search", "http://bar", "http://find", "Not Found"}));
    EXPECT_EQ(User(kWebBrowser, "ITBarLayout"), std::string(32, '0') + "1F000000");
    EXPECT_EQ(User(kToolbarKey, "Theater"), "Not Found");
    EXPECT_EQ(User(kToolbarKey + "\\Explorer", "ITBarLayout"), std::string(32, '0'));
    // Mark, stylesheet (2), start page, title, search address, search bar and page, browser
    // layout.
    EXPECT_EQ(registry.Calls(RegCall::SetValueEx) - writesBefore, 9u);
    EXPECT_EQ(host.broughtToFront, 1);
}

TEST_F(ApplyAndRemoveTest, UninstallAsksRunsTheUninstallerAndForgetsTheThemeOnlyOnceItStarted) {
    const std::string uninstaller = "C:\\unins.exe";
    files.AddFile(uninstaller, "MZ");
    registry.InjectFault(RegCall::DeleteKey, [this]() -> std::optional<long> {
        EXPECT_TRUE(dialogs.Busy());  // the hourglass while the theme is forgotten
        return std::nullopt;
    });
    const std::tuple<MsgAnswer, bool, Strings, std::string> cases[] = {
        {MsgAnswer::No, true, {}, "C:\\Themes\\Ocean.vlr"},
        {MsgAnswer::Yes, false, {uninstaller + " /SILENT"}, "C:\\Themes\\Ocean.vlr"},
        {MsgAnswer::Yes, true, {uninstaller + " /SILENT"}, "Not Found"},
    };
    for (const auto& [answer, starts, started, stored] : cases) {
        Install("Ocean", {}, uninstaller);
        window.LoadThemeList("Ocean");
        dialogs = {};
        dialogs.beforeEach = [this](const MessageRequest&) { EXPECT_FALSE(dialogs.Busy()); };
        dialogs.Script({answer});
        shell.started.clear();
        shell.startSucceeds = starts;
        window.cmdUnInstall_Click();
        EXPECT_EQ(shell.started, started);
        EXPECT_EQ(Stored("Ocean"), stored);
        const MessageRequest& asked = dialogs.Shown().at(0);
        EXPECT_EQ(std::tie(asked.text, asked.title, asked.buttons, asked.icon, asked.systemModal),
                  std::make_tuple("Are you sure you want to remove this Theme - \r\n\r\nOcean",
                                  "Kelvary", MsgButtons::YesNo, MsgIcon::Question, true));
        EXPECT_EQ(dialogs.Shown().size(), answer == MsgAnswer::Yes ? 2u : 1u);
        EXPECT_FALSE(dialogs.Busy());
    }
    EXPECT_EQ(Texts()[1],
              "Internet Explorer needs to be refreshed for the changes to take effect.");
    EXPECT_EQ(dialogs.Shown()[1].icon, MsgIcon::Critical);
    EXPECT_EQ(window.List1.Items(), (Strings{".Current", "[None]"}));
    EXPECT_EQ(window.List1.ListIndex(), 0);
    EXPECT_EQ(browsers.Created().size(), 1u);
}

TEST_F(ApplyAndRemoveTest, DeleteAsksAndForgetsOnlyStoredThemes) {
    Install("Ocean");
    window.LoadThemeList("Ocean");
    registry.InjectFault(RegCall::EnumKey, [this]() -> std::optional<long> {
        EXPECT_TRUE(dialogs.Busy());  // the hourglass while the list is built
        return std::nullopt;
    });
    dialogs.Script({MsgAnswer::No, MsgAnswer::Yes});
    window.pmuTools_Click(0);
    EXPECT_EQ(window.List1.ListCount(), 3);
    window.pmuTools_Click(0);
    EXPECT_EQ(Texts(), Strings(2, "Are you sure that you want to remove this Theme - \r\nOcean."));
    EXPECT_EQ(window.List1.Items(), (Strings{".Current", "[None]"}));
    EXPECT_EQ(window.List1.ListIndex(), 0);
    EXPECT_FALSE(dialogs.Shown()[0].systemModal);

    window.RemoveTheme(1, true);
    window.RemoveTheme(5, true);
    window.pmuTools_Click(0);
    EXPECT_EQ(Texts().size(), 2u);
}

TEST_F(ApplyAndRemoveTest, OpeningAThemeFileRecordsAndSelectsIt) {
    AddTheme("C:\\a\\Ocean.vlr", {{"ThemeTitle", "Ocean"}});
    AddTheme("C:\\b\\ocean2.vlr", {{"ThemeTitle", "ocean"}});
    AddTheme("C:\\c\\none.vlr", {});
    AddTheme("C:\\d\\bad.vlr", {{"ThemeTitle", "a\\b"}});
    const std::tuple<std::optional<std::string>, std::size_t, std::string> cases[] = {
        {"C:\\a\\Ocean.vlr", 3, "Ocean"},     {"C:\\b\\ocean2.vlr", 3, "Ocean"},
        {std::nullopt, 3, "Ocean"},           {"C:\\gone.vlr", 3, "Ocean"},
        {"C:\\c\\none.vlr", 4, "[Untitled]"}, {"C:\\d\\bad.vlr", 4, ".Current"},
    };
    for (const auto& [chosen, entries, selected] : cases) {
        dialogs.fileChoice = chosen;
        window.pmuFile_Click(0);
        EXPECT_EQ(window.List1.ListCount(), static_cast<int>(entries));
        EXPECT_EQ(window.List1.SelectedText(), selected);
    }
    EXPECT_EQ(Stored("Ocean"), "C:\\b\\ocean2.vlr");
    EXPECT_EQ(
        Texts(),
        Strings{
            "The Theme \"a\\b\" could not be added to the installed Themes.\r\nC:\\d\\bad.vlr"});
    const OpenFileRequest& request = dialogs.fileRequests.at(0);
    EXPECT_EQ(std::tie(request.fileName, request.title, request.filter, request.defaultExt,
                       request.flags),
              std::make_tuple("", "Open an Internet Explorer Theme file..",
                              "Internet Explorer Theme Files|*.vlr", "vlr", 0x1804ul));

    registry.FailWith(RegCall::SetValueEx, 5);  // no rights on the machine's keys
    AddTheme("C:\\e\\Blue.vlr", {{"ThemeTitle", "Blue"}});
    dialogs.fileChoice = "C:\\e\\Blue.vlr";
    window.pmuFile_Click(0);
    EXPECT_EQ(Texts().size(), 2u);
    EXPECT_EQ(window.List1.ListIndex(), 0);
}

}  // namespace
}  // namespace velmora::test
