// The theme list and its preview: what each kind of entry shows, the area boxes, the
// type-ahead, the caption rule, and bad entries.
#include <gtest/gtest.h>

#include "tests/unit/mainwindow/MainWindowTestBed.h"

namespace velmora::test {
namespace {

const MemoryThemeFiles::Keys kOcean = {
    {"Author", "Tolvane Art"},        {"WebSite", "http://ocean.example"},
    {"Description", "Deep water."},   {"BackBitmap", "C:\\Themes\\Ocean\\back.bmp"},
    {"AniLarge", "C:\\Themes\\Ocean\\ani.bmp"}, {"BrandLarge", "C:\\Themes\\Ocean\\big.bmp"},
    {"WESkin", "C:\\Themes\\Ocean\\we.bmp"},    {"HomePage", "http://ocean"},
    {"SearchBar", "http://sb"},       {"SearchAssistant", "http://sa"},
    {"TipsPage", "http://tips"},      {"StyleFile", "C:\\Themes\\Ocean\\s.css"},
    {"Navigate", "C:\\Themes\\Ocean\\n.wav"}};
const std::string kOceanFile = "C:\\Themes\\Ocean\\Ocean.vlr";

class ThemeListTest : public ::testing::Test, protected MainWindowTestBed {
protected:
    ThemeListTest() {
        pictures.AddPicture("C:\\Themes\\Ocean\\back.bmp", 16, 20);
        pictures.AddPicture("C:\\Themes\\Ocean\\ani.bmp", 22, 880);
        pictures.AddPicture("C:\\ie.bmp", 400, 30);
    }
};

TEST_F(ThemeListTest, AnInstalledThemeShowsItsTextsPreviewsAndAreas) {
    Install("Ocean", kOcean, "C:\\Themes\\Ocean\\unins.exe");
    themes.files.AddFile("C:\\Themes\\Ocean\\unins.exe", "MZ");
    Seed(kMarkKey, "", "Blue");
    window.LoadThemeList("Ocean");

    EXPECT_EQ(window.List1.Items(), (Strings{".Current", "[None]", "Ocean"}));
    EXPECT_EQ(Strings({window.txtThemeTitle.Text(), window.txtAuthor.Text(), window.txtWebSite.Text(),
                       window.txtThemeDescription.Text(), window.txtThemeFile.Text(),
                       window.Combo1.Text(), window.txtSearch.Text(), host.caption}),
              (Strings{"Ocean", "Tolvane Art", "http://ocean.example", "Deep water.", kOceanFile,
                       "http://ocean", "Ocean", "Ocean - " + kOceanFile}));
    EXPECT_EQ(Draws(), (std::vector<ui::DrawRect>{{0, 0, 300, 20}, {0, 20, 300, 20}}));
    EXPECT_EQ(clip.calls, (Strings{"AniPicture C:\\Themes\\Ocean\\ani.bmp", "Play", "Show"}));
    EXPECT_EQ(Boxes(), (std::vector<int>{1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(window.chkLink[0].Tag(), "http://ocean");
    EXPECT_EQ(window.chkLink[1].ToolTip(), "http://sb");
    EXPECT_TRUE(window.cmdApply.Enabled());
    EXPECT_TRUE(window.cmdUnInstall.Visible());
    EXPECT_FALSE(dialogs.Busy());

    Seed(kMarkKey, "", "OCEAN");
    Select("Ocean");
    EXPECT_FALSE(window.cmdApply.Enabled());
}

TEST_F(ThemeListTest, PreviewStepsFollowTheThemeAndSkipPicturesThatDoNotLoad) {
    struct Case {
        MemoryThemeFiles::Keys keys;
        std::string toolbar;  // picture in the preview afterwards
        Strings clip;
    };
    const Case cases[] = {
        {{{"BackBitmap", "none"}, {"AniLarge", "NONE"}}, "(none)",
         {"AniPicture (empty)", "Play", "Show"}},
        {{{"AniLarge", "C:\\gone.bmp"}, {"WebThumper", "no"}}, "C:\\ie.bmp", {"Play", "Hide"}},
        {{{"BackBitmap", "C:\\gone.bmp"}, {"WebThumper", "Yes"}}, "C:\\old.bmp",
         {"AniPicture picAni", "Show"}},
    };
    Seed(kToolbarKey, "BackBitmapIE5", "C:\\ie.bmp");
    pictures.AddPicture("C:\\old.bmp", 300, 40);
    for (const Case& c : cases) {
        Install("T", c.keys);
        window.LoadThemeList("");
        window.PaintToolbarPreview(pictures.LoadPicture("C:\\old.bmp"));
        clip.calls.clear();
        Select("T");
        EXPECT_EQ(RecordingPictures::Name(picBox().Picture()), c.toolbar);
        EXPECT_EQ(clip.calls, c.clip);
    }
}

TEST_F(ThemeListTest, UninstallIsOfferedOnlyForAnUninstallerThatExists) {
    themes.files.AddFile("C:\\u.exe", "MZ");
    const std::pair<std::string, bool> cases[] = {
        {"", false}, {"C:\\gone.exe", false}, {"C:\\u.exe", true}, {"\"C:\\u.exe\" /q", true}};
    for (const auto& [uninstaller, shown] : cases) {
        InstalledThemeStore(platform).RemoveEntry("T");
        Install("T", {}, uninstaller);
        window.LoadThemeList("T");
        EXPECT_EQ(window.cmdUnInstall.Visible(), shown) << uninstaller;
    }
}

TEST_F(ThemeListTest, AnEntryWithoutAReadableFileKeepsThePreviousDisplay) {
    Install("Ocean", kOcean);
    InstalledThemeStore(platform).AddEntry("Gone", "C:\\Themes\\Gone.vlr");
    cRegistry(platform).WriteRegistry(kHkeyLocalMachine, *InstalledThemeStore::EntryKey("NoPath"),
                                      "UninstallFile", 1, std::string("C:\\u.exe"));
    window.LoadThemeList("Ocean");
    Select("Gone");
    EXPECT_EQ(window.txtThemeFile.Text(), "C:\\Themes\\Gone.vlr");
    Select("NoPath");
    EXPECT_EQ(window.txtThemeFile.Text(), "Not Found");
    EXPECT_EQ(window.txtThemeTitle.Text(), "Ocean");
    EXPECT_EQ(window.txtAuthor.Text(), "Tolvane Art");
}

TEST_F(ThemeListTest, TheCurrentThemeEntryReadsTheBrowserAndTheMark) {
    Install("Ocean", kOcean);
    Seed(kToolbarKey, "BackBitmapIE5", "C:\\ie.bmp");
    Seed(kToolbarKey, "BrandBitmap", "C:\\Themes\\Ocean\\ani.bmp");
    Seed(kMainKey, "Start Page", "http://start");
    struct Case {
        std::string mark, title, file, combo, toolbar;
        Strings clip;
    };
    const Case cases[] = {
        {"", "Not Found", "", "about:blank", "(none)", {"AniPicture picAni"}},
        {"[None]", "[None]", "", "about:blank", "C:\\ie.bmp",
         {"AniPicture C:\\Themes\\Ocean\\ani.bmp", "Play"}},
        {"Ocean", "Ocean", kOceanFile, "http://start", "C:\\ie.bmp",
         {"AniPicture C:\\Themes\\Ocean\\ani.bmp", "Play", "Show"}},
    };
    for (const Case& c : cases) {
        if (!c.mark.empty()) Seed(kMarkKey, "", c.mark);
        window.Combo1.SetText("about:blank");
        clip.calls.clear();
        window.LoadThemeList("");
        EXPECT_EQ(window.txtThemeTitle.Text(), c.title);
        EXPECT_EQ(window.txtThemeFile.Text(), c.file);
        EXPECT_EQ(window.Combo1.Text(), c.combo);
        EXPECT_EQ(RecordingPictures::Name(picBox().Picture()), c.toolbar);
        EXPECT_EQ(clip.calls, c.clip);
        EXPECT_EQ(Boxes(), std::vector<int>(7, 0));
        EXPECT_FALSE(window.cmdApply.Enabled() || window.cmdUnInstall.Visible());
    }
    EXPECT_EQ(window.ToolbarPicturePath(), "C:\\ie.bmp");
}

TEST_F(ThemeListTest, TheNoThemeEntryShowsTheBuiltInLookOfThisWindowsVersion) {
    const std::pair<std::string, std::string> cases[] = {
        {"Microsoft Windows XP", "picXP"}, {"windows xp", "picXP"}, {"Windows 2000", "picAni"}};
    for (const auto& [product, strip] : cases) {
        SeedMachine("Software\\Microsoft\\Windows NT\\CurrentVersion", "ProductName", product);
        window.LoadThemeList("[None]");
        clip.calls.clear();
        Select("[None]");
        EXPECT_EQ(clip.calls, (Strings{"AniPicture " + strip, "Play", "Show"}));
    }
    EXPECT_EQ(window.txtThemeDescription.Text(),
              "Removes all branding and resests your Web settings to their original Internet "
              "Explorer Defaults.");
    EXPECT_EQ(host.caption, "[None] - ");
    EXPECT_TRUE(window.cmdApply.Enabled());
    EXPECT_EQ(window.Combo1.Text(), "about:blank");
}

TEST_F(ThemeListTest, AreaBoxesOfferOnlyAreasTheThemeHasContentFor) {
    const std::pair<MemoryThemeFiles::Keys, std::vector<int>> cases[] = {
        {{{"HomePage", "http://h"}}, {1, 0, 0, 0, 0, 0, 0}},
        {{{"HomePage", "none"}, {"Title", "T"}, {"LocalPage", "l"}}, {0, 0, 0, 0, 0, 0, 0}},
        {{{"SearchPage", "http://s"}}, {0, 0, 0, 0, 0, 0, 0}},
        {{{"SearchBar", "http://b"}}, {0, 1, 0, 0, 0, 0, 0}},
        {{{"TipsPage", "t"}, {"StyleFile", "s"}}, {0, 0, 1, 1, 0, 0, 0}},
        {{{"BrandLarge", "None"}, {"AniLarge", "a"}}, {0, 0, 0, 0, 1, 0, 0}},
        {{{"WESkin", "None"}, {"Navigate", "n"}}, {0, 0, 0, 0, 0, 1, 1}},
    };
    for (const auto& [keys, boxes] : cases) {
        Install("T", keys);
        window.LoadThemeList("T");
        EXPECT_EQ(Boxes(), boxes);
        for (int i = 0; i < 7; ++i) EXPECT_EQ(window.chkLink[i].Enabled(), boxes[i] == 1) << i;
        window.EnableAreaBoxes(false);
        EXPECT_EQ(Boxes(), std::vector<int>(7, 0));
        EXPECT_FALSE(window.chkLink[6].Enabled() || window.chkLink[0].Enabled());
    }
}

TEST_F(ThemeListTest, AreaToolTipsNameWhatEachAreaWouldWrite) {
    Install("Ocean", kOcean);
    window.LoadThemeList("Ocean");
    const Strings tips = {"Home Page: http://ocean",
                          "Search Bar: http://sb\r\nSearch Assistant: http://sa",
                          "Tips Page: http://tips",
                          "User Stylesheet: C:\\Themes\\Ocean\\s.css",
                          "C:\\Themes\\Ocean\\ani.bmp\r\n",
                          "C:\\Themes\\Ocean\\we.bmp",
                          "Navigate: C:\\Themes\\Ocean\\n.wav\r\n"};
    for (int i = 0; i < 7; ++i) {
        window.chkLink_MouseMove(i);
        EXPECT_EQ(window.chkLink[i].ToolTip(), tips[i]);
    }
    window.chkLink_MouseMove(7);
    window.chkLink_Click(-1);
}

TEST_F(ThemeListTest, TypeAheadCompletesToTheFirstMatchingEntry) {
    Install("Aqua");
    Install("Autumn");
    window.LoadThemeList("");
    window.List1.Clear();
    for (const char* entry : {".Current", "[None]", "Autumn", "Aqua"}) window.List1.AddItem(entry);
    struct Case {
        std::string typed;
        int key, selStart, selLength;
        std::string text;
        int sel0, sel1, index;
    };
    const Case cases[] = {
        {"A", 'A', 1, 0, "Autumn", 1, 5, 2},   {"Aq", 'Q', 2, 0, "Aqua", 2, 2, 3},
        {"autumn", 'N', 6, 0, "Autumn", 6, 0, 2}, {"z", 'Z', 1, 0, "z", 1, 0, 2},
        {"Aq", 8, 2, 0, "Aq", 2, 0, 2},          {"Aq", 'Q', 0, 2, "Aq", 0, 2, 2},
    };
    for (const Case& c : cases) {
        window.txtSearch.SetText(c.typed);
        window.txtSearch.SetSelection(c.selStart, c.selLength);
        window.txtSearch_KeyUp(c.key);
        EXPECT_EQ(window.txtSearch.Text(), c.text) << c.typed;
        EXPECT_EQ(window.txtSearch.SelStart(), c.sel0) << c.typed;
        EXPECT_EQ(window.txtSearch.SelLength(), c.sel1) << c.typed;
        EXPECT_EQ(window.List1.ListIndex(), c.index) << c.typed;
    }
    EXPECT_EQ(window.txtThemeTitle.Text(), "Autumn");
    EXPECT_EQ(host.focus, &window.txtSearch);
    window.txtSearch.SetSelection(1, 0);
    window.txtSearch_GotFocus();
    EXPECT_EQ(window.txtSearch.SelStart() * 10 + window.txtSearch.SelLength(), 2);
}

TEST_F(ThemeListTest, TheCaptionIsTheTitleAndTheThemeFile) {
    window.txtThemeFile.SetText("C:\\Themes\\blue.vlr");
    window.txtThemeTitle.SetText("Blue");
    window.txtThemeTitle_Change();
    EXPECT_EQ(host.caption, "Blue - C:\\Themes\\blue.vlr");
}

TEST_F(ThemeListTest, AThousandThemesAndOddTitlesStayUsable) {
    for (int i = 0; i < 1000; ++i) InstalledThemeStore(platform).AddEntry("T" + std::to_string(i), "C:\\t.vlr");
    const std::string odd = "\xC4quator & <b>\"Wave\"</b> 100% ;";
    Install(odd, kOcean);
    window.LoadThemeList(odd);
    EXPECT_EQ(window.List1.ListCount(), 1003);
    EXPECT_EQ(window.txtThemeTitle.Text(), odd);
    Select("T999");
    EXPECT_EQ(window.txtThemeFile.Text(), "C:\\t.vlr");
    EXPECT_EQ(window.txtThemeTitle.Text(), odd);
}

}  // namespace
}  // namespace velmora::test
