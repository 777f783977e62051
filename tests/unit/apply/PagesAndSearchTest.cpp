// Window title, start and local pages, tips and discussion bars, and the search settings.
#include "tests/unit/apply/ApplyFixture.h"

namespace velmora::test {

namespace {

constexpr char kTipsBar[] =
    "SOFTWARE\\CLASSES\\CLSID\\{4D5C8C25-D075-11d0-B416-00C04FB90376}\\Instance\\InitPropertyBag";
constexpr char kDiscussionBar[] =
    "SOFTWARE\\CLASSES\\CLSID\\{BDEADE7F-C265-11D0-BCED-00A0C90AB50F}\\Instance\\InitPropertyBag";
constexpr char kMachineSearch[] = "SOFTWARE\\Microsoft\\Internet Explorer\\Search";
constexpr char kSearchUrl[] = "Software\\Microsoft\\Internet Explorer\\SearchUrl";

const ThemeFilesDouble::Keys kPagesTheme = {
    {"Title", "Blue Browser"},
    {"HomePage", "%InstallDir%\\start.htm"},
    {"LocalPage", "C:\\local.htm"},
    {"TipsPage", "http://tips/"},
    {"DiscussionPage", "http://discuss/"},
    {"SearchPage", "http://s/page"},
    {"SearchBar", "http://s/bar"},
    {"SearchAssistant", "http://s/assistant"},
    {"CustomizeSearch", "http://s/customize"},
    {"SearchURL", "http://s/find?q="},
};

}  // namespace

class PagesAndSearchTest : public ApplyFixture {};

TEST_F(PagesAndSearchTest, EveryPageGoesToItsValueUnderTheRightRoot) {
    WriteTheme(kPagesTheme);
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kMain, "Window Title"), "Blue Browser");
    EXPECT_EQ(User(kMain, "Start Page"), "C:\\Themes\\Blue\\start.htm");
    EXPECT_EQ(User(kMain, "Local Page"), "C:\\local.htm");
    EXPECT_EQ(User(kMain, "Search Page"), "http://s/page");
    EXPECT_EQ(User(kMain, "Search Bar"), "http://s/bar");
    EXPECT_EQ(User(kSearchUrl, ""), "http://s/find?q=");
    EXPECT_EQ(Machine(kMachineSearch, "SearchAssistant"), "http://s/assistant");
    EXPECT_EQ(Machine(kMachineSearch, "CustomizeSearch"), "http://s/customize");
    EXPECT_EQ(Machine(kDiscussionBar, "Url"), "http://discuss/");
    // The tips page goes to both tips-bar keys, the user's and the machine's.
    EXPECT_EQ(User(kTipsBar, "Url"), "http://tips/");
    EXPECT_EQ(Machine(kTipsBar, "Url"), "http://tips/");
    // Machine rows are not mirrored to the user and the other way round.
    EXPECT_EQ(User(kMachineSearch, "SearchAssistant"), "Not Found");
    EXPECT_EQ(Machine(kMain, "Start Page"), "Not Found");
}

TEST_F(PagesAndSearchTest, TheBarKeysAreCreatedWithTheirLetterCaseAsWritten) {
    WriteTheme(kPagesTheme);
    ASSERT_TRUE(Apply());
    EXPECT_EQ(Subkeys(kHkeyLocalMachine, "Software\\Classes\\Clsid"),
              (std::vector<std::string>{"{4D5C8C25-D075-11d0-B416-00C04FB90376}",
                                        "{BDEADE7F-C265-11D0-BCED-00A0C90AB50F}"}));
    EXPECT_EQ(Subkeys(kHkeyCurrentUser, "Software\\Classes\\Clsid"),
              std::vector<std::string>{"{4D5C8C25-D075-11d0-B416-00C04FB90376}"});
}

TEST_F(PagesAndSearchTest, AnEmptyPageLeavesTheBrowsersSettingEvenWhenSwitchedOn) {
    Seed(kHkeyCurrentUser, kMain, "Start Page", "http://mine/");
    Seed(kHkeyLocalMachine, kTipsBar, "Url", "http://machine-tips/");
    WriteTheme({{"Title", "T"}});
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kMain, "Start Page"), "http://mine/");
    EXPECT_EQ(User(kMain, "Local Page"), "Not Found");
    EXPECT_EQ(Machine(kTipsBar, "Url"), "http://machine-tips/");
    EXPECT_EQ(User(kSearchUrl, ""), "Not Found");
}

TEST_F(PagesAndSearchTest, WithTheTipsSwitchOffOnlyTheMachinesTipsPageIsWritten) {
    WriteTheme(kPagesTheme);
    theme_.SetApply_TipsPage(false);
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kTipsBar, "Url"), "Not Found");
    EXPECT_EQ(Machine(kTipsBar, "Url"), "http://tips/");
}

TEST_F(PagesAndSearchTest, WithTheSearchSwitchOffNoSearchRowIsWrittenButTheBarsAre) {
    WriteTheme(kPagesTheme);
    theme_.SetApply_SearchBar(false);
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kMain, "Search Page"), "Not Found");
    EXPECT_EQ(User(kMain, "Search Bar"), "Not Found");
    EXPECT_EQ(User(kSearchUrl, ""), "Not Found");
    EXPECT_EQ(Machine(kMachineSearch, "SearchAssistant"), "Not Found");
    EXPECT_EQ(Machine(kMachineSearch, "CustomizeSearch"), "Not Found");
    EXPECT_EQ(Machine(kDiscussionBar, "Url"), "http://discuss/");
    EXPECT_EQ(Machine(kTipsBar, "Url"), "http://tips/");
    EXPECT_EQ(User(kMain, "Start Page"), "C:\\Themes\\Blue\\start.htm");
}

TEST_F(PagesAndSearchTest, WithTheHomePageSwitchOffTitleStartAndLocalPageStay) {
    WriteTheme(kPagesTheme);
    theme_.SetApply_HomePage(false);
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kMain, "Window Title"), "Not Found");
    EXPECT_EQ(User(kMain, "Start Page"), "Not Found");
    EXPECT_EQ(User(kMain, "Local Page"), "Not Found");
    EXPECT_EQ(User(kMain, "Search Page"), "http://s/page");
}

}  // namespace velmora::test
