// The main window's menus: captions and window texts, the states set when a menu opens, the
// pop-ups, the windows and repairs their entries start, and the Edit and home page tweaks.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "tests/unit/mainwindow/MainWindowTestBed.h"

namespace velmora::test {
namespace {

const std::string kStylesKey = "Software\\Microsoft\\Internet Explorer\\Styles";
const std::string kPolicyKey = "Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel";
const std::string kSoundKey = "AppEvents\\Schemes\\Apps\\Explorer\\Navigating\\.current";

class MenusTest : public ::testing::Test, protected MainWindowTestBed {
protected:
    // The four toolbar layouts as "stored bytes:byte 16" each, "-" for a missing one.
    std::string Layouts() {
        std::string seen;
        for (const auto& [key, name] : kLayouts) {
            const std::string hex = User(key, name);
            seen += IsNotFound(hex) ? std::string("-")
                                    : std::to_string(hex.size() / 2) + ":" +
                                          (hex.size() > 33 ? hex.substr(32, 2) : "");
            seen += " ";
        }
        return seen;
    }
    const std::pair<std::string, std::string> kLayouts[4] = {
        {kToolbarKey + "\\WebBrowser", "ITBarLayout"},
        {kToolbarKey, "Theater"},
        {kToolbarKey + "\\ShellBrowser", "ITBarLayout"},
        {kToolbarKey + "\\Explorer", "ITBarLayout"}};
};

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
    // A start page the registry does not have is shown, but cannot be chosen.
    EXPECT_TRUE(window.pmuHome[2].Enabled());
    EXPECT_FALSE(window.pmuHome[3].Enabled());
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

TEST_F(MenusTest, TheStylesheetEntryIsTickedForANonZeroNumberAndSwitchesToTheOpposite) {
    const std::pair<RegValue, bool> cases[] = {{std::int64_t{1}, true},
                                               {std::int64_t{0}, false},
                                               {std::string("abc"), false},
                                               {std::string(" 2 "), true},
                                               {std::string("+1"), true},
                                               {std::string("1x"), false},
                                               {std::vector<std::uint8_t>{1, 0}, true}};
    window.mnuEdit_Click();
    EXPECT_FALSE(window.pmuEdit[3].Checked());
    for (const auto& [value, ticked] : cases) {
        const long kind = value.index() == 0 ? 1 : value.index() == 1 ? 4 : 3;
        cRegistry(platform).WriteRegistry(kHkeyCurrentUser, kStylesKey, "Use My Stylesheet", kind,
                                          value);
        window.mnuEdit_Click();
        EXPECT_EQ(window.pmuEdit[3].Checked(), ticked) << value.index();
        window.pmuEdit_Click(3);
        EXPECT_EQ(User(kStylesKey, "Use My Stylesheet"), ticked ? "00000000" : "00000001");
    }
    EXPECT_EQ(browsers.Created().size(), std::size(cases));
    EXPECT_EQ(host.broughtToFront, static_cast<int>(std::size(cases)));
    EXPECT_FALSE(dialogs.Busy());
}

TEST_F(MenusTest, ToolbarLayoutResetsWriteTheDefaultLayoutLockAndReopen) {
    // Bytes 16 and 33, then 36 to 80 (the band sizes) of each kind.
    const std::pair<int, std::string> cases[] = {
        {0,
         "1F020500000062050000260000000400000021010000A00F00000300000021030000000000000100000021"
         "07000039"},
        {1,
         "1F02050000006A050000260000000400000021010000B90100000100000020070000C70100000300000021"
         "03000078"}};
    for (const auto& [entry, bytes] : cases) {
        Seed(kToolbarKey, "Locked", "0");
        window.pmuLayout_Click(entry);
        const std::string stored = User(kToolbarKey + "\\WebBrowser", "ITBarLayout");
        EXPECT_EQ(stored.size(), 564u * 2);
        EXPECT_EQ(stored.substr(32, 2) + stored.substr(66, 2) + stored.substr(72, 90), bytes);
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

TEST_F(MenusTest, FileEditAndAboutOpenTheirWindowsOverThisOneAndExitCloses) {
    Install("Ocean");
    window.LoadThemeList("Ocean");
    window.pmuFile_Click(1);
    window.pmuHelp_Click(0);
    EXPECT_EQ(forms.shown, (Strings{"editor C:\\Themes\\Ocean.vlr", "about"}));
    EXPECT_EQ(forms.owners, (std::vector<WindowHandle>(2, host.Handle())));
    EXPECT_EQ(host.closes, 0);
    window.pmuFile_Click(3);
    EXPECT_EQ(host.closes, 1);
}

TEST_F(MenusTest, ThrobbersAreSwitchedInEveryLayoutThatNeedsIt) {
    // Byte 16 of the four layouts as seeded (-1 missing, -2 only 16 bytes long), the switch,
    // and what is stored afterwards.
    struct Case {
        int seeded[4];
        bool on;
        std::string stored;
    };
    const Case cases[] = {
        {{0x1F, 0x1F, 0x1F, 0x1F}, true, "20:1F 20:1F 20:1F 20:1F "},
        {{0x1F, 0x1F, 0x1F, 0x1F}, false, "20:17 20:17 20:17 20:17 "},
        {{0x17, 0x1F, 0x08, 0x00}, true, "20:1F 20:1F 20:08 20:08 "},
        {{-1, -1, -1, -1}, true, "- - - - "},
        {{0x1F, -1, -2, 0x17}, false, "20:17 564:17 16: 20:17 "},
    };
    for (const Case& c : cases) {
        for (int i = 0; i < 4; ++i) {
            const auto& [key, name] = kLayouts[i];
            cRegistry(platform).DeleteValue(kHkeyCurrentUser, key, name);
            if (c.seeded[i] == -1) continue;
            // The spare trailing element is not stored.
            std::vector<std::uint8_t> bytes(c.seeded[i] == -2 ? 17 : 21, 0xAA);
            if (c.seeded[i] >= 0) bytes[16] = static_cast<std::uint8_t>(c.seeded[i]);
            cRegistry(platform).WriteRegistry(kHkeyCurrentUser, key, name, 3, bytes);
        }
        window.pmuEdit_Click(c.on ? 1 : 2);
        EXPECT_EQ(Layouts(), c.stored) << c.stored;
    }
    EXPECT_EQ(browsers.Created().size(), std::size(cases));
    EXPECT_EQ(host.broughtToFront, static_cast<int>(std::size(cases)));
}

TEST_F(MenusTest, AToolbarPictureIsPreviewedForApplyOnlyWhenItLoads) {
    Seed(kToolbarKey, "BackBitmapIE5", "C:\\old.bmp");
    pictures.AddPicture("C:\\old.bmp", 10, 10);
    pictures.AddPicture("C:\\new.bmp", 20, 10);
    InstalledThemeStore(platform).WriteMark("[None]");  // the browser's own toolbar shows
    window.LoadThemeList("");
    Select(".Current");
    const std::size_t writes = Writes();
    // Cancelled, a picture that cannot be loaded (a .png), one that can.
    const std::optional<std::string> choices[] = {std::nullopt, "C:\\new.png", "C:\\new.bmp"};
    std::string seen;
    for (const auto& choice : choices) {
        dialogs.fileChoice = choice;
        window.pmuEdit_Click(0);
        seen += RecordingPictures::Name(window.picBackBitmap.Picture()) + " " +
                window.ToolbarPicturePath() + (window.cmdApply.Enabled() ? " apply|" : " -|");
    }
    EXPECT_EQ(seen,
              "C:\\old.bmp C:\\old.bmp -|C:\\old.bmp C:\\old.bmp -|C:\\new.bmp C:\\new.bmp apply|");
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_NE(Texts()[0].find("C:\\new.png"), std::string::npos);
    const OpenFileRequest& request = dialogs.fileRequests.front();
    EXPECT_EQ(request.fileName, "C:\\old.bmp");
    EXPECT_EQ(request.title, "Select Toolbar Picture");
    EXPECT_EQ(request.filter,
              "Windows Bitmap Files|*.bmp|Other Unsupported Image Files|*.gif;*.jpg;*.png;*.ico");
    EXPECT_EQ(request.flags, 0x1804u);
    EXPECT_EQ(Writes(), writes);
    window.cmdApply_Click();  // the chosen picture becomes both toolbars'
    EXPECT_EQ(User(kToolbarKey, "BackBitmap") + User(kToolbarKey, "BackBitmapIE5"),
              "C:\\new.bmpC:\\new.bmp");
}

TEST_F(MenusTest, AClickSoundIsStoredOnlyForAFileThatExists) {
    files.AddFile("C:\\Sounds\\click.wav", "RIFF");
    for (const char* choice : {"C:\\Sounds\\gone.wav", "C:\\Sounds\\click.wav"}) {
        dialogs.fileChoice = choice;
        window.pmuEdit_Click(4);
    }
    dialogs.fileChoice.reset();
    window.pmuEdit_Click(4);
    EXPECT_EQ(User(kSoundKey, ""), "C:\\Sounds\\click.wav");
    EXPECT_EQ(Writes(), 1u);
    EXPECT_EQ(dialogs.fileRequests.front().title, "Select Click Sound");
    EXPECT_EQ(dialogs.fileRequests.front().filter, "Windows Sound Files|*.wav");
    EXPECT_TRUE(browsers.Created().empty());
}

TEST_F(MenusTest, TheStartPageEntriesWriteTheirPageButNeverTheNotFoundText) {
    Seed(kMainKey, "Start Page", "http://cur");
    window.LoadThemeList("");  // no machine default page
    const std::pair<int, std::optional<std::string>> clicks[] = {
        {2, {}}, {0, {}}, {2, {}}, {3, {}}, {4, std::nullopt}, {4, "C:\\Web\\home.htm"}, {1, {}}};
    std::string pages;
    for (const auto& [index, choice] : clicks) {
        dialogs.fileChoice = choice;
        window.pmuHome_Click(index);
        pages += User(kMainKey, "Start Page") + "|";
    }
    EXPECT_EQ(pages,
              "http://cur|about:blank|about:blank|about:blank|about:blank|C:\\Web\\home.htm|"
              "about:mozilla|");
    window.pmuRepair_Click(0);
    EXPECT_EQ(window.pmuHome[2].Caption(), "&Current - about:mozilla");
    EXPECT_TRUE(Texts().empty());
}

TEST_F(MenusTest, BrowsingForAWebDocumentStartsInTheFolderOfALocalPathOnly) {
    // The path, then the dialog's file name and initial folder.
    const std::string cases[][3] = {{"", "", ""},
                                    {"C:\\Web\\home.htm", "C:\\Web\\home.htm", "C:\\Web\\home.htm"},
                                    {"C:", "C:", "C:"},
                                    {"ab:", "", ""},
                                    {"http://example.com/", "", ""}};
    for (const auto& [path, fileName, folder] : cases) {
        std::string chosen = path;
        EXPECT_FALSE(window.BrowseWebDocument(chosen));
        EXPECT_EQ(chosen, path);
        EXPECT_EQ(dialogs.fileRequests.back().fileName, fileName) << path;
        EXPECT_EQ(dialogs.fileRequests.back().initialDir, folder) << path;
    }
    const OpenFileRequest& request = dialogs.fileRequests.back();
    EXPECT_EQ(request.title, "Open Web Document");
    EXPECT_EQ(request.defaultExt, "HTM");
    EXPECT_EQ(request.flags, 0x80006u);
    EXPECT_EQ(
        request.filter,
        "Internet Files(*.htm;*.html;*.asp*;*.hta;*.htc;*.vbd)|*.htm;*.html;*.asp*;*.hta;*.htc;"
        "*.vbd|Office Documents(*.do*;*.xl*;*.pp*)|*.do*;*.xl*;*.pp*|Image Files(*.bmp;*.gif;"
        "*.jpg)|*.bmp;*.gif;*.jpg|All Files(*.*)|*.*");
    dialogs.fileChoice = "C:\\Web\\b.htm";
    std::string chosen;
    EXPECT_TRUE(window.BrowseWebDocument(chosen));
    EXPECT_EQ(chosen, "C:\\Web\\b.htm");
}

TEST_F(MenusTest, TheHomePageLockAsksAccordingToTheStoredValueAndOnlyYesSwitchesIt) {
    const std::string disable =
        "Disable Home Page changes for the current user?\r\n\r\nThis will prevent virus and worm "
        "attacks on your Home Page settings.";
    const std::string enable = "Enable Home Page changes for the current user?";
    struct Case {
        std::optional<RegValue> stored;
        MsgAnswer answer;
        const std::string& question;
        std::string after;  // HomePage|GeneralTab
    };
    const Case cases[] = {
        {std::nullopt, MsgAnswer::No, disable, "Not Found|Not Found"},
        {std::nullopt, MsgAnswer::Yes, disable, "00000001|00000001"},
        {std::int64_t{0}, MsgAnswer::Yes, disable, "00000001|00000001"},
        {std::int64_t{1}, MsgAnswer::Yes, enable, "00000000|00000000"},
        {std::int64_t{2}, MsgAnswer::No, enable, "00000002|Not Found"},
        {std::string("abc"), MsgAnswer::Yes, enable, "00000000|00000000"},
    };
    for (const Case& c : cases) {
        for (const char* name : {"HomePage", "GeneralTab"})
            cRegistry(platform).DeleteValue(kHkeyCurrentUser, kPolicyKey, name);
        if (c.stored)
            cRegistry(platform).WriteRegistry(kHkeyCurrentUser, kPolicyKey, "HomePage",
                                              c.stored->index() == 0 ? 1 : 4, *c.stored);
        dialogs.Script({c.answer});
        window.pmuRepair_Click(1);
        const MessageRequest& box = dialogs.Shown().back();
        EXPECT_EQ(box.text, c.question) << c.after;
        EXPECT_TRUE(box.systemModal && box.icon == MsgIcon::Question &&
                    box.buttons == MsgButtons::YesNo && box.title == "Kelvary");
        EXPECT_EQ(User(kPolicyKey, "HomePage") + "|" + User(kPolicyKey, "GeneralTab"), c.after);
    }
}

TEST_F(MenusTest, ARightClickOnTheToolbarPreviewOffersToCopyItsPicture) {
    window.picBackBitmap_MouseDown(kRightButton);  // nothing shown: nothing to copy
    EXPECT_TRUE(host.popups.empty());
    pictures.AddPicture("C:\\old.bmp", 10, 10);
    window.PaintToolbarPreview(pictures.LoadPicture("C:\\old.bmp"));
    window.picBackBitmap_MouseDown(kLeftButton);
    window.picBackBitmap_MouseDown(kRightButton);
    EXPECT_EQ(host.popups, (std::vector<const ui::MenuItem*>{&window.pmuToolbar[0]}));
    window.pmuToolbar_Click(0);
    clipboard.accepts = false;
    window.pmuToolbar_Click(0);
    EXPECT_EQ(clipboard.copied,
              (std::vector<const Picture*>(2, window.picBackBitmap.Picture().get())));
    EXPECT_EQ(Texts(), Strings{"The picture could not be put on the Clipboard."});
}

}  // namespace
}  // namespace velmora::test
