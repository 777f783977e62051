// The nine event sounds, with the crossed-over program-open rows.
#include "tests/unit/apply/ApplyFixture.h"

namespace velmora::test {

namespace {

constexpr char kApps[] = "AppEvents\\Schemes\\Apps";
constexpr char kExplorerOpen[] = "AppEvents\\Schemes\\Apps\\Explorer\\Open\\.current";
constexpr char kBrowserOpen[] = "AppEvents\\Schemes\\Apps\\IExplore\\Open\\.current";
constexpr char kNavigating[] = "AppEvents\\Schemes\\Apps\\Explorer\\Navigating\\.current";

}  // namespace

class SoundsTest : public ApplyFixture {};

TEST_F(SoundsTest, EveryEventGetsItsSoundInItsCurrentKey) {
    WriteTheme({{"OpenIExplore", "C:\\s\\1.wav"},
                {"OpenExplorer", "C:\\s\\2.wav"},
                {"Navigate", "C:\\s\\3.wav"},
                {"Activate", "C:\\s\\4.wav"},
                {"New_Mail", "C:\\s\\5.wav"},
                {"ContactOnline", "C:\\s\\6.wav"},
                {"NewAlert", "C:\\s\\7.wav"},
                {"MSMessenger", "C:\\s\\8.wav"},
                {"NewMessage", "C:\\s\\9.wav"}});
    ASSERT_TRUE(Apply());
    const std::string apps = kApps;
    EXPECT_EQ(User(apps + "\\Explorer\\Open\\.current", ""), "C:\\s\\1.wav");
    EXPECT_EQ(User(apps + "\\IExplore\\Open\\.current", ""), "C:\\s\\2.wav");
    EXPECT_EQ(User(apps + "\\Explorer\\Navigating\\.current", ""), "C:\\s\\3.wav");
    EXPECT_EQ(User(apps + "\\Explorer\\ActivatingDocument\\.current", ""), "C:\\s\\4.wav");
    EXPECT_EQ(User(apps + "\\.Default\\MailBeep\\.Current", ""), "C:\\s\\5.wav");
    EXPECT_EQ(User(apps + "\\MSNMSGR\\MSNMSGR_ContactOnline\\.Current", ""), "C:\\s\\6.wav");
    EXPECT_EQ(User(apps + "\\MSNMSGR\\MSNMSGR_NewAlert\\.Current", ""), "C:\\s\\7.wav");
    EXPECT_EQ(User(apps + "\\MSNMSGR\\MSNMSGR_NewMail\\.Current", ""), "C:\\s\\8.wav");
    EXPECT_EQ(User(apps + "\\MSNMSGR\\MSNMSGR_NewMessage\\.Current", ""), "C:\\s\\9.wav");
    // The event keys are created with the letter case the sound scheme uses.
    EXPECT_EQ(Subkeys(kHkeyCurrentUser, apps + "\\Explorer\\Open"),
              std::vector<std::string>{".current"});
    EXPECT_EQ(Subkeys(kHkeyCurrentUser, apps + "\\MSNMSGR\\MSNMSGR_NewAlert"),
              std::vector<std::string>{".Current"});
}

TEST_F(SoundsTest, TheProgramOpenRowsCrossOver) {
    Seed(kHkeyCurrentUser, kBrowserOpen, "", "C:\\Windows\\Media\\start.wav");
    WriteTheme({{"OpenIExplore", "C:\\s\\a.wav"}});
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kExplorerOpen, ""), "C:\\s\\a.wav");
    EXPECT_EQ(User(kBrowserOpen, ""), "C:\\Windows\\Media\\start.wav");
}

TEST_F(SoundsTest, OnlyTheEventsTheThemeNamesChange) {
    WriteTheme({{"Navigate", "C:\\s\\click.wav"}});
    ASSERT_TRUE(Apply());
    EXPECT_EQ(User(kNavigating, ""), "C:\\s\\click.wav");
    EXPECT_EQ(Subkeys(kHkeyCurrentUser, kApps), std::vector<std::string>{"Explorer"});
    EXPECT_EQ(Subkeys(kHkeyCurrentUser, std::string(kApps) + "\\Explorer"),
              std::vector<std::string>{"Navigating"});
}

TEST_F(SoundsTest, TheSoundsSwitchWritesNoSound) {
    WriteTheme({{"Navigate", "C:\\s\\click.wav"}, {"OpenIExplore", "C:\\s\\a.wav"}});
    theme_.SetApply_Sounds(false);
    ASSERT_TRUE(Apply());
    EXPECT_EQ(Subkeys(kHkeyCurrentUser, kApps), std::vector<std::string>{});
}

TEST_F(SoundsTest, BuzzAndSmsSoundsAreLoadedButNotWritten) {
    WriteTheme({{"MSMBuzzSound", "C:\\s\\buzz.wav"}, {"MSMNewSMS", "C:\\s\\sms.wav"}});
    ASSERT_TRUE(Apply());
    EXPECT_EQ(theme_.MSMBuzzSound(), "C:\\s\\buzz.wav");
    EXPECT_EQ(Subkeys(kHkeyCurrentUser, "AppEvents"), std::vector<std::string>{});
}

}  // namespace velmora::test
