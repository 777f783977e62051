// The theme list and its preview: what each kind of entry shows, the area boxes, the
// type-ahead, and bad entries.
#include <gtest/gtest.h>

#include "tests/unit/mainwindow/MainWindowTestBed.h"

namespace velmora::test {
namespace {

const MemoryProfile::Keys kOcean = {{"Author", "Tol"},          {"WebSite", "http://w"},
                                    {"Description", "Deep."},   {"BackBitmap", "C:\\b.bmp"},
                                    {"AniLarge", "C:\\a.bmp"},  {"BrandLarge", "C:\\g.bmp"},
                                    {"WESkin", "C:\\we.bmp"},   {"HomePage", "http://h"},
                                    {"SearchBar", "http://sb"}, {"SearchAssistant", "http://sa"},
                                    {"TipsPage", "http://t"},   {"StyleFile", "C:\\s.css"},
                                    {"Navigate", "C:\\n.wav"}};

class ThemeListTest : public ::testing::Test, protected MainWindowTestBed {
protected:
    ThemeListTest() {
        pictures.AddPicture("C:\\b.bmp", 16, 20);
        pictures.AddPicture("C:\\a.bmp", 22, 880);
        pictures.AddPicture("C:\\ie.bmp", 400, 30);
        files.AddFile("C:\\u.exe", "MZ");
    }
};

TEST_F(ThemeListTest, AnInstalledThemeShowsItsTextsPreviewsAndAreas) {
    Install("Ocean", kOcean, "C:\\u.exe");
    Seed(kMarkKey, "", "Blue");
    window.LoadThemeList("Ocean");
    EXPECT_EQ(window.List1.Items(), (Strings{".Current", "[None]", "Ocean"}));
    EXPECT_EQ(Display(),
              "Ocean|Tol|http://w|Deep.|C:\\Themes\\Ocean.vlr|http://h|1111111|apply|"
              "uninstall|C:\\b.bmp");
    EXPECT_EQ(window.picBackBitmap.Draws(),
              (std::vector<ui::DrawRect>{{0, 0, 300, 20}, {0, 20, 300, 20}}));
    pictures.AddPicture("C:\\flat.bmp", 0, 40);  // nothing to draw: the preview is cleared
    window.PaintToolbarPreview(pictures.LoadPicture("C:\\flat.bmp"));
    EXPECT_EQ(window.picBackBitmap.Picture(), nullptr);
    EXPECT_EQ(clip.calls, "C:\\a.bmp Play Show ");
    EXPECT_EQ(host.caption, "Ocean - C:\\Themes\\Ocean.vlr");
    EXPECT_EQ(window.txtSearch.Text() + window.chkLink[0].Tag() + window.chkLink[0].ToolTip() +
                  window.chkLink[1].ToolTip(),
              "Oceanhttp://hhttp://hhttp://sb");
    EXPECT_FALSE(dialogs.Busy());

    const Strings tips = {
        "Home Page: http://h",    "Search Bar: http://sb\r\nSearch Assistant: http://sa",
        "Tips Page: http://t",    "User Stylesheet: C:\\s.css",
        "C:\\a.bmp\r\n",          "C:\\we.bmp",
        "Navigate: C:\\n.wav\r\n"};
    for (int i = 0; i < 7; ++i) {
        window.chkLink_MouseMove(i);
        EXPECT_EQ(window.chkLink[i].ToolTip(), tips[i]);
    }
    window.chkLink_MouseMove(7);

    Seed(kMarkKey, "", "OCEAN");  // the current theme is not offered again
    Select("Ocean");
    EXPECT_FALSE(window.cmdApply.Enabled());
}

TEST_F(ThemeListTest, PreviewStepsFollowTheThemeAndSkipPicturesThatDoNotLoad) {
    const std::tuple<MemoryProfile::Keys, std::string, std::string> cases[] = {
        {{{"BackBitmap", "none"}, {"AniLarge", "NONE"}}, "(none)", "(empty) Play Show "},
        {{{"AniLarge", "C:\\gone.bmp"}, {"WebThumper", "no"}}, "C:\\ie.bmp", "Play Hide "},
        {{{"BackBitmap", "C:\\gone.bmp"}, {"WebThumper", "Yes"}}, "C:\\old.bmp", "picAni Show "},
    };
    Seed(kToolbarKey, "BackBitmapIE5", "C:\\ie.bmp");
    pictures.AddPicture("C:\\old.bmp", 300, 40);
    for (const auto& [keys, toolbar, calls] : cases) {
        Install("T", keys);
        window.LoadThemeList("");
        window.PaintToolbarPreview(pictures.LoadPicture("C:\\old.bmp"));
        clip.calls.clear();
        Select("T");
        EXPECT_EQ(RecordingPictures::Name(window.picBackBitmap.Picture()), toolbar);
        EXPECT_EQ(clip.calls, calls);
    }
}

TEST_F(ThemeListTest, UninstallIsOfferedOnlyForAnUninstallerThatExists) {
    const std::pair<std::string, bool> cases[] = {
        {"", false}, {"C:\\gone.exe", false}, {"C:\\u.exe", true}, {"\"C:\\u.exe\" /q", true}};
    for (const auto& [uninstaller, shown] : cases) {
        InstalledThemeStore(platform).RemoveEntry("T");
        Install("T", {}, uninstaller);
        window.LoadThemeList("T");
        EXPECT_EQ(window.cmdUnInstall.Visible(), shown) << uninstaller;
    }
}

TEST_F(ThemeListTest, TheCurrentThemeEntryReadsTheBrowserAndTheMark) {
    Install("Ocean", kOcean);
    Seed(kToolbarKey, "BackBitmapIE5", "C:\\ie.bmp");
    Seed(kToolbarKey, "BrandBitmap", "C:\\a.bmp");
    Seed(kMainKey, "Start Page", "http://start");
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"", "Not Found|||||about:blank|0000000|-|-|(none)", "picAni "},
        {"[None]", "[None]|||||x|0000000|-|-|C:\\ie.bmp", "C:\\a.bmp Play "},
        {"Ocean",
         "Ocean|Tol|http://w|Deep.|C:\\Themes\\Ocean.vlr|http://start|0000000|-|-|C:\\ie.bmp",
         "C:\\a.bmp Play Show "},
    };
    for (const auto& [mark, display, calls] : cases) {
        if (!mark.empty()) Seed(kMarkKey, "", mark);
        window.Combo1.SetText("x");
        window.PaintToolbarPreview(pictures.LoadPicture("C:\\b.bmp"));
        clip.calls.clear();
        window.LoadThemeList("");
        EXPECT_EQ(Display(), display);
        EXPECT_EQ(clip.calls, calls);
    }
    EXPECT_EQ(window.ToolbarPicturePath(), "C:\\ie.bmp");
    // Coming from a theme with every area, the boxes are no choice for the current look.
    window.List1.SetListIndex(2);
    window.List1_Click();
    ASSERT_EQ(Boxes(), "1111111");
    window.List1.SetListIndex(0);
    window.List1_Click();
    EXPECT_EQ(Boxes(), "0000000");
}

