// Applying, uninstalling, forgetting and adding themes from the main window, as user stories
// against the in-memory registry, simulated browsers and scripted dialogs.
#include <tuple>

#include "tests/unit/mainwindow/MainWindowTestBed.h"

namespace velmora::test {
namespace {

std::string Stored(WindowBed& w, const std::string& title) {
    return InstalledThemeStore(w.platform).ReadEntry(title).themeFile;
}

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

    EXPECT_EQ(Strings({Read(kToolbarKey, kBrowserBackBitmap), Read(kMainKey, kStartPage),
                       Read(kStylesKey, kUserStyleSheet), Read(kSoundNavigating, ""),
                       Read(InstalledThemeStore::MarkKey(), "")}),
              (Strings{"C:\\o.bmp", "http://o", "C:\\o.css", "Not Found", "Ocean"}));
    EXPECT_EQ(host.closes, 0);
    EXPECT_FALSE(window.Applying() || dialogs.busy || window.cmdApply.Enabled());
    EXPECT_EQ(host.focus, &window.List1);
    EXPECT_EQ(host.broughtToFront, 1);
    // The left one reopened only: the right one was closed.
    ASSERT_EQ(browsers.open.size(), 1u);
    EXPECT_TRUE(left->closed && window.Companion() == browsers.open[0]);
    EXPECT_EQ(browsers.open[0]->location, "http://left");
    EXPECT_FALSE(desktop[browsers.open[0]->hwnd].enabled);
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
                                     {"Default_Search_URL", "http://find"}})
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
        (Strings{"[None]", "", "", "00000000", "http://machine", "C:\\mine.htm", "http://search",
                 "http://bar", "http://find", "Not Found", std::string(32, '0') + "08"}));
    EXPECT_EQ(host.broughtToFront, 1);
}

TEST_F(MainWindowTest, UninstallAsksRunsTheUninstallerAndForgetsTheThemeOnlyOnceItStarted) {
    files.AddFile("C:\\unins.exe", "MZ");
    registry.InjectFault(RegCall::DeleteKey, [this]() -> std::optional<long> {
        EXPECT_TRUE(dialogs.busy);  // the hourglass while the theme is forgotten
        return std::nullopt;
    });
    const std::tuple<MsgAnswer, bool, std::size_t, std::string> cases[] = {
        // The answer, whether the uninstaller starts, the boxes, the entry's file afterwards.
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
        EXPECT_EQ(Stored(*this, "Ocean"), stored);
        const MessageRequest& asked = dialogs.shown.at(0);
        EXPECT_EQ(std::tie(asked.text, asked.buttons, asked.systemModal),
                  std::make_tuple("Are you sure you want to remove this Theme - \r\n\r\nOcean",
                                  MsgButtons::YesNo, true));
        EXPECT_EQ(dialogs.shown.size(), boxes);
        EXPECT_FALSE(dialogs.busy);
    }
    // The browser needs a refresh.
    EXPECT_TRUE(dialogs.shown[1].icon == MsgIcon::Critical && dialogs.shown[1].systemModal);
    EXPECT_EQ(window.List1.Items(), (Strings{".Current", "[None]"}));
    EXPECT_EQ(window.List1.ListIndex(), 0);
    EXPECT_EQ(browsers.created.size(), 1u);
    EXPECT_EQ(host.broughtToFront, 1);
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
    EXPECT_EQ(window.List1.ListIndex(), 0);
    EXPECT_FALSE(dialogs.shown[0].systemModal);

    window.RemoveTheme(1, true);
    window.RemoveTheme(2, true);  // past the end
    window.pmuTools_Click(ToolsEntry::Delete);
    EXPECT_EQ(Texts().size(), 2u);
}

