// The main window's menus: the states set when a menu opens, the pop-ups, the windows its
// entries open, and the quick repairs and tweaks of the browser they make.
#include <functional>
#include <optional>
#include <tuple>

#include "tests/unit/mainwindow/MainWindowTestBed.h"

namespace velmora::test {
namespace {

TEST_F(MainWindowTest, EntryStatesAndPopUpsFollowTheSelectedEntry) {
    Install("Ocean");
    InstalledThemeStore(platform).AddEntry(".current", "C:\\x.vlr");
    // File Edit, Skin, Delete, Properties; the Edit pop-up opens over the current theme only.
    const std::pair<std::string, std::string> cases[] = {
        {".current", "0101"}, {"[None]", "0001"}, {"Ocean", "1010"}, {"", "0001"}};
    window.LoadThemeList("");
    for (const auto& [entry, states] : cases) {
        Select(entry);
        host.popup = nullptr;
        window.mnuFile_Click();
        window.mnuEdit_Click();
        window.List1_KeyDown(46);  // the Delete key opens the right button's pop-up
        std::string seen;
        for (const ui::MenuItem* item :
             {&window.pmuFile[FileEntry::Edit], &window.pmuEdit[EditEntry::ToolbarSkin],
              &window.pmuTools[ToolsEntry::Delete], &window.pmuTools[ToolsEntry::Properties]})
            seen += item->Enabled() ? '1' : '0';
        EXPECT_EQ(seen, states) << entry;
        EXPECT_EQ(host.popup, &window.pmuTools[ToolsEntry::Delete]);
        window.pmuEdit[EditEntry::ToolbarSkin].SetEnabled(false);
        window.imgExplorer_MouseDown(kRightButton);
        EXPECT_EQ(host.popup, entry == ".current" ? &window.pmuEdit[EditEntry::ToolbarSkin]
                                                  : &window.pmuTools[ToolsEntry::Delete]);
    }
    host.popup = nullptr;
    Select(".current");
    window.imgExplorer_MouseDown(kLeftButton);
    window.List1_MouseDown(kLeftButton);
    window.List1_KeyDown(45);
    EXPECT_EQ(host.popup, nullptr);
    // The start page sub-menu shows the pages ("&" as written); one the registry does not have
    // cannot be chosen.
    Seed(kMainKey, kStartPage, "http://cur?a&b");
    window.LoadThemeList("");
    window.pmuHome[HomeEntry::Current].SetEnabled(false);
    window.pmuRepair_Click(RepairEntry::HomePage);
    const ui::MenuItem &now = window.pmuHome[HomeEntry::Current],
                       &byDefault = window.pmuHome[HomeEntry::Default];
    EXPECT_TRUE(now.Enabled() && !byDefault.Enabled());
    EXPECT_EQ(now.Caption() + "|" + byDefault.Caption(),
              "&Current - http://cur?a&&b|&Default - Not Found");
}

TEST(MenusTest, EachRepairAndTweakWritesItsValueOnlyWhenItShould) {
    using Window = InstalledThemes;
    // Each row's entry by its place in its menu (the enumerations' order).
    using Click = void (*)(Window&, int);
    const Click home = [](Window& w, int i) { w.pmuHome_Click(static_cast<HomeEntry>(i)); };
    const Click edit = [](Window& w, int i) { w.pmuEdit_Click(static_cast<EditEntry>(i)); };
    const Click repair = [](Window& w, int i) { w.pmuRepair_Click(static_cast<RepairEntry>(i)); };
    const Click layout = [](Window& w, int i) { w.pmuLayout_Click(static_cast<LayoutEntry>(i)); };
    const auto yes = MsgAnswer::Yes, no = MsgAnswer::No;
    const std::nullopt_t none = std::nullopt;
    struct Row {
        Click click;
        int index;
        const char *key, *name;
        std::optional<RegValue> before;
        std::string after;
        std::size_t writes;
        bool busy = false;                       // every write behind the hourglass
        bool reopens = false;                    // the browser windows reopened afterwards
        std::vector<MsgAnswer> answers = {};     // to the one question asked
        std::optional<std::string> choice = {};  // in the file dialog
    };
    // clang-format off
    const Row rows[] = {
        // The start page entries; never the text of a page the registry does not have.
        {home, 0, kMainKey, kStartPage, "http://cur", "about:blank", 1},
        {home, 1, kMainKey, kStartPage, "http://cur", "about:mozilla", 1},
        {home, 2, kMainKey, kStartPage, "http://cur", "http://cur", 1},
        {home, 3, kMainKey, kStartPage, "http://cur", "http://cur", 0},
        {home, 2, kMainKey, kStartPage, none, "Not Found", 0},
        {home, 4, kMainKey, kStartPage, "http://cur", "http://cur", 0, false, false, {}, none},
        {home, 4, kMainKey, kStartPage, "http://cur", "C:\\Web\\home.htm", 1, false, false, {},
         "C:\\Web\\home.htm"},
        // The click sound: only a file that exists.
        {edit, 6, kSoundNavigating, "", none, "Not Found", 0, false, false, {}, "C:\\gone.wav"},
        {edit, 6, kSoundNavigating, "", none, "C:\\click.wav", 1, false, false, {},
         "C:\\click.wav"},
        // The stylesheet switch is on for a non-zero number and switches to the opposite.
        {edit, 5, kStylesKey, kUseMyStylesheet, std::int64_t{1}, "00000000", 1, true, true},
        {edit, 5, kStylesKey, kUseMyStylesheet, std::int64_t{0}, "00000001", 1, true, true},
        {edit, 5, kStylesKey, kUseMyStylesheet, none, "00000001", 1, true, true},
        {edit, 5, kStylesKey, kUseMyStylesheet, "abc", "00000001", 1, true, true},
        {edit, 5, kStylesKey, kUseMyStylesheet, " +9 ", "00000000", 1, true, true},
        {edit, 5, kStylesKey, kUseMyStylesheet, "1.2.3", "00000001", 1, true, true},
        {edit, 5, kStylesKey, kUseMyStylesheet, "-1", "00000000", 1, true, true},
        {edit, 5, kStylesKey, kUseMyStylesheet, "0.5", "00000000", 1, true, true},
        {edit, 5, kStylesKey, kUseMyStylesheet, "1x", "00000001", 1, true, true},
        {edit, 5, kStylesKey, kUseMyStylesheet, Bytes{1, 0}, "00000000", 1, true, true},
        // Throbbers on and off, in every layout (a missing one counts as the thick default).
        {edit, 3, kWebBrowserToolbarKey, kLayoutValue, Bytes(17, 0), std::string(32, '0') + "08", 1,
         true, true},
        {edit, 4, kWebBrowserToolbarKey, kLayoutValue, Bytes(17, 0xFF), std::string(32, 'F') + "F7",
         4, true, true},
        // The layout reset writes the four layouts (see below) and locks the toolbars.
        {layout, 0, kToolbarKey, kToolbarsLocked, "0", "00000001", 5, true, true},
        {layout, 1, kToolbarKey, kToolbarsLocked, none, "00000001", 5, true, true},
        // The home page lock (HomePage and GeneralTab) asks by the stored value; Yes switches.
        {repair, 1, kControlPanelPolicyKey, kHomePageLock, none, "Not Found", 0, false, false, {no}},
        {repair, 1, kControlPanelPolicyKey, kHomePageLock, none, "00000001", 2, false, false, {yes}},
        {repair, 1, kControlPanelPolicyKey, kHomePageLock, std::int64_t{1}, "00000000", 2, false, false, {yes}},
        {repair, 1, kControlPanelPolicyKey, kHomePageLock, std::int64_t{2}, "00000002", 0, false, false, {no}},
        {repair, 1, kControlPanelPolicyKey, kHomePageLock, "abc", "00000000", 2, false, false, {yes}},
        // The window placement and the old work areas, forgotten after Yes.
        {repair, 2, kMainKey, kWindowPlacement, "p", "p", 0, false, false, {no}},
        {repair, 2, kMainKey, kWindowPlacement, "p", "Not Found", 2, true, false, {yes}},
        {repair, 2, kOldWorkAreasKey, kOldWorkAreaRects, "r", "Not Found", 2, true, false, {yes}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.name) + " -> " + row.after);
        WindowBed w;
        w.files.AddFile("C:\\click.wav", "RIFF");
        if (row.before) w.Seed(row.key, row.name, *row.before);
        w.window.LoadThemeList("");
        w.dialogs.Script(row.answers);
        w.dialogs.fileChoice = row.choice;
        std::size_t writes = w.Writes(), busyWrites = 0;
        const auto countBusy = [&] { return busyWrites += w.dialogs.busy, std::optional<long>(); };
        w.registry.InjectFault(RegCall::SetValueEx, countBusy);
        w.registry.InjectFault(RegCall::DeleteValue, countBusy);
        row.click(w.window, row.index);
        EXPECT_EQ(w.Read(row.key, row.name), row.after);
        // A change is preceded by one more write: the undo record.
        const std::size_t recorded = row.writes + (row.writes > 0);
        EXPECT_EQ(w.Writes() - writes, recorded);
        EXPECT_EQ(busyWrites, row.busy ? recorded : 0);
        EXPECT_FALSE(w.dialogs.busy);
        EXPECT_EQ(w.browsers.created.size() + w.host.broughtToFront, row.reopens ? 2u : 0u);
        ASSERT_EQ(w.dialogs.shown.size(), row.answers.size());
        for (const MessageRequest& box : w.dialogs.shown)
            EXPECT_TRUE(box.systemModal && box.buttons == MsgButtons::YesNo);
        if (row.click == edit && row.index == int(EditEntry::Stylesheet)) {  // ticked as the switch
            w.window.mnuEdit_Click();
            EXPECT_EQ(w.window.pmuEdit[EditEntry::Stylesheet].Checked(), row.after == "00000001");
        }
    }
}

TEST(MenusTest, TheLayoutResetWritesItsKindToAllFourLayouts) {
    // Each kind's stored bytes by their FNV-1a hash: a shifted or changed byte changes it.
    const std::pair<LayoutEntry, std::uint32_t> kinds[] = {{LayoutEntry::Thick, 0xE6ADE7F2u},
                                                           {LayoutEntry::Thin, 0xABECD62Du}};
    for (const auto& [entry, fingerprint] : kinds) {
        WindowBed w;
        w.window.pmuLayout_Click(entry);
        for (const auto& [key, name] : {std::pair{kWebBrowserToolbarKey, kLayoutValue},
                                        {kToolbarKey, kTheaterLayoutValue},
                                        {kShellBrowserToolbarKey, kLayoutValue},
                                        {kExplorerToolbarKey, kLayoutValue}}) {
            std::uint32_t hash = 2166136261u;
            for (const std::uint8_t byte : w.ReadBytes(key, name)) hash = (hash ^ byte) * 16777619u;
            EXPECT_EQ(hash, fingerprint) << key;
        }
    }
}

TEST_F(MainWindowTest, EditAndAboutOpenTheirWindowsOverThisOneAndExitCloses) {
    Install("Ocean");
    window.LoadThemeList("Ocean");
    ports.log.clear();
    // The first showing and each window closed over this one leave the focus in the search.
    std::string searched;
    for (const auto& act : std::vector<std::function<void()>>{
             [&] { window.Form_Activate(); }, [&] { window.pmuFile_Click(FileEntry::Edit); },
             [&] { window.pmuHelp_Click(HelpEntry::About); }}) {
        host.focus = nullptr;
        act();
        searched += host.focus == &window.txtSearch ? '1' : '0';
    }
    EXPECT_EQ(searched, "111");
    EXPECT_EQ(ports.log, "editor C:\\Themes\\Ocean.vlr picAni Show about ");  // the file as saved
    EXPECT_EQ(ports.owners, (std::vector<WindowHandle>(2, host.handle)));
    window.pmuFile_Click(FileEntry::Exit);
    EXPECT_EQ(host.closes, 1);
}

TEST_F(MainWindowTest, ProblemsLineCheckDropSaveAndUndo) {
    Install("Broken", {{"BackBitmap", "C:\\gone.bmp"}});
    Install("R&B");
    files.AddFolder("C:\\Mine");
    const std::string broken =
        "Problems found in C:\\Themes\\Broken.vlr:\r\n\r\n"
        "error: BackBitmap names C:\\gone.bmp, which is missing.";
    // The entry shown, what the user does, then: the problems line, the box, the selection.
    const std::tuple<std::string, std::function<void()>, std::string> rows[] = {
        {"Broken", [&] { window.txtFindings_Click(); },
         "1 problem - Details...|" + broken + "|Broken"},
        {"[None]",
         [&] {
             dialogs.fileChoice = "C:\\Themes\\R&B.vlr";
             window.pmuFile_Click(FileEntry::CheckTheme);
         },
         "|No problems found in C:\\Themes\\R&B.vlr.|[None]"},
        {"[None]", [&] { window.Form_DropFile("C:\\x.bmp"); },
         "|Only Theme files (*.vlr) can be dropped here:\r\nC:\\x.bmp|[None]"},
        {"Broken", [&] { window.Form_DropFile("C:\\Themes\\R&B.VLR"); },
         "1 problem - Details...||R&B"},
        {"R&B",
         [&] {
             dialogs.fileChoice = "C:\\Mine\\My Look.vlr";
             window.pmuFile_Click(FileEntry::SaveLook);
         },
         "|The current look was saved as the Theme \"My Look\":\r\nC:\\Mine\\My Look.vlr|My Look"},
    };
    for (const auto& [entry, act, expected] : rows) {
        window.LoadThemeList(entry);
        const std::string line = window.txtFindings.Visible() ? window.txtFindings.Text() : "";
        dialogs.shown.clear();
        act();
        EXPECT_EQ(
            line + "|" + (Texts().empty() ? "" : Texts()[0]) + "|" + window.List1.SelectedText(),
            expected);
        EXPECT_TRUE(Texts().empty() || Texts()[0] != broken ||
                    dialogs.shown[0].icon == MsgIcon::Critical);
    }
    // Edit > Undo names the last change and takes it back once.
    window.LoadThemeList("R&B");
    window.cmdApply_Click();
    window.mnuEdit_Click();
    EXPECT_EQ(window.pmuEdit[EditEntry::Undo].Caption(), "&Undo Apply R&&B");
    window.pmuEdit_Click(EditEntry::Undo);
    window.mnuEdit_Click();
    EXPECT_EQ(InstalledThemeStore(platform).ReadMark() + window.pmuEdit[EditEntry::Undo].Caption(),
              "Not Found&Undo");
    EXPECT_FALSE(window.pmuEdit[EditEntry::Undo].Enabled());
}

TEST_F(MainWindowTest, AToolbarPictureIsPreviewedForTheCurrentThemeOnlyWhenItLoads) {
    ports.files = {{"C:\\old.bmp", {10, 10}}, {"C:\\new.bmp", {20, 10}}};
    InstalledThemeStore(platform).WriteMark(kNoThemeEntry);  // the browser's own toolbar shows
    window.PaintToolbarPreview(ports.LoadPicture("C:\\new.bmp"));
    window.LoadThemeList("");  // the browser has none
    EXPECT_EQ(window.picBackBitmap.Picture(), nullptr);
    Seed(kToolbarKey, kBrowserBackBitmap, "C:\\old.bmp");
    Select(".Current");
    const std::size_t writes = Writes();
    std::string seen;
    for (const auto& choice : {std::optional<std::string>(), {"C:\\new.png"}, {"C:\\new.bmp"}}) {
        dialogs.fileChoice = choice;
        window.pmuEdit_Click(EditEntry::ToolbarSkin);
        seen += RecordingPorts::Name(window.picBackBitmap.Picture()) + " " +
                window.ToolbarPicturePath() + (window.cmdApply.Enabled() ? " apply|" : " -|");
    }
    EXPECT_EQ(seen,
              "C:\\old.bmp C:\\old.bmp -|C:\\old.bmp C:\\old.bmp -|C:\\new.bmp C:\\new.bmp apply|");
    ASSERT_EQ(Texts().size(), 1u);  // the picture that did not load, named
    EXPECT_NE(Texts()[0].find("C:\\new.png"), std::string::npos);
    EXPECT_EQ(dialogs.fileRequests.front().fileName + std::to_string(Writes() - writes),
              "C:\\old.bmp0");
    window.cmdApply_Click();  // the chosen picture becomes both toolbars'
    EXPECT_EQ(Read(kToolbarKey, kExplorerBackBitmap) + Read(kToolbarKey, kBrowserBackBitmap),
              "C:\\new.bmpC:\\new.bmp");
    Select("[None]");
    window.pmuEdit_Click(EditEntry::ToolbarSkin);
    EXPECT_EQ(dialogs.fileRequests.size(), 3u);
}

TEST_F(MainWindowTest, BrowsingForAWebDocumentStartsInTheFolderOfALocalPathOnly) {
    // The path, and whether the dialog starts with it as file name and initial folder.
    const std::pair<std::string, bool> cases[] = {{"", false},
                                                  {"C:\\Web\\home.htm", true},
                                                  {"C:", true},
                                                  {"ab:", false},
                                                  {"http://e.com/", false}};
    for (const auto& [path, local] : cases) {
        std::string chosen = path;
        EXPECT_FALSE(window.BrowseWebDocument(chosen) || chosen != path);
        const OpenFileRequest& asked = dialogs.fileRequests.back();
        EXPECT_EQ(asked.fileName + "|" + asked.initialDir, local ? path + "|" + path : "|") << path;
    }
}

TEST_F(MainWindowTest, ARightClickOnTheToolbarPreviewOffersToCopyItsPicture) {
    window.picBackBitmap_MouseDown(kRightButton);  // nothing shown: nothing to copy
    window.pmuToolbar_Click(ToolbarEntry::CopyImage);
    EXPECT_EQ(host.popup, nullptr);
    ports.files = {{"C:\\old.bmp", {10, 10}}};
    window.PaintToolbarPreview(ports.LoadPicture("C:\\old.bmp"));
    window.picBackBitmap_MouseDown(kRightButton);
    EXPECT_EQ(host.popup, &window.pmuToolbar[ToolbarEntry::CopyImage]);
    window.pmuToolbar_Click(ToolbarEntry::CopyImage);
    EXPECT_TRUE(Texts().empty());
    ports.accepts = false;
    window.pmuToolbar_Click(ToolbarEntry::CopyImage);
    EXPECT_EQ(ports.log, "copy C:\\old.bmp copy C:\\old.bmp ");
    EXPECT_EQ(Texts(), Strings{"The picture could not be put on the Clipboard."});
    window.LoadThemeList("");  // ".Current": the explorer's preview offers a toolbar skin
    window.pmuEdit[EditEntry::ToolbarSkin].SetEnabled(false);
    window.imgExplorer_MouseDown(kRightButton);
    EXPECT_TRUE(host.popup == &window.pmuEdit[EditEntry::ToolbarSkin] && host.popup->Enabled());
}

}  // namespace
}  // namespace velmora::test