TEST_F(ThemeListTest, TheNoThemeEntryShowsTheBuiltInLookOfThisWindowsVersion) {
    Install("Ocean", kOcean);
    const std::pair<std::string, std::string> cases[] = {{"Microsoft Windows XP", "picXP"},
                                                         {"windows xp", "picXP"},
                                                         {"XP", "picXP"},
                                                         {"Windows 2000", "picAni"}};
    for (const auto& [product, strip] : cases) {
        SeedMachine("Software\\Microsoft\\Windows NT\\CurrentVersion", "ProductName", product);
        window.LoadThemeList("Ocean");
        clip.calls.clear();
        Select("[None]");
        EXPECT_EQ(clip.calls, strip + " Play Show ");
    }
    EXPECT_EQ(Display(),
              "[None]|||Removes all branding and resests your Web settings to their "
              "original Internet Explorer Defaults.||about:blank|0000000|apply|-|(none)");
    EXPECT_EQ(host.caption, "[None] - ");
}

TEST_F(ThemeListTest, AreaBoxesOfferOnlyAreasTheThemeHasContentFor) {
    const std::pair<MemoryProfile::Keys, std::string> cases[] = {
        {{{"HomePage", "http://h"}}, "1000000"},
        {{{"HomePage", "none"}, {"Title", "T"}, {"LocalPage", "l"}}, "0000000"},
        {{{"SearchPage", "http://s"}}, "0000000"},
        {{{"SearchBar", "http://b"}, {"TipsPage", "t"}}, "0110000"},
        {{{"StyleFile", "s"}, {"BrandLarge", "None"}, {"AniLarge", "a"}}, "0001100"},
        {{{"WESkin", "None"}, {"Navigate", "n"}}, "0000011"},
    };
    for (const auto& [keys, boxes] : cases) {
        Install("T", keys);
        window.LoadThemeList("T");
        EXPECT_EQ(Boxes(), boxes);
        window.EnableAreaBoxes(false);
        EXPECT_EQ(Boxes(), "0000000");
    }
}

