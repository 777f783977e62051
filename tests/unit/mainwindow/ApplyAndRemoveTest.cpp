// Applying, uninstalling, forgetting and adding themes from the main window, as user stories
// against the in-memory registry, simulated browsers and scripted dialogs.
#include <tuple>

#include "tests/unit/mainwindow/MainWindowTestBed.h"

namespace velmora::test {
namespace {

TEST_F(MainWindowTest, ApplyingOceanWithoutWebSoundsWritesTheOtherAreasAndReopensBrowsers) {
    Install("Ocean", {{"BackBitmap", "C:\\o.bmp"},
                      {"WESkin", "C:\\we.bmp"},
                      {"HomePage", "http://o"},
                      {"StyleFile", "C:\\o.css"},
                      {"Navigate", "C:\\o.wav"}});
    const auto left = browsers.OpenBrowser("http://left", 0, 0, 500, 400);
    const auto right = browsers.OpenBrowser("http://right", 500, 0, 500, 400);
    desktop.foreground = right->hwnd;
    window.Form_Load();
    Select("Ocean");
    window.chkLink[6].SetValue(0);
    window.chkLink_Click(6);
    // The user closes the companion while the apply runs: the window stays.
    registry.InjectFault(RegCall::SetValueEx, [&]() -> std::optional<long> {
        EXPECT_TRUE(window.Applying() && dialogs.busy);
        right->UserCloses();
        return std::nullopt;
    });
    window.cmdApply_Click();
    registry.ClearFaults();
    EXPECT_EQ(Read(kToolbarKey, kBrowserBackBitmap) + "|" + Read(kSoundNavigating, "") + "|" +
                  Read(InstalledThemeStore::MarkKey(), ""),
              "C:\\o.bmp|Not Found|Ocean");
    EXPECT_FALSE(host.closes || window.Applying() || dialogs.busy || window.cmdApply.Enabled());
    EXPECT_TRUE(host.focus == &window.List1 && host.broughtToFront == 1);
    // The left one reopened only, as the companion: the right one was closed.
    ASSERT_EQ(browsers.open.size(), 1u);
    EXPECT_TRUE(left->closed && window.Companion() == browsers.open[0]);
}

TEST_F(MainWindowTest, TheNoThemeApplyPutsTheBrowserDefaultsBack) {
    const char* const pictures[] = {kExplorerBackBitmap, kBrowserBackBitmap, kBigBitmap,
                                    kBrandBitmap,        kSmallBitmap,       kSmBrandBitmap};
    for (const char* name : pictures) Seed(kToolbarKey, name, "C:\\x.bmp");
    Seed(kMainKey, kWindowTitle, "Ocean");
    Seed(kMainKey, kLocalPage, "C:\\mine.htm");
    Seed(kStylesKey, kUserStyleSheet, "C:\\o.css");
    Seed(kSoundNavigating, "", "C:\\o.wav");
    Seed(kWebBrowserToolbarKey, kLayoutValue, Bytes(17, 0));
    for (const auto& [name, page] : {std::pair{kStartPage, "http://machine"},
                                     {kSearchPage, "http://search"},
                                     {kSearchBar, "http://bar"},
                                     {"Default_Search_URL", "http://find"},
                                     {kLocalPage, "C:\\machine.htm"}})
        Seed(kMainKey, name, page, kHkeyLocalMachine);
    window.LoadThemeList("[None]");
    window.cmdApply_Click();
    for (const char* name : pictures) EXPECT_EQ(Read(kToolbarKey, name), "Not Found") << name;
    EXPECT_EQ(
        Strings({Read(InstalledThemeStore::MarkKey(), ""), Read(kMainKey, kWindowTitle),
                 Read(kStylesKey, kUserStyleSheet), Read(kStylesKey, kUseMyStylesheet),
                 Read(kMainKey, kStartPage), Read(kMainKey, kLocalPage),
                 Read(kMainKey, kSearchPage), Read(kMainKey, kSearchBar), Read(kSearchUrlKey, ""),
                 Read(kSoundNavigating, ""), Read(kWebBrowserToolbarKey, kLayoutValue)}),
        (Strings{"[None]", "", "", "00000000", "http://machine", "C:\\machine.htm", "http://search",
                 "http://bar", "http://find", "Not Found", std::string(32, '0') + "08"}));
    EXPECT_EQ(host.broughtToFront, 1);
}

TEST_F(MainWindowTest, UninstallAsksRunsTheUninstallerAndForgetsTheThemeOnlyOnceItStarted) {
    files.AddFile("C:\\unins.exe", "MZ");
    registry.InjectFault(RegCall::DeleteKey, [this]() -> std::optional<long> {
        EXPECT_TRUE(dialogs.busy);  // the hourglass while the theme is forgotten
        return std::nullopt;
    });
    // The answer, whether the uninstaller starts, the boxes, the entry's file afterwards.
    const std::tuple<MsgAnswer, bool, std::size_t, std::string> cases[] = {
        {MsgAnswer::No, true, 1, "C:\\Themes\\Ocean.vlr"},
        {MsgAnswer::Yes, false, 2, "C:\\Themes\\Ocean.vlr"},
        {MsgAnswer::Yes, true, 2, "Not Found"},
    };
    for (const auto& [answer, starts, boxes, stored] : cases) {
        Install("Ocean", {}, "C:\\unins.exe");
        window.LoadThemeList("Ocean");
        dialogs = {};
        dialogs.beforeEach = [this](const MessageRequest&) { EXPECT_FALSE(dialogs.busy); };
        dialogs.Script({answer});
        shell.started.clear();
        shell.startSucceeds = starts;
        window.cmdUnInstall_Click();
        EXPECT_EQ(shell.started,
                  answer == MsgAnswer::Yes ? Strings{"C:\\unins.exe /SILENT"} : Strings{});
        EXPECT_EQ(InstalledThemeStore(platform).ReadEntry("Ocean").themeFile, stored);
        EXPECT_EQ(Texts().at(0), "Are you sure you want to remove this Theme - \r\n\r\nOcean");
        EXPECT_TRUE(dialogs.shown[0].systemModal && dialogs.shown[0].buttons == MsgButtons::YesNo);
        EXPECT_EQ(dialogs.shown.size(), boxes);
        EXPECT_FALSE(dialogs.busy);
    }
    EXPECT_TRUE(dialogs.shown[1].icon == MsgIcon::Critical && dialogs.shown[1].systemModal);
    EXPECT_EQ(window.List1.Items(), (Strings{".Current", "[None]"}));
    EXPECT_FALSE(window.List1.ListIndex() || browsers.created.size() + host.broughtToFront != 2);
}

TEST_F(MainWindowTest, DeleteAsksAndForgetsOnlyStoredThemes) {
    Install("Ocean");
    window.LoadThemeList("Ocean");
    registry.InjectFault(RegCall::EnumKey, [this]() -> std::optional<long> {
        EXPECT_TRUE(dialogs.busy);  // the hourglass while the list is built
        return std::nullopt;
    });
    dialogs.Script({MsgAnswer::No, MsgAnswer::Yes});
    window.pmuTools_Click(ToolsEntry::Delete);
    window.pmuTools_Click(ToolsEntry::Properties);  // Properties: nothing
    EXPECT_EQ(window.List1.ListCount(), 3);
    window.pmuTools_Click(ToolsEntry::Delete);
    ASSERT_EQ(Texts(), Strings(2, "Are you sure that you want to remove this Theme - \r\nOcean."));
    EXPECT_EQ(window.List1.Items(), (Strings{".Current", "[None]"}));
    EXPECT_FALSE(window.List1.ListIndex() || dialogs.shown[0].systemModal);
    window.RemoveTheme(1, true);
    window.RemoveTheme(2, true);  // past the end
    window.pmuTools_Click(ToolsEntry::Delete);
    EXPECT_EQ(Texts().size(), 2u);
}

TEST(ApplyAndRemoveTest, OpeningAThemeFileRecordsAndSelectsIt) {
    // The file chosen; the entry selected, the entries, the boxes shown; Ocean's file after.
    const std::tuple<std::optional<std::string>, std::string, std::string> rows[] = {
        {std::nullopt, ".Current 3 0", "C:\\Themes\\Ocean.vlr"},
        {"C:\\gone.vlr", ".Current 3 0", "C:\\Themes\\Ocean.vlr"},
        {"C:\\b\\ocean2.vlr", "Ocean 3 0", "C:\\b\\ocean2.vlr"},  // a title in other letters
        {"C:\\c\\none.vlr", "[Untitled] 4 0", "C:\\Themes\\Ocean.vlr"},
        {"C:\\d\\bad.vlr", ".Current 3 1", "C:\\Themes\\Ocean.vlr"},  // no key name
        {"locked", ".Current 4 1", "C:\\Themes\\Ocean.vlr"},  // no rights: the key, not the file
    };
    for (const auto& [chosen, selected, stored] : rows) {
        WindowBed w;
        w.Install("Ocean");
        w.AddTheme("C:\\b\\ocean2.vlr", {{"ThemeTitle", "ocean"}});
        w.AddTheme("C:\\c\\none.vlr", {});
        w.AddTheme("C:\\d\\bad.vlr", {{"ThemeTitle", "a\\b"}});
        w.AddTheme("locked", {{"ThemeTitle", "Blue"}});
        if (chosen == "locked") w.registry.FailWith(RegCall::SetValueEx, kErrorAccessDenied);
        w.window.LoadThemeList("");
        w.dialogs.fileChoice = chosen;
        w.window.pmuFile_Click(FileEntry::Open);
        EXPECT_EQ(w.window.List1.SelectedText() + " " + std::to_string(w.window.List1.ListCount()) +
                      " " + std::to_string(w.dialogs.shown.size()),
                  selected);
        EXPECT_EQ(InstalledThemeStore(w.platform).ReadEntry("Ocean").themeFile, stored);
        for (const std::string& text : w.Texts())
            EXPECT_NE(text.find(*chosen), std::string::npos) << text;
    }
}

// An action by its call on the window w.
#define ACTION(...)                                              \
    {                                                            \
#__VA_ARGS__, [](InstalledThemes & w) { w.__VA_ARGS__; } \
    }

TEST_F(MainWindowTest, NoActionStartsInsideAnApply) {
    Install("Ocean", {{"WebSite", "http://ocean.example/"}, {"HomePage", "http://ocean.example/"},
                      {"AniLarge", "C:\\gone.bmp"}});  // a problem to list
    files.AddFile("C:\\unins.exe", "MZ");
    window.Form_Load();
    window.LoadThemeList("Ocean");
    browsers.OpenBrowser("http://first/");
    // clang-format off
    const std::pair<const char*, void (*)(InstalledThemes&)> actions[] = {
        ACTION(cmdApply_Click()), ACTION(cmdUnInstall_Click()), ACTION(cmdCancel_Click()),
        ACTION(Form_KeyPress(27)), ACTION(List1.SetListIndex(1), w.List1_Click()),
        ACTION(txtSearch.SetText("A"), w.txtSearch_KeyUp('A')), ACTION(List1_KeyDown(46)),
        ACTION(pmuFile_Click(FileEntry::Exit)), ACTION(pmuEdit_Click(EditEntry::ThrobbersOff)),
        ACTION(pmuRepair_Click(RepairEntry::HomePageLock)), ACTION(pmuHome_Click(HomeEntry::Blank)),
        ACTION(pmuLayout_Click(LayoutEntry::Thin)), ACTION(pmuHelp_Click(HelpEntry::Gallery)),
        ACTION(Image1_Click()), ACTION(txtWebSite_Click()), ACTION(Combo1_Click()),
        ACTION(txtFindings_Click()),
    };
    // clang-format on
    for (const auto& [name, action] : actions) {
        SCOPED_TRACE(name);
        std::size_t writes = 0, boxes = dialogs.shown.size();
        browsers.onNextYield = [&, action = action] {
            const std::size_t before = Writes();
            action(window);
            writes += Writes() - before;
        };
        window.cmdApply_Click();
        EXPECT_TRUE(writes == 0 && dialogs.shown.size() == boxes && shell.opened.empty());
        EXPECT_FALSE(host.ended || host.closes || window.Busy() || dialogs.busy);
        EXPECT_EQ(window.List1.SelectedText(), "Ocean");
    }
}

}  // namespace
}  // namespace velmora::test
