// The main window's menus: captions and window texts, the states set when a menu opens, the
// pop-ups, and the repairs they start.
#include <gtest/gtest.h>

#include <cstdint>

#include "tests/unit/mainwindow/MainWindowTestBed.h"

namespace velmora::test {
namespace {

class MenusTest : public ::testing::Test, protected MainWindowTestBed {};

TEST_F(MenusTest, LoadSetsEveryCaptionAndWindowText) {
    Seed(kMainKey, "Start Page", "http://cur");
    window.Form_Load();
    window.pmuRepair_Click(0);  // the start-page sub-menu opens
    std::string texts;
    const auto add = [&texts](const auto& controls) {
        for (const auto& control : controls) texts += control.Text() + "|";
    };
    for (const ui::MenuItem* top : {&window.mnuFile, &window.mnuEdit, &window.mnuRepair,
                                    &window.mnuTools, &window.mnuHelp, &window.mnuToolbar})
        texts += top->Caption() + "|";
    add(window.pmuFile), add(window.pmuEdit), add(window.pmuRepair), add(window.pmuHome);
    add(window.pmuLayout), add(window.pmuTools), add(window.pmuHelp), add(window.pmuToolbar);
    add(window.Label1), add(window.chkLink);
    for (const ui::Button* button : {&window.cmdCancel, &window.cmdApply, &window.cmdUnInstall})
        texts += button->Text() + "|";
    EXPECT_EQ(texts,
              "&File|&Edit|&Repair|Tools|&Help|Toolbar|&Open|&Edit|-|E&xit|Select Toolbar S&kin|"
              "Turn Throbbers &On|Turn Throbbers O&ff|Use &Stylesheet Extensions|"
              "Select &Click Sound...|Reset &Home Page to...|&Enable/Disable Home Page Changes|"
              "Reset &Window Placement|Reset &Toolbar Layout|&Blank - about:blank|"
              "&Mozilla - about:mozilla|&Current - http://cur|&Default - Not Found|B&rowse...|"
              "&1 - Thick|&2 - Thin|&Delete|&Properties|&About|Visit our Gallery|"
              "Check for Updates|-|On-line Info|Copy Image to Clipboard|Title:|Author:|"
              "Web Site:|Description:|Home Page|Search Settings|Tips Page|Document Skin|"
              "Throbbers|Toolbar Skins|Web Sounds|Close|&Apply|Uninstall|");
    EXPECT_FALSE(window.mnuTools.Visible() || window.mnuToolbar.Visible() ||
                 !window.mnuFile.Visible());
}

TEST_F(MenusTest, EntryStatesAndPopUpsFollowTheSelectedEntry) {
    Install("Ocean");
    InstalledThemeStore(platform).AddEntry(".current", "C:\\x.vlr");
    const std::pair<std::string, std::string> cases[] = {// File Edit, Skin, Delete, Properties
                                                         {".current", "0101"},
                                                         {"[None]", "0001"},
                                                         {"Ocean", "1010"},
                                                         {"", "0001"}};
    window.LoadThemeList("");
    for (const auto& [entry, states] : cases) {
        Select(entry);
        window.mnuFile_Click();
        window.mnuEdit_Click();
        window.List1_MouseDown(kRightButton);
        std::string seen;
        for (const ui::MenuItem* item :
             {&window.pmuFile[1], &window.pmuEdit[0], &window.pmuTools[0], &window.pmuTools[1]})
            seen += item->Enabled() ? '1' : '0';
        EXPECT_EQ(seen, states) << entry;
        EXPECT_EQ(host.popups.back(), &window.pmuTools[0]);
        window.imgExplorer_MouseDown(kRightButton);  // the Edit pop-up only over the current theme
        EXPECT_EQ(host.popups.back(),
                  entry == ".current" ? &window.pmuEdit[0] : &window.pmuTools[0]);
    }
    host.popups.clear();
    window.List1_MouseDown(kLeftButton);
    Select(".current");
    window.imgExplorer_MouseDown(kLeftButton);
    EXPECT_TRUE(host.popups.empty());
}

TEST_F(MenusTest, TheStylesheetEntryIsTickedForANonZeroNumber) {
    const std::pair<RegValue, bool> cases[] = {{std::int64_t{1}, true},
                                               {std::int64_t{0}, false},
                                               {std::string("abc"), false},
                                               {std::string(" 2 "), true},
                                               {std::vector<std::uint8_t>{1, 0}, true}};
    window.mnuEdit_Click();
    EXPECT_FALSE(window.pmuEdit[3].Checked());
    for (const auto& [value, ticked] : cases) {
        const long kind = value.index() == 0 ? 1 : value.index() == 1 ? 4 : 3;
        cRegistry(platform).WriteRegistry(kHkeyCurrentUser,
                                          "Software\\Microsoft\\Internet Explorer\\Styles",
                                          "Use My Stylesheet", kind, value);
        window.mnuEdit_Click();
        EXPECT_EQ(window.pmuEdit[3].Checked(), ticked) << value.index();
    }
}

TEST_F(MenusTest, ToolbarLayoutResetsWriteTheDefaultLayoutLockAndReopen) {
    // Bytes 16, 33, 40, 56, 57, 68 and 80 of each kind.
    const std::pair<int, std::string> cases[] = {{0, "1F0262A00F0039"}, {1, "1F026AB901C778"}};
    for (const auto& [entry, bytes] : cases) {
        Seed(kToolbarKey, "Locked", "0");
        window.pmuLayout_Click(entry);
        const std::string stored = User(kToolbarKey + "\\WebBrowser", "ITBarLayout");
        EXPECT_EQ(stored.size(), 564u * 2);
        std::string picked;
        for (const std::size_t offset : {16, 33, 40, 56, 57, 68, 80})
            picked += stored.substr(offset * 2, 2);
        EXPECT_EQ(picked, bytes);
        for (const char* key : {"\\ShellBrowser", "\\Explorer"})
            EXPECT_EQ(User(kToolbarKey + key, "ITBarLayout"), stored);
        EXPECT_EQ(User(kToolbarKey, "Theater"), stored);
        EXPECT_EQ(User(kToolbarKey, "Locked"), "00000001");
    }
    EXPECT_EQ(browsers.Created().size(), 2u);
    EXPECT_EQ(host.broughtToFront, 2);
    EXPECT_FALSE(dialogs.Busy());
}

TEST_F(MenusTest, WindowPlacementIsForgottenOnlyAfterYes) {
    const std::string areas = "Software\\Microsoft\\Internet Explorer\\Desktop\\oldWorkAreas";
    Seed(kMainKey, "window_placement", "p");
    Seed(areas, "OldWorkAreaRects", "r");
    Seed(kToolbarKey, "Theater", "t");
    dialogs.Script({MsgAnswer::No, MsgAnswer::Yes, MsgAnswer::Yes});
    registry.InjectFault(RegCall::DeleteValue, [this]() -> std::optional<long> {
        EXPECT_TRUE(dialogs.Busy());
        return std::nullopt;
    });
    window.pmuRepair_Click(2);
    EXPECT_EQ(User(kMainKey, "window_placement"), "p");
    window.pmuRepair_Click(2);
    window.pmuRepair_Click(2);
    EXPECT_EQ(User(kMainKey, "window_placement") + User(areas, "OldWorkAreaRects") +
                  User(kToolbarKey, "Theater"),
              "Not FoundNot Foundt");
    EXPECT_EQ(
        Texts(),
        Strings(3,
                "This option will reset Internet Explorers' Window Placement.\r\nAre you sure?"));
    EXPECT_TRUE(dialogs.Shown()[0].systemModal);
    EXPECT_FALSE(dialogs.Busy());
}

TEST_F(MenusTest, ExitClosesAndTheEntriesStillToComeDoNothing) {
    window.LoadThemeList("");
    const std::size_t writes = Writes();
    window.pmuFile_Click(1);
    for (int i = 0; i < 5; ++i) window.pmuEdit_Click(i), window.pmuHome_Click(i);
    window.pmuRepair_Click(1), window.pmuRepair_Click(3), window.pmuHelp_Click(0);
    window.pmuToolbar_Click(0), window.pmuTools_Click(1), window.pmuLayout_Click(2);
    EXPECT_EQ(Writes(), writes);
    EXPECT_TRUE(dialogs.Shown().empty() && !host.ended && host.closes == 0);
    window.pmuFile_Click(3);
    EXPECT_EQ(host.closes, 1);
}

}  // namespace
}  // namespace velmora::test
