// The rules of each area for the values a theme leaves out, words such as "None", and the
// stylesheet and override switches.
#include "tests/unit/apply/ApplyFixture.h"

namespace velmora::test {

namespace {

constexpr char kStyles[] = "Software\\Microsoft\\Internet Explorer\\Styles";
constexpr char kSettings[] = "Software\\Microsoft\\Internet Explorer\\Settings";
constexpr char kHelpMenu[] = "SOFTWARE\\Microsoft\\Internet Explorer\\Help_Menu_Urls";
constexpr char kPolicies[] = "Software\\Policies\\Microsoft\\Internet Explorer";
constexpr char kCaption[] = "Windows Update Menu Text";
constexpr char kTipsBar[] =
    "SOFTWARE\\CLASSES\\CLSID\\{4D5C8C25-D075-11d0-B416-00C04FB90376}\\Instance\\InitPropertyBag";

}  // namespace

class AreaRulesTest : public ApplyFixture {};

TEST_F(AreaRulesTest, NoneDeletesAPictureButEmptiesTheCaptionEmptyLeavesAnyOtherIsWritten) {
    for (const char* name : {"BackBitmap", "SmallBitmap", "BigBitmap"})
        Seed(kHkeyCurrentUser, kToolbar, name, "C:\\old.bmp");
    Seed(kHkeyCurrentUser, kPolicies, kCaption, "Windows Update");
    WriteTheme({{"WESkin", "none"},
                {"BrandSmall", "NONE"},
                {"BrandLarge", ""},
                {"BackBitmap", "Q:\\nowhere\\x.bmp"},
                {"WUCaption", "None"}});
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kToolbar, "BackBitmap"), "Not Found");
    EXPECT_EQ(User(kToolbar, "SmallBitmap"), "Not Found");
    EXPECT_EQ(User(kToolbar, "BigBitmap"), "C:\\old.bmp");
    EXPECT_EQ(User(kToolbar, "BackBitmapIE5"), "Q:\\nowhere\\x.bmp");
    EXPECT_EQ(User(kPolicies, kCaption), "");  // a caption of "None" is emptied, not deleted
}

TEST_F(AreaRulesTest, AnEmptyPageLinkOrCaptionLeavesTheBrowsersSetting) {
    Seed(kHkeyCurrentUser, kMain, "Start Page", "http://mine/");
    Seed(kHkeyLocalMachine, kTipsBar, "Url", "http://machine-tips/");
    Seed(kHkeyLocalMachine, kHelpMenu, "Online_Support", "http://vendor/help");
    Seed(kHkeyCurrentUser, kPolicies, kCaption, "Windows Update");
    WriteTheme({{"Title", "T"}});
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kMain, "Start Page"), "http://mine/");
    EXPECT_EQ(User(kMain, "Local Page"), "Not Found");
    EXPECT_EQ(Machine(kTipsBar, "Url"), "http://machine-tips/");
    EXPECT_EQ(User(std::string(kIe) + "\\SearchUrl", ""), "Not Found");
    EXPECT_EQ(Machine(kHelpMenu, "Online_Support"), "http://vendor/help");
    EXPECT_EQ(User(kPolicies, kCaption), "Windows Update");
}

TEST_F(AreaRulesTest, OnlyTheSoundsTheThemeNamesAreWrittenAndNeverBuzzOrSms) {
    WriteTheme({{"Navigate", "C:\\s\\click.wav"},
                {"MSMBuzzSound", "C:\\s\\buzz.wav"},
                {"MSMNewSMS", "C:\\s\\sms.wav"}});
    ASSERT_TRUE(Apply());
    EXPECT_EQ(Subkeys(kHkeyCurrentUser, "AppEvents\\Schemes\\Apps"),
              std::vector<std::string>{"Explorer"});
    EXPECT_EQ(Subkeys(kHkeyCurrentUser, "AppEvents\\Schemes\\Apps\\Explorer"),
              std::vector<std::string>{"Navigating"});
}

TEST_F(AreaRulesTest, TheStylesheetAndItsSwitchAreAlwaysWritten) {
    const std::pair<const char*, const char*> cases[] = {{"0", "00000001"},   {"1", "00000001"},
                                                         {"2", "00000000"},   {"01", "00000000"},
                                                         {"yes", "00000000"}, {"", "00000000"}};
    for (const auto& [type, expected] : cases) {
        Seed(kHkeyCurrentUser, kStyles, "User StyleSheet", "C:\\earlier.css");
        WriteTheme({{"StyleType", type}, {"StyleFile", type[0] ? "%InstallDir%\\blue.css" : ""}});
        ASSERT_TRUE(Apply());
        EXPECT_EQ(User(kStyles, "Use My Stylesheet"), expected) << "StyleType " << type;
        EXPECT_EQ(User(kStyles, "User StyleSheet"), type[0] ? "C:\\Themes\\Blue\\blue.css" : "");
    }
}

TEST_F(AreaRulesTest, OverridesAreOnlyEverSwitchedOnByExactlyOne) {
    const char* const values[] = {"Always Use My Colors", "Always Use My Font Face",
                                  "Always Use My Font Size"};
    WriteTheme({{"IgnoreColors", "0"}, {"IgnoreFontStyles", "yes"}, {"IgnoreFontSizes", "01"}});
    ASSERT_TRUE(Apply());
    for (const char* value : values) EXPECT_EQ(User(kSettings, value), "Not Found") << value;

    WriteTheme({{"IgnoreColors", "1"}, {"IgnoreFontStyles", "1"}, {"IgnoreFontSizes", "1"}});
    ASSERT_TRUE(Apply());
    // A later theme with "0" or nothing leaves what the earlier one switched on.
    WriteTheme({{"IgnoreColors", "0"}, {"IgnoreFontStyles", "true"}});
    ASSERT_TRUE(Apply());
    for (const char* value : values) EXPECT_EQ(User(kSettings, value), "00000001") << value;
}

}  // namespace velmora::test