TEST(ApplyAndRemoveTest, OpeningAThemeFileRecordsAndSelectsIt) {
    struct Row {
        std::optional<std::string> chosen;
        std::string selected;  // and the number of entries, the boxes shown
        std::string stored;    // the entry of Ocean afterwards
    };
    const Row rows[] = {
        {std::nullopt, ".Current 3 0", "C:\\Themes\\Ocean.vlr"},
        {"C:\\gone.vlr", ".Current 3 0", "C:\\Themes\\Ocean.vlr"},
        {"C:\\b\\ocean2.vlr", "Ocean 3 0", "C:\\b\\ocean2.vlr"},  // a title in other letters
        {"C:\\c\\none.vlr", "[Untitled] 4 0", "C:\\Themes\\Ocean.vlr"},
        {"C:\\d\\bad.vlr", ".Current 3 1", "C:\\Themes\\Ocean.vlr"},  // no key name
        {"locked", ".Current 4 1", "C:\\Themes\\Ocean.vlr"},  // no rights: the key, not the file
    };
    for (const Row& row : rows) {
        WindowBed w;
        w.Install("Ocean");
        w.AddTheme("C:\\b\\ocean2.vlr", {{"ThemeTitle", "ocean"}});
        w.AddTheme("C:\\c\\none.vlr", {});
        w.AddTheme("C:\\d\\bad.vlr", {{"ThemeTitle", "a\\b"}});
        w.AddTheme("locked", {{"ThemeTitle", "Blue"}});
        if (row.chosen == "locked") w.registry.FailWith(RegCall::SetValueEx, kErrorAccessDenied);
        w.window.LoadThemeList("");
        w.dialogs.fileChoice = row.chosen;
        w.window.pmuFile_Click(FileEntry::Open);
        EXPECT_EQ(w.window.List1.SelectedText() + " " + std::to_string(w.window.List1.ListCount()) +
                      " " + std::to_string(w.dialogs.shown.size()),
                  row.selected);
        EXPECT_EQ(Stored(w, "Ocean"), row.stored);
        for (const std::string& text : w.Texts())
            EXPECT_NE(text.find(*row.chosen), std::string::npos) << text;
    }
}

TEST_F(MainWindowTest, NoActionStartsInsideAnApply) {
    Install("Ocean", {{"WebSite", "http://ocean.example/"}, {"HomePage", "http://ocean.example/"}});
    files.AddFile("C:\\unins.exe", "MZ");
    window.Form_Load();
    window.LoadThemeList("Ocean");
    browsers.OpenBrowser("http://first/");
    using Window = InstalledThemes;
    const std::pair<const char*, void (*)(Window&)> actions[] = {
        {"Apply", [](Window& w) { w.cmdApply_Click(); }},
        {"Uninstall", [](Window& w) { w.cmdUnInstall_Click(); }},
        {"Close", [](Window& w) { w.cmdCancel_Click(); }},
        {"Esc", [](Window& w) { w.Form_KeyPress(27); }},
        {"another entry", [](Window& w) { w.List1.SetListIndex(1), w.List1_Click(); }},
        {"search", [](Window& w) { w.txtSearch.SetText("A"), w.txtSearch_KeyUp('A'); }},
        {"Delete key", [](Window& w) { w.List1_KeyDown(46); }},
        {"Exit", [](Window& w) { w.pmuFile_Click(FileEntry::Exit); }},
        {"throbbers", [](Window& w) { w.pmuEdit_Click(EditEntry::ThrobbersOff); }},
        {"lock", [](Window& w) { w.pmuRepair_Click(RepairEntry::HomePageLock); }},
        {"start page", [](Window& w) { w.pmuHome_Click(HomeEntry::Blank); }},
        {"layout", [](Window& w) { w.pmuLayout_Click(LayoutEntry::Thin); }},
        {"gallery", [](Window& w) { w.pmuHelp_Click(HelpEntry::Gallery); }},
        {"gallery picture", [](Window& w) { w.Image1_Click(); }},
        {"web site", [](Window& w) { w.txtWebSite_Click(); }},
        {"home page", [](Window& w) { w.Combo1_Click(); }},
    };
    for (const auto& [name, action] : actions) {
        SCOPED_TRACE(name);
        std::size_t writes = 0, boxes = dialogs.shown.size();
        browsers.onNextYield = [&, action = action] {
            const std::size_t before = Writes();
            action(window);
            writes += Writes() - before;
        };
        window.cmdApply_Click();
        EXPECT_EQ(writes, 0u);
        EXPECT_EQ(dialogs.shown.size(), boxes);
        EXPECT_EQ(window.List1.SelectedText(), "Ocean");
        EXPECT_TRUE(shell.opened.empty() && !host.ended && host.closes == 0 && !window.Busy());
        EXPECT_FALSE(dialogs.busy);
    }
}

}  // namespace
}  // namespace velmora::test
