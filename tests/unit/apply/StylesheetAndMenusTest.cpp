// The user stylesheet with its switch, the display overrides, the help menu link and the
// Windows Update caption.
#include "tests/unit/apply/ApplyFixture.h"

namespace velmora::test {

namespace {

constexpr char kStyles[] = "Software\\Microsoft\\Internet Explorer\\Styles";
constexpr char kSettings[] = "Software\\Microsoft\\Internet Explorer\\Settings";
constexpr char kHelpMenu[] = "SOFTWARE\\Microsoft\\Internet Explorer\\Help_Menu_Urls";
constexpr char kPolicies[] = "Software\\Policies\\Microsoft\\Internet Explorer";

}  // namespace

class StylesheetTest : public ApplyFixture {};

TEST_F(StylesheetTest, NoStylesheetWritesAnEmptyPathAndSwitchesItOff) {
    Seed(kHkeyCurrentUser, kStyles, "User StyleSheet", "C:\\earlier.css");
    WriteTheme({{"ThemeTitle", "Plain"}});
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kStyles, "User StyleSheet"), "");
    EXPECT_EQ(User(kStyles, "Use My Stylesheet"), "00000000");
}

TEST_F(StylesheetTest, StyleTypeZeroOrOneSwitchesTheStylesheetOnAnythingElseOff) {
    const std::pair<std::string, std::string> cases[] = {{"0", "00000001"},   {"1", "00000001"},
                                                         {"2", "00000000"},   {"01", "00000000"},
                                                         {"yes", "00000000"}, {"", "00000000"}};
    for (const auto& [type, expected] : cases) {
        WriteTheme({{"StyleType", type}, {"StyleFile", "%InstallDir%\\blue.css"}});
        ASSERT_TRUE(Apply());
        EXPECT_EQ(User(kStyles, "Use My Stylesheet"), expected) << "StyleType " << type;
        EXPECT_EQ(User(kStyles, "User StyleSheet"), "C:\\Themes\\Blue\\blue.css");
    }
}

TEST_F(StylesheetTest, OverridesAreOnlyEverSwitchedOn) {
    WriteTheme({{"IgnoreColors", "1"}, {"IgnoreFontStyles", "1"}, {"IgnoreFontSizes", "1"}});
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kSettings, "Always Use My Colors"), "00000001");
    EXPECT_EQ(User(kSettings, "Always Use My Font Face"), "00000001");
    EXPECT_EQ(User(kSettings, "Always Use My Font Size"), "00000001");

    // A later theme with "0" or nothing leaves what the earlier one set.
    WriteTheme({{"IgnoreColors", "0"}, {"IgnoreFontStyles", "true"}});
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kSettings, "Always Use My Colors"), "00000001");
    EXPECT_EQ(User(kSettings, "Always Use My Font Face"), "00000001");
    EXPECT_EQ(User(kSettings, "Always Use My Font Size"), "00000001");
}

TEST_F(StylesheetTest, AnOverrideOtherThanOneWritesNothing) {
    WriteTheme({{"IgnoreColors", "0"}, {"IgnoreFontStyles", "yes"}, {"IgnoreFontSizes", " 1"}});
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kSettings, "Always Use My Colors"), "Not Found");
    EXPECT_EQ(User(kSettings, "Always Use My Font Face"), "Not Found");
    EXPECT_EQ(User(kSettings, "Always Use My Font Size"), "Not Found");
}

TEST_F(StylesheetTest, TheStyleSwitchWritesNoneOfTheFiveValues) {
    WriteTheme({{"StyleType", "1"},
                {"StyleFile", "C:\\x.css"},
                {"IgnoreColors", "1"},
                {"IgnoreFontStyles", "1"},
                {"IgnoreFontSizes", "1"}});
    theme_.SetApply_StyleExtension(false);
    ASSERT_TRUE(Apply());
    EXPECT_EQ(Subkeys(kHkeyCurrentUser, "Software\\Microsoft\\Internet Explorer"),
              std::vector<std::string>{});
}

class MenusTest : public ApplyFixture {};

TEST_F(MenusTest, HelpLinkAndCaptionAreWrittenWhenGiven) {
    WriteTheme({{"OnlineHelpURL", "%InstallDir%\\help.htm"}, {"WUCaption", "Blue Updates"}});
    ASSERT_TRUE(Apply());
    EXPECT_EQ(Machine(kHelpMenu, "Online_Support"), "C:\\Themes\\Blue\\help.htm");
    EXPECT_EQ(User(kPolicies, "Windows Update Menu Text"), "Blue Updates");
}

TEST_F(MenusTest, CaptionNoneBlanksTheMenuEntry) {
    Seed(kHkeyCurrentUser, kPolicies, "Windows Update Menu Text", "Earlier");
    WriteTheme({{"WUCaption", "none"}});
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kPolicies, "Windows Update Menu Text"), "");
}

TEST_F(MenusTest, AThemeWithoutThemLeavesBothThroughANewRecord) {
    Seed(kHkeyLocalMachine, kHelpMenu, "Online_Support", "http://vendor/help");
    Seed(kHkeyCurrentUser, kPolicies, "Windows Update Menu Text", "Windows Update");
    WriteTheme({{"ThemeTitle", "Bare"}});
    ASSERT_TRUE(Apply());
    EXPECT_EQ(Machine(kHelpMenu, "Online_Support"), "http://vendor/help");
    EXPECT_EQ(User(kPolicies, "Windows Update Menu Text"), "Windows Update");
}

TEST_F(MenusTest, ARecordReusedAfterAThemeWithThemWritesThoseAgain) {
    // The load keeps both when a file lacks them, so the earlier theme's values return.
    WriteTheme({{"OnlineHelpURL", "http://first/help"}, {"WUCaption", "First"}}, "C:\\first.vlr");
    WriteTheme({{"ThemeTitle", "Second"}}, "C:\\second.vlr");
    ASSERT_TRUE(Apply("C:\\first.vlr"));
    Seed(kHkeyLocalMachine, kHelpMenu, "Online_Support", "http://vendor/help");
    ASSERT_TRUE(Apply("C:\\second.vlr"));
    EXPECT_EQ(Machine(kHelpMenu, "Online_Support"), "http://first/help");
    EXPECT_EQ(User(kPolicies, "Windows Update Menu Text"), "First");
}

}  // namespace velmora::test