TEST_F(ThemeListTest, TypeAheadCompletesToTheFirstMatchingEntry) {
    Install("Aqua");
    Install("Autumn");
    window.List1.Clear();
    for (const char* entry : {".Current", "[None]", "Autumn", "Aqua"}) window.List1.AddItem(entry);
    struct Case {
        std::string typed;
        int key, selStart, selLength;
        std::string after;  // text, selection start and length, list index
    };
    const Case cases[] = {{"A", 'A', 1, 0, "Autumn 1 5 2"},      {"Aq", 'Q', 2, 0, "Aqua 2 2 3"},
                          {"autumn", 'N', 6, 0, "Autumn 6 0 2"}, {"z", 'Z', 1, 0, "z 1 0 2"},
                          {"Aq", 8, 2, 0, "Aq 2 0 2"},           {"Aq", 'Q', 0, 2, "Aq 0 2 2"}};
    for (const Case& c : cases) {
        window.txtSearch.SetText(c.typed);
        window.txtSearch.SetSelection(c.selStart, c.selLength);
        window.txtSearch_KeyUp(c.key);
        const ui::TextBox& box = window.txtSearch;
        EXPECT_EQ(box.Text() + " " + std::to_string(box.SelStart()) + " " +
                      std::to_string(box.SelLength()) + " " +
                      std::to_string(window.List1.ListIndex()),
                  c.after);
    }
    EXPECT_EQ(window.txtThemeTitle.Text(), "Autumn");
    EXPECT_EQ(host.focus, &window.txtSearch);
    window.txtSearch.SetSelection(1, 0);
    window.txtSearch_GotFocus();
    EXPECT_EQ(window.txtSearch.SelStart() * 10 + window.txtSearch.SelLength(), 2);
}

TEST_F(ThemeListTest, BadEntriesAndAThousandThemesLeaveTheListUsable) {
    for (int i = 0; i < 1000; ++i)
        InstalledThemeStore(platform).AddEntry("T" + std::to_string(i), "C:\\gone.vlr");
    SeedMachine(*InstalledThemeStore::EntryKey("NoPath"), "UninstallFile", "C:\\u.exe");
    const std::string odd = "\xC4quator & <b>\"Wave\"</b> 100% ;";
    Install(odd, {{"Author", "Tol"}});
    window.LoadThemeList(odd);
    EXPECT_EQ(window.List1.ListCount(), 1004);
    const std::string shown = odd + "|Tol|||C:\\Themes\\" + odd + ".vlr|";
    EXPECT_EQ(Display().substr(0, shown.size()), shown);
    Select("T999");  // its file is gone: the rest of the display stays
    EXPECT_EQ(window.txtThemeFile.Text() + "|" + window.txtThemeTitle.Text(),
              "C:\\gone.vlr|" + odd);
    Select("NoPath");
    EXPECT_EQ(window.txtThemeFile.Text() + "|" + window.txtAuthor.Text(), "Not Found|Tol");
    // A second entry whose file has the same title: the caption names the file shown.
    AddTheme("C:\\twin.vlr", {{"ThemeTitle", odd}});
    InstalledThemeStore(platform).AddEntry("Twin", "C:\\twin.vlr");
    window.LoadThemeList("Twin");
    EXPECT_EQ(host.caption, odd + " - C:\\twin.vlr");
}

}  // namespace
}  // namespace velmora::test
