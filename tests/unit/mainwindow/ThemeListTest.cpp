// The theme list: what each kind of entry shows, its previews (and how the toolbar picture
// covers its box) and area boxes, the tips, the type-ahead, and bad entries.
#include <tuple>

#include "mainwindow/ToolbarPreviewTiling.h"
#include "tests/unit/mainwindow/MainWindowTestBed.h"

namespace velmora::test {
namespace {

const MemoryProfile::Keys kOcean = {
    {"Author", "Tol"},          {"WebSite", "http://w"},          {"Description", "Deep."},
    {"BackBitmap", "C:\\b.bmp"}, {"AniLarge", "C:\\a.bmp"},         {"BrandLarge", "C:\\g.bmp"},
    {"WESkin", "C:\\we.bmp"},    {"HomePage", "http://h"},          {"SearchBar", "http://sb"},
    {"TipsPage", "http://t"},   {"SearchAssistant", "http://sa"}, {"StyleFile", "C:\\s.css"},
    {"Navigate", "C:\\n.wav"}};

TEST(ThemeListTest, EachEntryShowsItsThemeItsPreviewsAndItsAreas) {
    struct Row {
        MemoryProfile::Keys keys;  // of the installed theme T
        const char *uninstaller, *mark;  // the current theme's mark; empty: none yet
        const char* selected;            // after T was shown with a toolbar picture C:\old.bmp
        std::string display, clip;       // the display (see Display) or its start; clip's calls
        const char* windows = "Microsoft Windows 2000";
    };
    const std::string noTheme = "0000000|apply|-|(none)|[None]|||";
    // clang-format off
    const Row rows[] = {
        {kOcean, "C:\\u.exe", "Blue", "T",
         "1111111|apply|uninstall|C:\\b.bmp|T|Tol|http://w|Deep.|C:\\Themes\\T.vlr|http://h|T",
         "C:\\a.bmp Play Show "},
        // The current theme is not offered again; without pictures of its own the theme
        // shows the browser's.
        {{}, "", "t", "T", "0000000|-|-|C:\\ie.bmp|T||||C:\\Themes\\T.vlr||T", "picAni Show "},
        {{{"BackBitmap", "none"}, {"AniLarge", "NONE"}}, "", "", "T", "0000000|apply|-|(none)",
         "(empty) Play Show "},
        // Pictures that do not load show as none given, never the ones shown before.
        {{{"AniLarge", "C:\\gone.bmp"}, {"WebThumper", "no"}}, "", "", "T",
         "0000000|apply|-|C:\\ie.bmp", "picAni Hide "},
        {{{"BackBitmap", "C:\\gone.bmp"}, {"WebThumper", "Yes"}}, "", "", "T",
         "0000000|apply|-|(none)", "picAni Show "},
        // Uninstall only for an uninstaller that exists.
        {{}, "C:\\gone.exe", "", "T", "0000000|apply|-|", "picAni Show "},
        {{}, "\"C:\\u.exe\" /q", "", "T", "0000000|apply|uninstall|", "picAni Show "},
        // The area boxes offer only areas the theme has content for.
        {{{"HomePage", "http://h"}}, "", "", "T", "1000000", "picAni Show "},
        {{{"HomePage", "none"}, {"Title", "T"}, {"LocalPage", "l"}}, "", "", "T", "0000000",
         "picAni Show "},
        {{{"SearchPage", "http://s"}}, "", "", "T", "0000000", "picAni Show "},
        {{{"SearchBar", "http://b"}, {"TipsPage", "t"}}, "", "", "T", "0110000", "picAni Show "},
        {{{"StyleFile", "s"}, {"BrandLarge", "None"}, {"AniLarge", "C:\\a.bmp"}}, "", "", "T",
         "0001100", "C:\\a.bmp Play Show "},
        {{{"WESkin", "None"}, {"Navigate", "n"}}, "", "", "T", "0000011", "picAni Show "},
        // The current theme: the browser's pictures and the mark; no boxes to choose.
        {kOcean, "", "", ".Current", "0000000|-|-|(none)|Not Found|||||about:blank|", "picAni "},
        {kOcean, "", "[None]", ".Current", "0000000|-|-|C:\\ie.bmp|[None]|||||http://h|",
         "C:\\a.bmp Play "},
        {{}, "C:\\u.exe", "Ocean", ".Current",
         "0000000|-|-|C:\\ie.bmp|Ocean|Tol|http://w|Deep.|C:\\Themes\\Ocean.vlr|http://start|",
         "C:\\a.bmp Play Show "},
        // A mark whose file is gone: the browser's pictures; the texts of T stay.
        {kOcean, "", "Lost", ".Current",
         "0000000|-|-|C:\\ie.bmp||Tol|http://w||C:\\Themes\\T.vlr|http://start|",
         "C:\\a.bmp Play "},
        // No theme: the built-in look of this Windows version.
        {kOcean, "C:\\u.exe", "T", "[None]",
         noTheme + "Removes all branding and resests your Web settings to their original "
                   "Internet Explorer Defaults.||about:blank|T",
         "picAni Play Show "},
        {{}, "", "", "[None]", noTheme, "picXP Play Show ", "windows xp"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.display);
        WindowBed w;
        w.ports.files = {{"C:\\b.bmp", {16, 20}}, {"C:\\a.bmp", {22, 880}},
                         {"C:\\ie.bmp", {400, 30}}, {"C:\\old.bmp", {300, 40}}};
        w.files.AddFile("C:\\u.exe", "MZ");
        w.Seed(kToolbarKey, kBrowserBackBitmap, "C:\\ie.bmp");
        w.Seed(kToolbarKey, kBrandBitmap, "C:\\a.bmp");
        w.Seed(kMainKey, kStartPage, "http://start");
        w.Seed("Software\\Microsoft\\Windows NT\\CurrentVersion", "ProductName", row.windows,
               kHkeyLocalMachine);
        w.Install("Ocean", kOcean);
        InstalledThemeStore(w.platform).AddEntry("Lost", "C:\\lost.vlr");
        w.Install("T", row.keys, row.uninstaller);
        if (*row.mark) w.Seed(InstalledThemeStore::MarkKey(), "", row.mark);
        w.window.LoadThemeList("T");
        w.window.PaintToolbarPreview(w.ports.LoadPicture("C:\\old.bmp"));
        w.ports.log.clear();
        w.Select(row.selected);
        const bool whole = std::count(row.display.begin(), row.display.end(), '|') == 10;
        EXPECT_EQ(whole ? w.Display() : w.Display().substr(0, row.display.size()), row.display);
        EXPECT_EQ(w.ports.log, row.clip);
        const InstalledThemes& shown = w.window;
        EXPECT_EQ(w.host.caption, shown.txtThemeTitle.Text() + " - " + shown.txtThemeFile.Text());
        EXPECT_TRUE(shown.mnuEdit.Enabled());
    }
}

TEST(ToolbarPreviewDrawsTest, NarrowPicturesStretchAcrossWidePicturesRepeatDown) {
    // The picture's width and height, the box's, and the draws that cover the box.
    const std::tuple<int, int, int, int, std::vector<ui::DrawRect>> cases[] = {
        {16, 20, 300, 40, {{0, 0, 300, 20}, {0, 20, 300, 20}}},
        {16, 15, 300, 40, {{0, 0, 300, 15}, {0, 15, 300, 15}, {0, 30, 300, 15}}},
        {16, 40, 300, 40, {{0, 0, 300, 40}}},
        {1, 40, 300, 40, {{0, 0, 300, 40}}},
        {299, 50, 300, 40, {{0, 0, 300, 40}}},
        {300, 25, 300, 40, {{0, 0, 300, 25}, {0, 25, 300, 25}}},
        {640, 40, 300, 40, {{0, 0, 640, 40}}},
        {0, 20, 300, 40, {}},
        {16, 20, 0, 40, {}},
        {16, 0, 300, 40, {}},
        {16, 1, 300, 2, {{0, 0, 300, 1}, {0, 1, 300, 1}}},
        {16, 20, 300, 0, {}},
        {16, 20, 1, 40, {{0, 0, 16, 20}, {0, 20, 16, 20}}},
        {16, 20, 300, 1, {{0, 0, 300, 1}}},
    };
    for (const auto& [w, h, W, H, draws] : cases)
        EXPECT_EQ(ToolbarPreviewDraws(w, h, W, H), draws) << w << "x" << h;
}

TEST_F(MainWindowTest, AnInstalledThemeShowsItsPreviewTextsAndTips) {
    ports.files = {{"C:\\b.bmp", {16, 20}}, {"C:\\dot.bmp", {1, 1}}, {"C:\\none.bmp", {0, 40}},
                   {"C:\\flat.bmp", {40, 0}}};
    Install("Ocean", kOcean);
    window.LoadThemeList("Ocean");
    EXPECT_TRUE(window.txtWebSite.Link());  // http://w opens
    EXPECT_EQ(window.picBackBitmap.Draws().size(), 2u);  // how is the tiling's own table
    std::string drawn;  // one pixel is drawn; a picture of no width or height clears the box
    for (const char* path : {"C:\\dot.bmp", "C:\\none.bmp", "C:\\dot.bmp", "C:\\flat.bmp"}) {
        window.PaintToolbarPreview(ports.LoadPicture(path));
        drawn += window.picBackBitmap.Picture() ? '1' : '0';
    }
    EXPECT_EQ(drawn, "1010");
    std::string tips = window.txtSearch.Text();
    for (int i : {0, 1}) tips += "|" + window.chkLink[i].Tag() + "|" + window.chkLink[i].ToolTip();
    for (int i = 0; i < 8; ++i) {  // no eighth box
        window.chkLink_MouseMove(i);
        if (i < 7) tips += "|" + window.chkLink[i].ToolTip();
    }
    EXPECT_EQ(tips,
              "Ocean|http://h|http://h|http://sb|http://sb|Home Page: http://h|Search Bar: "
              "http://sb\r\nSearch Assistant: http://sa|Tips Page: http://t|User Stylesheet: "
              "C:\\s.css|C:\\a.bmp\r\n|C:\\we.bmp|Navigate: C:\\n.wav\r\n");
}

TEST_F(MainWindowTest, TypeAheadCompletesToTheFirstMatchingEntry) {
    Install("Aqua");
    Install("Autumn");
    window.List1.Clear();
    for (const char* entry : {".Current", "[None]", "Autumn", "Aqua"}) window.List1.AddItem(entry);
    // Typed, key, selection start and length; then the text, its selection and the list index
    // (the current theme's entry empties the box; Backspace never completes).
    const std::tuple<std::string, int, int, int, std::string> cases[] = {
        {"[", '[', 1, 0, "[None] 1 5 1"},     {".", '.', 1, 0, " 1 7 0"},
        {"A", 'A', 1, 0, "Autumn 1 5 2"},     {"Aq", 'Q', 2, 0, "Aqua 2 2 3"},
        {"autumn", 'N', 6, 0, "Autumn 6 0 2"}, {"z", 'Z', 1, 0, "z 1 0 2"},
        {"Aq", 8, 2, 0, "Aq 2 0 2"},          {"Aq", 'Q', 0, 2, "Aq 0 2 2"}};
    const ui::TextBox& box = window.txtSearch;
    for (const auto& [typed, key, selStart, selLength, after] : cases) {
        window.txtSearch.SetText(typed);
        window.txtSearch.SetSelection(selStart, selLength);
        window.txtSearch_KeyUp(key);
        const int index = window.List1.ListIndex();
        EXPECT_EQ(box.Text() + " " + std::to_string(box.SelStart()) + " " +
                      std::to_string(box.SelLength()) + " " + std::to_string(index),
                  after);
    }
    EXPECT_EQ(window.txtThemeTitle.Text(), "Autumn");
    EXPECT_EQ(host.focus, &window.txtSearch);
    window.txtSearch_KeyDown('A');  // Enter goes to the list, never to Apply
    EXPECT_EQ(host.focus, &window.txtSearch);
    window.txtSearch_KeyDown(13);
    EXPECT_EQ(host.focus, &window.List1);
    window.txtSearch.SetSelection(1, 0);
    desktop.focus = desktop.AddWindow("Autumn");  // the real box, selected all through too
    window.txtSearch_GotFocus();
    EXPECT_EQ(box.SelStart() * 10 + box.SelLength(), 2);
    EXPECT_EQ(desktop[desktop.focus].selLength, 6);
}

TEST_F(MainWindowTest, BadEntriesLeaveTheListUsable) {
    InstalledThemeStore(platform).AddEntry("T999", "C:\\gone.vlr");
    Seed(*InstalledThemeStore::EntryKey("NoPath"), "UninstallFile", "C:\\u.exe", kHkeyLocalMachine);
    const std::string odd = "\xC4quator & <b>\"Wave\"</b> 100% ;";
    ports.files = {{"C:\\b.bmp", {16, 20}}};
    Install(odd, {{"Author", "Tol"}, {"WebSite", "http://w"}, {"BackBitmap", "C:\\b.bmp"}});
    window.LoadThemeList(odd);
    EXPECT_EQ(window.List1.ListCount(), 5);
    EXPECT_EQ(window.txtThemeTitle.Text() + "|" + window.txtThemeFile.Text(),
              odd + "|C:\\Themes\\" + odd + ".vlr");
    // A theme that cannot be loaded shows nothing of the one before: its name, why, and no
    // Apply; its Uninstall stays and asks about it by name.
    files.AddFile("C:\\u.exe", "MZ");
    const std::pair<std::string, std::string> unloadable[] = {
        {"T999", "0000000|-|-|(none)|T999|||This Theme could not be loaded: there is no file at "
                 "C:\\gone.vlr.|C:\\gone.vlr||T999"},
        {"NoPath", "0000000|-|uninstall|(none)|NoPath|||This Theme could not be loaded: its entry "
                   "names no theme file.|Not Found||NoPath"},
    };
    for (const auto& [entry, display] : unloadable) {
        Select(odd);
        ports.log.clear();
        Select(entry);
        EXPECT_EQ(Display() + "|" + ports.log, display + "|Hide ");
    }
    dialogs.Script({MsgAnswer::No});
    window.cmdUnInstall_Click();
    EXPECT_EQ(Texts().back(), "Are you sure you want to remove this Theme - \r\n\r\nNoPath");
    // Its Apply, were it clicked, changes nothing and says why.
    const std::size_t writes = Writes();
    Select("T999");
    window.cmdApply_Click();
    EXPECT_EQ(Texts().back(),
              "The Theme \"T999\" could not be applied: there is no file at C:\\gone.vlr.");
    EXPECT_FALSE(window.Applying() || dialogs.busy || Writes() != writes);
    EXPECT_TRUE(browsers.created.empty());
}

}  // namespace
}  // namespace velmora::test
