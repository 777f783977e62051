// Start-up: the single-instance rule and the command line choosing the action.
#include <gtest/gtest.h>

#include <string>

#include "app/StartUp.h"
#include "tests/unit/app/AppTestBed.h"

namespace velmora {
namespace {

const std::string kToolbar = "Software\\Microsoft\\Internet Explorer\\Toolbar";
const std::string kMark = "Software\\Tolvane\\Quenmark\\Velmoras\\.Current";
const std::string kFailure = "Failed to load and apply the Internet Explorer Theme file:\r\n";

class StartUpTest : public ::testing::Test, protected test::AppTestBed {
protected:
    void SetUp() override {
        AddTheme("C:\\My Themes\\Blue Sky\\blue.vlr", {{"ThemeTitle", "Blue Sky"}});
        files.AddFile("C:\\My Pictures\\sky.bmp", "BM");
        browser = browsers.OpenBrowser("http://open/");
        dialogs.beforeEach = [this](const MessageRequest&) {
            if (!browser->Closed()) boxWithBrowserOpen = true;
        };
    }
    void Run(const std::string& commandLine, bool anotherInstance = false) {
        StartUp(platform, [this] { ++mainWindowShown; }).Run(anotherInstance, commandLine);
    }
    std::string LastBox() const {
        return dialogs.Shown().empty() ? "" : dialogs.Shown().back().text;
    }

    std::shared_ptr<test::SimulatedBrowser> browser;
    bool boxWithBrowserOpen = false;
    int mainWindowShown = 0;
};

TEST_F(StartUpTest, ASecondInstanceDoesNothingAtAllEvenWithAFile) {
    for (const char* commandLine : {"\"C:\\My Themes\\Blue Sky\\blue.vlr\"", "C:\\a.bmp", ""})
        Run(commandLine, true);
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_EQ(browsers.CollectionReads(), 0);
    EXPECT_EQ(mainWindowShown, 0);
    EXPECT_EQ(registry.Calls(test::RegCall::OpenKey) + registry.Calls(test::RegCall::CreateKey),
              0u);
}

TEST_F(StartUpTest, AFileClosesTheBrowsersThenRunsItsAction) {
    struct Row {
        const char* commandLine;
        std::string lastBox;  // the only box shown (Yes/No questions get No); empty: none
    };
    const Row rows[] = {
        {"\"C:\\My Themes\\Blue Sky\\blue.vlr\"",
         "Apply the Theme - Blue Sky\r\nAuthor - \r\nDescription - \r\n"},
        {"\"C:\\gone.vlr\"", kFailure + "C:\\gone.vlr"},
        {"\"C:\\My Pictures\\sky.bmp\"", "Make this image your Toolbar skin?"},
        {"\"C:\\My Pictures\\none.bmp\"", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.commandLine);
        browser = browsers.OpenBrowser("http://open/");
        const std::size_t shown = dialogs.Shown().size();
        Run(row.commandLine);
        EXPECT_TRUE(browser->Closed());
        EXPECT_EQ(dialogs.Shown().size(), shown + (row.lastBox.empty() ? 0 : 1));
        if (!row.lastBox.empty()) {
            EXPECT_EQ(LastBox(), row.lastBox);
        }
    }
    EXPECT_FALSE(boxWithBrowserOpen);
    EXPECT_EQ(mainWindowShown, 0);
}

TEST_F(StartUpTest, ARelativePathIsTakenFromTheCurrentFolderAndAFullOneAsGiven) {
    files.SetCurrentFolder("C:\\My Themes\\Blue Sky");
    dialogs.Script({MsgAnswer::Yes, MsgAnswer::No});
    Run("blue.vlr");  // the profile reading would look for this in the Windows folder
    EXPECT_EQ(User(kMark, ""), "Blue Sky");

    const std::pair<const char*, const char*> bitmaps[] = {
        {"sky.bmp", "C:\\My Themes\\Blue Sky\\sky.bmp"},
        {"P\\sky.bmp", "C:\\My Themes\\Blue Sky\\P\\sky.bmp"},
        {"My\\sky.bmp", "C:\\My Themes\\Blue Sky\\My\\sky.bmp"},
        {"\"C:/My Pictures/sky.bmp\"", "C:/My Pictures/sky.bmp"},
        {"//server/share/sky.bmp", "//server/share/sky.bmp"},
    };
    for (const auto& [commandLine, stored] : bitmaps) {
        files.AddFile(stored, "BM");
        dialogs.Script({MsgAnswer::Yes, MsgAnswer::No});
        Run(commandLine);
        EXPECT_EQ(User(kToolbar, "BackBitmap"), stored) << commandLine;
    }
}

TEST_F(StartUpTest, AnythingElseOpensTheMainWindowAndLeavesTheBrowsersAlone) {
    for (const char* commandLine :
         {"", "C:\\notes.txt", "\"C:\\My Themes\\Blue Sky\\blue.vlr\" /apply", "   "}) {
        Run(commandLine);
    }
    EXPECT_EQ(mainWindowShown, 4);
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_FALSE(browser->QuitRequested());
    StartUp(platform, nullptr).Run(false, "");  // without a main window yet it simply ends
}

}  // namespace
}  // namespace velmora
