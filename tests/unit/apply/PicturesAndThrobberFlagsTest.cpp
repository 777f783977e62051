// Toolbar pictures, throbber pictures and the throbber flags of the four toolbar layouts.
#include "tests/unit/apply/ApplyFixture.h"

#include "theme/ThemeApplier.h"

namespace velmora::test {

class PicturesTest : public ApplyFixture {};

TEST_F(PicturesTest, NoneDeletesEmptyLeavesAnythingElseIsWrittenUnchecked) {
    Seed(kHkeyCurrentUser, kToolbar, "BackBitmap", "C:\\old\\explorer.bmp");
    Seed(kHkeyCurrentUser, kToolbar, "BackBitmapIE5", "C:\\old\\browser.bmp");
    Seed(kHkeyCurrentUser, kToolbar, "SmallBitmap", "C:\\old\\small.bmp");
    WriteTheme({{"WESkin", "none"}, {"BrandSmall", "NONE"}, {"BackBitmap", "C:\\x.bmp"}});
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kToolbar, "BackBitmap"), "Not Found");
    EXPECT_EQ(User(kToolbar, "SmallBitmap"), "Not Found");
    EXPECT_EQ(User(kToolbar, "BackBitmapIE5"), "C:\\x.bmp");  // no such file: written all the same

    WriteTheme({{"BackBitmap", ""}});
    Seed(kHkeyCurrentUser, kToolbar, "BackBitmap", "C:\\kept.bmp");
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kToolbar, "BackBitmap"), "C:\\kept.bmp");
    EXPECT_EQ(User(kToolbar, "BackBitmapIE5"), "C:\\x.bmp");
}

TEST_F(PicturesTest, EachPropertyGoesToTheBrowsersValueForIt) {
    // The explorer's picture is "BackBitmap", the browser's "BackBitmapIE5"; the animated
    // strips are the "Brand" values, the still pictures "BigBitmap" and "SmallBitmap".
    WriteTheme({{"WESkin", "we.bmp"},
                {"BackBitmap", "ie.bmp"},
                {"BrandLarge", "still-large.bmp"},
                {"AniLarge", "strip-large.bmp"},
                {"BrandSmall", "still-small.bmp"},
                {"AniSmall", "strip-small.bmp"}});
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kToolbar, "BackBitmap"), "we.bmp");
    EXPECT_EQ(User(kToolbar, "BackBitmapIE5"), "ie.bmp");
    EXPECT_EQ(User(kToolbar, "BigBitmap"), "still-large.bmp");
    EXPECT_EQ(User(kToolbar, "BrandBitmap"), "strip-large.bmp");
    EXPECT_EQ(User(kToolbar, "SmallBitmap"), "still-small.bmp");
    EXPECT_EQ(User(kToolbar, "SmBrandBitmap"), "strip-small.bmp");
}

TEST_F(PicturesTest, TheToolbarSkinSwitchLeavesBothBackgroundsButNotTheThrobbers) {
    Seed(kHkeyCurrentUser, kToolbar, "BackBitmap", "C:\\old.bmp");
    WriteTheme({{"WESkin", "None"}, {"BackBitmap", "ie.bmp"}, {"AniLarge", "strip.bmp"}});
    theme_.SetApply_ToolbarSkin(false);
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kToolbar, "BackBitmap"), "C:\\old.bmp");
    EXPECT_EQ(User(kToolbar, "BackBitmapIE5"), "Not Found");
    EXPECT_EQ(User(kToolbar, "BrandBitmap"), "strip.bmp");
}

class ThrobberFlagsTest : public ApplyFixture {
protected:
    // Runs the flag step alone with the given thumper words and counts its writes.
    std::size_t Flags(const std::string& web, const std::string& theater = "",
                      const std::string& shell = "", const std::string& explorer = "") {
        theme_.SetWebThumper(web);
        theme_.SetTheaterThumper(theater);
        theme_.SetShellThumper(shell);
        theme_.SetExplorerThumper(explorer);
        const std::size_t before = Writes();
        ThemeApplier(platform_).ThrobberFlags(theme_);
        return Writes() - before;
    }
    std::uint8_t Byte16(const std::string& key, const std::string& name) {
        const std::vector<std::uint8_t> bytes = StoredLayout(key, name);
        EXPECT_GT(bytes.size(), 16u);
        return bytes.size() > 16 ? bytes[16] : 0;
    }
};

