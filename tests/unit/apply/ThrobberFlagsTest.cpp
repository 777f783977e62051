// The throbber flag (bit 3 of byte 16) of the four toolbar layouts.
#include "tests/unit/apply/ApplyFixture.h"

#include "theme/ThemeApplier.h"

namespace velmora::test {

namespace {

using Bytes = std::vector<std::uint8_t>;

}  // namespace

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
        ThemeApplier(platform).ThrobberFlags(theme_);
        return Writes() - before;
    }
};

TEST_F(ThrobberFlagsTest, NoInAnyCaseClearsTheFlagAnythingElseSetsItWritingOnlyOnChange) {
    struct Case {
        std::uint8_t before;
        const char* thumper;
        std::uint8_t after;
    };
    const Case cases[] = {{0x20, "", 0x28},   {0x28, "Yes", 0x28},  {0x2C, "NO", 0x24},
                          {0x20, "no", 0x20}, {0x20, "None", 0x28}, {0xFF, "No", 0xF7},
                          {0x00, "x", 0x08}};
    // Theater and shell layouts exist but are too short to hold the flag: left alone.
    SeedLayout(kToolbar, "Theater", Layout(16, 0));
    SeedLayout(kShellBrowser, "ITBarLayout", Layout(10, 0));
    EXPECT_EQ(Flags(""), 0u);  // and without a browser layout nothing is created
    EXPECT_EQ(StoredLayout(kWebBrowser, "ITBarLayout"), Bytes{});
    for (const Case& c : cases) {
        SeedLayout(kWebBrowser, "ITBarLayout", Layout(565, c.before));
        EXPECT_EQ(Flags(c.thumper), c.before == c.after ? 0u : 1u) << c.thumper;
        // Every other byte and the length stay as they were.
        EXPECT_EQ(StoredLayout(kWebBrowser, "ITBarLayout"), Layout(565, c.after)) << c.thumper;
    }
    EXPECT_EQ(StoredLayout(kToolbar, "Theater"), Layout(16, 0));
    EXPECT_EQ(StoredLayout(kShellBrowser, "ITBarLayout"), Layout(10, 0));
}

TEST_F(ThrobberFlagsTest, EachLayoutFollowsItsOwnThumper) {
    SeedLayout(kWebBrowser, "ITBarLayout", Layout(17, 0x08));
    SeedLayout(kToolbar, "Theater", Layout(17, 0x00));
    SeedLayout(kShellBrowser, "ITBarLayout", Layout(17, 0x08));
    SeedLayout(kExplorer, "ITBarLayout", Layout(17, 0xFF));
    EXPECT_EQ(Flags("", "", "No", "No"), 3u);
    EXPECT_EQ(StoredLayout(kWebBrowser, "ITBarLayout"), Layout(17, 0x08));
    EXPECT_EQ(StoredLayout(kToolbar, "Theater"), Layout(17, 0x08));
    EXPECT_EQ(StoredLayout(kShellBrowser, "ITBarLayout"), Layout(17, 0x00));
    EXPECT_EQ(StoredLayout(kExplorer, "ITBarLayout"), Layout(17, 0xF7));
}

TEST_F(ThrobberFlagsTest, MissingTheaterAndShellLayoutsStartFromTheBrowserLayoutAsStepOneLeftIt) {
    SeedLayout(kWebBrowser, "ITBarLayout", Layout(30, 0x28));
    EXPECT_EQ(Flags("No", "", "No"), 2u);
    EXPECT_EQ(StoredLayout(kWebBrowser, "ITBarLayout"), Layout(30, 0x20));
    // Cleared by step one, then set again for the theater; the shell's needed no change.
    EXPECT_EQ(StoredLayout(kToolbar, "Theater"), Layout(30, 0x28));
    EXPECT_EQ(StoredLayout(kShellBrowser, "ITBarLayout"), Bytes{});

    SeedLayout(kWebBrowser, "ITBarLayout", Layout(30, 0x28));
    EXPECT_EQ(Flags("No", "", ""), 2u);  // the theater layout now exists and is already set
    EXPECT_EQ(StoredLayout(kShellBrowser, "ITBarLayout"), Layout(30, 0x28));
    // No fallback for the browser's and the explorer's own layouts: they are never created.
    EXPECT_EQ(StoredLayout(kExplorer, "ITBarLayout"), Bytes{});
}

TEST_F(ThrobberFlagsTest, TheFlagsAreAdjustedWhateverTheSwitchesSay) {
    SeedLayout(kWebBrowser, "ITBarLayout", Layout(10, 0));  // too short: does not stop the apply
    SeedLayout(kExplorer, "ITBarLayout", Layout(20, 0x08));
    WriteTheme({{"ExplorerThumper", "No"}});
    for (auto setter : {&clsVelmora::SetApply_ToolbarSkin, &clsVelmora::SetApply_Throbbers,
                        &clsVelmora::SetApply_HomePage, &clsVelmora::SetApply_TipsPage,
                        &clsVelmora::SetApply_SearchBar, &clsVelmora::SetApply_StyleExtension,
                        &clsVelmora::SetApply_Sounds, &clsVelmora::SetApply_InfoPage}) {
        (theme_.*setter)(false);
    }
    ASSERT_TRUE(Apply());
    EXPECT_EQ(StoredLayout(kExplorer, "ITBarLayout"), Layout(20, 0x00));
    EXPECT_EQ(StoredLayout(kWebBrowser, "ITBarLayout"), Layout(10, 0));
}

}  // namespace velmora::test
