// The main window's menus: captions and window texts, the states set when a menu opens, the
// pop-ups, and the repairs they start.
#include <gtest/gtest.h>

#include <cstdint>

#include "tests/unit/mainwindow/MainWindowTestBed.h"

namespace velmora::test {
namespace {

template <std::size_t N>
Strings Captions(const std::array<ui::MenuItem, N>& entries) {
    Strings captions;
    for (const ui::MenuItem& entry : entries) captions.push_back(entry.Caption());
    return captions;
}

class MenusTest : public ::testing::Test, protected MainWindowTestBed {};

TEST_F(MenusTest, LoadSetsEveryCaptionAndWindowText) {
    window.Form_Load();
    const ui::MenuItem* tops[] = {&window.mnuFile, &window.mnuEdit, &window.mnuRepair,
                                  &window.mnuTools, &window.mnuHelp, &window.mnuToolbar};
    Strings topCaptions;
    for (const ui::MenuItem* top : tops) topCaptions.push_back(top->Caption());
    EXPECT_EQ(topCaptions, (Strings{"&File", "&Edit", "&Repair", "Tools", "&Help", "Toolbar"}));
    EXPECT_FALSE(window.mnuTools.Visible() || window.mnuToolbar.Visible());
    EXPECT_EQ(Captions(window.pmuFile), (Strings{"&Open", "&Edit", "-", "E&xit"}));
    EXPECT_EQ(Captions(window.pmuEdit),
              (Strings{"Select Toolbar S&kin", "Turn Throbbers &On", "Turn Throbbers O&ff",
                       "Use &Stylesheet Extensions", "Select &Click Sound..."}));
    EXPECT_EQ(Captions(window.pmuRepair),
              (Strings{"Reset &Home Page to...", "&Enable/Disable Home Page Changes",
                       "Reset &Window Placement", "Reset &Toolbar Layout"}));
    EXPECT_EQ(Captions(window.pmuHome),
              (Strings{"&Blank - about:blank", "&Mozilla - about:mozilla", "&Current - ",
                       "&Default - ", "B&rowse..."}));
    EXPECT_EQ(Captions(window.pmuLayout), (Strings{"&1 - Thick", "&2 - Thin"}));
    EXPECT_EQ(Captions(window.pmuTools), (Strings{"&Delete", "&Properties"}));
    EXPECT_EQ(Captions(window.pmuHelp), (Strings{"&About", "Visit our Gallery",
                                                 "Check for Updates", "-", "On-line Info"}));
    EXPECT_EQ(Captions(window.pmuToolbar), Strings{"Copy Image to Clipboard"});
    Strings texts;
    for (const auto& label : window.Label1) texts.push_back(label.Text());
    for (const ui::Button* button : {&window.cmdCancel, &window.cmdApply, &window.cmdUnInstall})
        texts.push_back(button->Text());
    for (const auto& box : window.chkLink) texts.push_back(box.Text());
    EXPECT_EQ(texts, (Strings{"Title:", "Author:", "Web Site:", "Description:", "Close", "&Apply",
                              "Uninstall", "Home Page", "Search Settings", "Tips Page",
                              "Document Skin", "Throbbers", "Toolbar Skins", "Web Sounds"}));
}

TEST_F(MenusTest, EntryStatesFollowTheSelectedEntry) {
    Install("Ocean");
    InstalledThemeStore(platform).AddEntry(".current", "C:\\x.vlr");
    struct Case {
        std::string entry;
        bool fileEdit, skin, del;
    };
    const Case cases[] = {{".current", false, true, false},
                          {"[None]", false, false, false},
                          {"Ocean", true, false, true}};
    window.LoadThemeList("");
    for (const Case& c : cases) {
        Select(c.entry);
        window.mnuFile_Click();
        window.mnuEdit_Click();
        window.List1_MouseDown(kRightButton);
        EXPECT_EQ(window.pmuFile[1].Enabled(), c.fileEdit) << c.entry;
        EXPECT_EQ(window.pmuEdit[0].Enabled(), c.skin) << c.entry;
        EXPECT_EQ(window.pmuTools[0].Enabled(), c.del) << c.entry;
        EXPECT_EQ(window.pmuTools[1].Enabled(), !c.del) << c.entry;
        EXPECT_EQ(host.popups.back(), &window.pmuTools[0]);
    }
    window.List1.SetListIndex(-1);
    window.mnuFile_Click();
    EXPECT_FALSE(window.pmuFile[1].Enabled());
}

TEST_F(MenusTest, PopUpsOpenOnlyWithTheRightButtonAndTheEditMenuOnlyOverTheCurrentTheme) {
    window.LoadThemeList("");
    window.List1_MouseDown(kLeftButton);
    window.imgExplorer_MouseDown(kLeftButton);
    EXPECT_TRUE(host.popups.empty());
    window.imgExplorer_MouseDown(kRightButton);
    EXPECT_EQ(host.popups, std::vector<const ui::MenuItem*>{&window.pmuEdit[0]});
    Select("[None]");
    window.imgExplorer_MouseDown(kRightButton);
    EXPECT_EQ(host.popups.size(), 1u);
}

TEST_F(MenusTest, TheStylesheetEntryIsTickedForANonZeroNumber) {
    const std::string styles = "Software\\Microsoft\\Internet Explorer\\Styles";
    const std::pair<RegValue, bool> cases[] = {
        {std::int64_t{1}, true}, {std::int64_t{0}, false}, {std::string("abc"), false},
        {std::string(" 2 "), true}, {std::vector<std::uint8_t>{1, 0}, true}};
    window.mnuEdit_Click();
    EXPECT_FALSE(window.pmuEdit[3].Checked());
    for (const auto& [value, ticked] : cases) {
        const long kind = value.index() == 0 ? 1 : value.index() == 1 ? 4 : 3;
        cRegistry(platform).WriteRegistry(kHkeyCurrentUser, styles, "Use My Stylesheet", kind, value);
        window.mnuEdit_Click();
        EXPECT_EQ(window.pmuEdit[3].Checked(), ticked) << value.index();
    }
}

TEST_F(MenusTest, TheHomePageSubMenuShowsTheStartPages) {
    Seed(kMainKey, "Start Page", "http://cur");
    window.Form_Load();
    window.pmuRepair_Click(0);
    EXPECT_EQ(window.pmuHome[2].Caption(), "&Current - http://cur");
    EXPECT_EQ(window.pmuHome[3].Caption(), "&Default - Not Found");
}

TEST_F(MenusTest, ToolbarLayoutResetsWriteTheDefaultLayoutLockAndReopen) {
    const std::string webBrowser = kToolbarKey + "\\WebBrowser";
    // Bytes 16, 40, 56, 57, 68 and 80 of each kind.
    const std::pair<int, std::string> cases[] = {{0, "1F62A00F0039"}, {1, "1F6AB901C778"}};
    for (const auto& [entry, bytes] : cases) {
        Seed(kToolbarKey, "Locked", "0");
        window.pmuLayout_Click(entry);
        const std::string stored = User(webBrowser, "ITBarLayout");
        EXPECT_EQ(stored.size(), 564u * 2);
        std::string picked;
        for (const std::size_t offset : {16, 40, 56, 57, 68, 80}) picked += stored.substr(offset * 2, 2);
        EXPECT_EQ(picked, bytes);
        for (const char* key : {"\\ShellBrowser", "\\Explorer"})
            EXPECT_EQ(User(kToolbarKey + key, "ITBarLayout"), stored);
        EXPECT_EQ(User(kToolbarKey, "Theater"), stored);
        EXPECT_EQ(User(kToolbarKey, "Locked"), "00000001");
    }
    EXPECT_EQ(browsers.Created().size(), 2u);
    EXPECT_EQ(host.broughtToFront, 2);
}

TEST_F(MenusTest, WindowPlacementIsForgottenOnlyAfterYes) {
    const std::string areas = "Software\\Microsoft\\Internet Explorer\\Desktop\\oldWorkAreas";
    Seed(kMainKey, "window_placement", "p");
    Seed(areas, "OldWorkAreaRects", "r");
    Seed(kToolbarKey, "Theater", "t");
    dialogs.Script({MsgAnswer::No, MsgAnswer::Yes, MsgAnswer::Yes});
    window.pmuRepair_Click(2);
    EXPECT_EQ(User(kMainKey, "window_placement"), "p");
    window.pmuRepair_Click(2);
    window.pmuRepair_Click(2);
    EXPECT_EQ(User(kMainKey, "window_placement") + User(areas, "OldWorkAreaRects"),
              "Not FoundNot Found");
    EXPECT_EQ(User(kToolbarKey, "Theater"), "t");
    EXPECT_EQ(Texts(), Strings(3, "This option will reset Internet Explorers' Window "
                                  "Placement.\r\nAre you sure?"));
    EXPECT_TRUE(dialogs.Shown()[0].systemModal);
    EXPECT_FALSE(dialogs.Busy());
}

TEST_F(MenusTest, ExitClosesAndTheEntriesStillToComeDoNothing) {
    window.LoadThemeList("");
    const std::size_t writes = Writes();
    window.pmuFile_Click(1);
    for (int i = 0; i < 5; ++i) window.pmuEdit_Click(i);
    for (int i = 0; i < 5; ++i) window.pmuHome_Click(i);
    window.pmuRepair_Click(1);
    window.pmuRepair_Click(3);
    window.pmuHelp_Click(0);
    window.pmuToolbar_Click(0);
    window.pmuTools_Click(1);
    EXPECT_EQ(Writes(), writes);
    EXPECT_TRUE(dialogs.Shown().empty() && !host.ended && host.closes == 0);
    window.pmuFile_Click(3);
    EXPECT_EQ(host.closes, 1);
}

}  // namespace
}  // namespace velmora::test