TEST_F(ThrobberFlagsTest, AnythingButNoSetsTheFlagOnlyWhenItIsClear) {
    SeedLayout(kWebBrowser, "ITBarLayout", Layout(565, 0x20));
    EXPECT_EQ(Flags(""), 1u);
    EXPECT_EQ(Byte16(kWebBrowser, "ITBarLayout"), 0x28);
    // Every other byte and the length stay as they were.
    std::vector<std::uint8_t> expected = Layout(565, 0x28);
    EXPECT_EQ(StoredLayout(kWebBrowser, "ITBarLayout"), expected);

    EXPECT_EQ(Flags("Yes"), 0u);  // already set: no write
    EXPECT_EQ(Byte16(kWebBrowser, "ITBarLayout"), 0x28);
}

TEST_F(ThrobberFlagsTest, NoInAnyCaseClearsTheFlagOnlyWhenItIsSet) {
    // Theater and shell say "No" too, so that their fallback to this layout writes nothing.
    SeedLayout(kWebBrowser, "ITBarLayout", Layout(40, 0x2C));
    EXPECT_EQ(Flags("NO", "No", "no"), 1u);
    EXPECT_EQ(Byte16(kWebBrowser, "ITBarLayout"), 0x24);
    EXPECT_EQ(StoredLayout(kWebBrowser, "ITBarLayout").size(), 40u);

    SeedLayout(kWebBrowser, "ITBarLayout", Layout(40, 0x20));
    EXPECT_EQ(Flags("no", "No", "No"), 0u);
    EXPECT_EQ(Byte16(kWebBrowser, "ITBarLayout"), 0x20);

    // Words that merely contain "No" show the throbber.
    EXPECT_EQ(Flags("None"), 1u);
    EXPECT_EQ(Byte16(kWebBrowser, "ITBarLayout"), 0x28);
}

TEST_F(ThrobberFlagsTest, EachLayoutFollowsItsOwnThumper) {
    SeedLayout(kWebBrowser, "ITBarLayout", Layout(17, 0x08));
    SeedLayout(kToolbar, "Theater", Layout(17, 0x00));
    SeedLayout(kShellBrowser, "ITBarLayout", Layout(17, 0x08));
    SeedLayout(kExplorer, "ITBarLayout", Layout(17, 0xFF));
    EXPECT_EQ(Flags("", "", "No", "No"), 3u);
    EXPECT_EQ(Byte16(kWebBrowser, "ITBarLayout"), 0x08);
    EXPECT_EQ(Byte16(kToolbar, "Theater"), 0x08);
    EXPECT_EQ(Byte16(kShellBrowser, "ITBarLayout"), 0x00);
    EXPECT_EQ(Byte16(kExplorer, "ITBarLayout"), 0xF7);
}

TEST_F(ThrobberFlagsTest, AMissingTheaterLayoutStartsFromTheBrowserLayoutAsStepOneLeftIt) {
    SeedLayout(kWebBrowser, "ITBarLayout", Layout(30, 0x28));
    EXPECT_EQ(Flags("No", "", "No"), 2u);
    EXPECT_EQ(Byte16(kWebBrowser, "ITBarLayout"), 0x20);
    // The browser layout with its flag cleared by step one, then set again for the theater.
    EXPECT_EQ(StoredLayout(kToolbar, "Theater"), Layout(30, 0x28));
    // The shell layout started from the browser layout too, but needed no change.
    EXPECT_EQ(StoredLayout(kShellBrowser, "ITBarLayout"), std::vector<std::uint8_t>{});

    // With the shell's thumper empty as well, the shell layout is created the same way.
    SeedLayout(kWebBrowser, "ITBarLayout", Layout(30, 0x28));
    EXPECT_EQ(Flags("No", "", ""), 2u);  // the theater layout now exists and is already set
    EXPECT_EQ(StoredLayout(kShellBrowser, "ITBarLayout"), Layout(30, 0x28));
}

