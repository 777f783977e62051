// Start-up: the single-instance rule and the command line choosing the action.
#include <gtest/gtest.h>

#include <string>

#include "app/StartUp.h"
#include "tests/unit/app/AppTestBed.h"

namespace velmora {
namespace {

using test::AppTestBed;

const std::string kToolbar = "Software\\Microsoft\\Internet Explorer\\Toolbar";
const std::string kTheme = "C:\\My Themes\\Blue Sky\\blue.vlr";

class StartUpTest : public ::testing::Test, protected AppTestBed {
protected:
    void SetUp() override {
        files.AddTheme(kTheme, {{"ThemeTitle", "Blue Sky"}});
        browser = browsers.OpenBrowser("http://open/");
        // Whether the browser windows were already closed when the first box showed.
        dialogs.beforeEach = [this](const MessageRequest&) {
            if (dialogs.Shown().empty()) browsersOpenAtFirstBox = browsers.OpenBrowsers().size();
        };
    }
    void Run(const std::string& commandLine, bool anotherInstance = false) {
        StartUp(platform, [this] { ++mainWindowShown; }).Run(anotherInstance, commandLine);
    }

    std::shared_ptr<test::SimulatedBrowser> browser;
    std::size_t browsersOpenAtFirstBox = 99;
    int mainWindowShown = 0;
};

TEST_F(StartUpTest, ASecondInstanceDoesNothingAtAllEvenWithAFile) {
    files.AddFile("C:\\a.bmp");
    for (const char* commandLine : {"\"C:\\My Themes\\Blue Sky\\blue.vlr\"", "C:\\a.bmp", ""}) {
        Run(commandLine, true);
    }
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_FALSE(browser->QuitRequested());
    EXPECT_EQ(browsers.CollectionReads(), 0);
    EXPECT_EQ(mainWindowShown, 0);
    EXPECT_EQ(registry.Calls(test::RegCall::OpenKey) + registry.Calls(test::RegCall::CreateKey),
              0u);
}

TEST_F(StartUpTest, AQuotedThemeFileClosesTheBrowsersThenAsks) {
    dialogs.Script({MsgAnswer::Yes, MsgAnswer::No});
    Run("\"" + kTheme + "\"");
    EXPECT_EQ(browsersOpenAtFirstBox, 0u);
    ASSERT_EQ(dialogs.Shown().size(), 2u);
    EXPECT_EQ(dialogs.Shown()[0].text.rfind("Apply the Theme - Blue Sky\r\n", 0), 0u);
    EXPECT_EQ(Read(kHkeyCurrentUser, "Software\\Tolvane\\Quenmark\\Velmoras\\.Current", ""),
              "Blue Sky");
    EXPECT_EQ(mainWindowShown, 0);
}

TEST_F(StartUpTest, AnUnquotedThemeFileInMixedCaseIsATheme) {
    files.AddTheme("C:\\Themes\\Red.Vlr", {{"ThemeTitle", "Red"}});
    Run("C:\\Themes\\Red.Vlr");
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].text.rfind("Apply the Theme - Red\r\n", 0), 0u);
}

TEST_F(StartUpTest, AMissingThemeFileStillClosesTheBrowsersThenReportsTheFailure) {
    Run("\"C:\\gone.vlr\"");
    EXPECT_EQ(browsersOpenAtFirstBox, 0u);
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].text,
              "Failed to load and apply the Internet Explorer Theme file:\r\nC:\\gone.vlr");
}

TEST_F(StartUpTest, AQuotedBitmapClosesTheBrowsersThenAsks) {
    files.AddFile("C:\\Pictures\\sky.bmp");
    dialogs.Script({MsgAnswer::Yes, MsgAnswer::No});
    Run("\"C:\\Pictures\\sky.bmp\"");
    EXPECT_EQ(browsersOpenAtFirstBox, 0u);
    ASSERT_EQ(dialogs.Shown().size(), 2u);
    EXPECT_EQ(dialogs.Shown()[0].text, "Make this image your Toolbar skin?");
    EXPECT_EQ(Read(kHkeyCurrentUser, kToolbar, "BackBitmapIE5"), "C:\\Pictures\\sky.bmp");
}

TEST_F(StartUpTest, AMissingBitmapClosesTheBrowsersAndEndsWithoutAWord) {
    Run("\"C:\\Pictures\\none.bmp\"");
    EXPECT_TRUE(browser->Closed());
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_EQ(mainWindowShown, 0);
}

TEST_F(StartUpTest, AnythingElseOpensTheMainWindowAndLeavesTheBrowsersAlone) {
    for (const char* commandLine :
         {"", "C:\\notes.txt", "\"C:\\My Themes\\Blue Sky\\blue.vlr\" /apply", "   "}) {
        Run(commandLine);
    }
    EXPECT_EQ(mainWindowShown, 4);
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_FALSE(browser->QuitRequested());
}

TEST_F(StartUpTest, WithoutAMainWindowYetTheProgramSimplyEnds) {
    StartUp(platform, nullptr).Run(false, "");
    EXPECT_TRUE(dialogs.Shown().empty());
}

}  // namespace
}  // namespace velmora