TEST_F(ThrobberFlagsTest, AMissingShellLayoutIsCreatedOnlyWhenAChangeIsNeeded) {
    SeedLayout(kWebBrowser, "ITBarLayout", Layout(30, 0x20));
    EXPECT_EQ(Flags("", "", ""), 1u);  // step one sets the flag; theater and shell need nothing
    EXPECT_EQ(StoredLayout(kToolbar, "Theater"), std::vector<std::uint8_t>{});
    EXPECT_EQ(StoredLayout(kShellBrowser, "ITBarLayout"), std::vector<std::uint8_t>{});

    EXPECT_EQ(Flags("", "", "No"), 1u);
    EXPECT_EQ(StoredLayout(kShellBrowser, "ITBarLayout"), Layout(30, 0x20));
}

TEST_F(ThrobberFlagsTest, TheExplorerLayoutAndTheBrowserLayoutHaveNoFallback) {
    SeedLayout(kToolbar, "Theater", Layout(20, 0x00));
    EXPECT_EQ(Flags("", "", "", ""), 1u);  // only the theater value exists
    EXPECT_EQ(StoredLayout(kWebBrowser, "ITBarLayout"), std::vector<std::uint8_t>{});
    EXPECT_EQ(StoredLayout(kExplorer, "ITBarLayout"), std::vector<std::uint8_t>{});
    EXPECT_EQ(StoredLayout(kShellBrowser, "ITBarLayout"), std::vector<std::uint8_t>{});
}

TEST_F(ThrobberFlagsTest, LayoutsShorterThanSeventeenBytesAreLeftAlone) {
    SeedLayout(kWebBrowser, "ITBarLayout", Layout(10, 0));
    SeedLayout(kToolbar, "Theater", Layout(16, 0));
    SeedLayout(kExplorer, "ITBarLayout", Layout(17, 0x00));
    EXPECT_EQ(Flags("", "", "", ""), 1u);  // only the 17-byte explorer layout
    EXPECT_EQ(StoredLayout(kWebBrowser, "ITBarLayout"), Layout(10, 0));
    EXPECT_EQ(StoredLayout(kToolbar, "Theater"), Layout(16, 0));
    // A short theater value is there, so it does not fall back to the browser layout.
    EXPECT_EQ(StoredLayout(kShellBrowser, "ITBarLayout"), std::vector<std::uint8_t>{});
    EXPECT_EQ(Byte16(kExplorer, "ITBarLayout"), 0x08);
}

TEST_F(ThrobberFlagsTest, TheFlagsAreAdjustedWhateverTheSwitchesSay) {
    SeedLayout(kWebBrowser, "ITBarLayout", Layout(10, 0));
    SeedLayout(kExplorer, "ITBarLayout", Layout(20, 0x08));
    WriteTheme({{"ExplorerThumper", "No"}});
    for (auto setter : {&clsVelmora::SetApply_ToolbarSkin, &clsVelmora::SetApply_Throbbers,
                        &clsVelmora::SetApply_HomePage, &clsVelmora::SetApply_TipsPage,
                        &clsVelmora::SetApply_SearchBar, &clsVelmora::SetApply_StyleExtension,
                        &clsVelmora::SetApply_Sounds, &clsVelmora::SetApply_InfoPage}) {
        (theme_.*setter)(false);
    }
    // A 10-byte browser layout does not stop the apply either.
    ASSERT_TRUE(Apply());
    EXPECT_EQ(Byte16(kExplorer, "ITBarLayout"), 0x00);
    EXPECT_EQ(StoredLayout(kWebBrowser, "ITBarLayout"), Layout(10, 0));
}

}  // namespace velmora::test
