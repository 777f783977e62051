// The one-shot file actions: their dialogue word for word, what they write, and the
// closing of the browser windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/FileActions.h"
#include "tests/unit/app/AppTestBed.h"

namespace velmora {
namespace {

using test::AppTestBed;
using test::SimulatedBrowser;

const std::string kToolbar = "Software\\Microsoft\\Internet Explorer\\Toolbar";
const std::string kMark = "Software\\Tolvane\\Quenmark\\Velmoras\\.Current";
const std::string kTheme = "C:\\Themes\\Blue\\blue.vlr";

class FileActionsTest : public ::testing::Test, protected AppTestBed {
protected:
    void AddBlueTheme() {
        files.AddTheme(kTheme, {{"ThemeTitle", "Blue"},
                                {"Author", "Tolvane Art"},
                                {"Description", "Deep blue toolbars."},
                                {"BackBitmap", "%InstallDir%\\toolbar.bmp"},
                                {"HomePage", "%InstallDir%\\start.htm"}});
    }
    void ExpectQuestion(std::size_t index, const std::string& text) {
        ASSERT_LT(index, dialogs.Shown().size());
        const MessageRequest& shown = dialogs.Shown()[index];
        EXPECT_EQ(shown.text, text);
        EXPECT_EQ(shown.title, "Kelvary");
        EXPECT_EQ(shown.buttons, MsgButtons::YesNo);
        EXPECT_EQ(shown.icon, MsgIcon::Question);
        EXPECT_TRUE(shown.systemModal);
    }
    void ExpectFailure(std::size_t index, const std::string& path) {
        ASSERT_LT(index, dialogs.Shown().size());
        const MessageRequest& shown = dialogs.Shown()[index];
        EXPECT_EQ(shown.text,
                  "Failed to load and apply the Internet Explorer Theme file:\r\n" + path);
        EXPECT_EQ(shown.title, "Kelvary");
        EXPECT_EQ(shown.buttons, MsgButtons::Ok);
        EXPECT_EQ(shown.icon, MsgIcon::Critical);
        EXPECT_TRUE(shown.systemModal);
    }

    FileActions actions{platform};
};

const char kBlueQuestion[] =
    "Apply the Theme - Blue\r\nAuthor - Tolvane Art\r\nDescription - \r\nDeep blue toolbars.";
const char kThemeOffer[] =
    "Theme sucessfully loaded onto your computer.\r\nStart Internet Explorer?";
const char kSkinQuestion[] = "Make this image your Toolbar skin?";
const char kSkinOffer[] = "Image sucessfully set as your toolbar skin.\r\nStart Internet Explorer?";

// --- ApplyThemeFile ---

TEST_F(FileActionsTest, ApplyingAsksThenAppliesThenOffersTheHomePage) {
    AddBlueTheme();
    dialogs.Script({MsgAnswer::Yes, MsgAnswer::Yes});
    actions.ApplyThemeFile(kTheme);

    ASSERT_EQ(dialogs.Shown().size(), 2u);
    ExpectQuestion(0, kBlueQuestion);
    ExpectQuestion(1, kThemeOffer);
    EXPECT_EQ(Read(kHkeyCurrentUser, kToolbar, "BackBitmapIE5"), "C:\\Themes\\Blue\\toolbar.bmp");
    EXPECT_EQ(Read(kHkeyCurrentUser, kMark, ""), "Blue");
    EXPECT_EQ(shell.opened, std::vector<std::string>{"C:\\Themes\\Blue\\start.htm"});
}

TEST_F(FileActionsTest, DecliningTheBrowserLeavesTheThemeApplied) {
    AddBlueTheme();
    dialogs.Script({MsgAnswer::Yes, MsgAnswer::No});
    actions.ApplyThemeFile(kTheme);
    EXPECT_EQ(dialogs.Shown().size(), 2u);
    EXPECT_EQ(Read(kHkeyCurrentUser, kMark, ""), "Blue");
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(FileActionsTest, NoAtTheQuestionChangesNothing) {
    AddBlueTheme();
    dialogs.Script({MsgAnswer::No});
    actions.ApplyThemeFile(kTheme);
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(Read(kHkeyCurrentUser, kMark, ""), "Not Found");
    EXPECT_EQ(Read(kHkeyCurrentUser, kToolbar, "BackBitmapIE5"), "Not Found");
    EXPECT_EQ(registry.Calls(test::RegCall::SetValueEx), 0u);
    EXPECT_EQ(registry.Calls(test::RegCall::DeleteValue), 0u);
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(FileActionsTest, AnEmptyThemeStillShowsTheFourLabelledLines) {
    files.AddTheme(kTheme, {});
    dialogs.Script({MsgAnswer::Yes, MsgAnswer::Yes});
    actions.ApplyThemeFile(kTheme);
    ExpectQuestion(0, "Apply the Theme - [Untitled]\r\nAuthor - \r\nDescription - \r\n");
    EXPECT_EQ(Read(kHkeyCurrentUser, kMark, ""), "[Untitled]");
    // Without a home page the browser starts blank.
    EXPECT_EQ(shell.opened, std::vector<std::string>{"about:blank"});
}

TEST_F(FileActionsTest, TheStartPageIsTakenBeforeTheApplyReloadsTheFile) {
    AddBlueTheme();
    dialogs.beforeEach = [this](const MessageRequest& request) {
        if (request.text == kBlueQuestion)
            files.AddTheme(kTheme, {{"ThemeTitle", "Blue 2"}, {"HomePage", "http://new/"}});
    };
    dialogs.Script({MsgAnswer::Yes, MsgAnswer::Yes});
    actions.ApplyThemeFile(kTheme);
    EXPECT_EQ(Read(kHkeyCurrentUser, kMark, ""), "Blue 2");
    EXPECT_EQ(shell.opened, std::vector<std::string>{"C:\\Themes\\Blue\\start.htm"});
}

TEST_F(FileActionsTest, AMissingThemeFileGivesOnlyTheFailureMessage) {
    dialogs.SetBusyPointer(true);
    actions.ApplyThemeFile("C:\\Themes\\gone.vlr");
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    ExpectFailure(0, "C:\\Themes\\gone.vlr");
    EXPECT_FALSE(dialogs.Busy());
    EXPECT_EQ(registry.Calls(test::RegCall::SetValueEx), 0u);
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(FileActionsTest, AThemeFileThatVanishesWhileTheQuestionIsUpFailsTheApply) {
    AddBlueTheme();
    dialogs.beforeEach = [this](const MessageRequest& request) {
        if (request.text == kBlueQuestion) files.Remove(kTheme);
    };
    dialogs.Script({MsgAnswer::Yes});
    actions.ApplyThemeFile(kTheme);
    ASSERT_EQ(dialogs.Shown().size(), 2u);
    ExpectFailure(1, kTheme);
    EXPECT_EQ(Read(kHkeyCurrentUser, kMark, ""), "Not Found");
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(FileActionsTest, TheTitleIsTheProductNameOfTheVersionInformation) {
    test::FakeProductInfo renamed("Other Product");
    platform.product = &renamed;
    AddBlueTheme();
    actions.ApplyThemeFile(kTheme);
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].title, "Other Product");
}

// --- SetToolbarSkin ---

TEST_F(FileActionsTest, ABitmapBecomesBothToolbarBackgroundsExactlyAsNamed) {
    const std::string bitmap = "C:\\My Pictures\\Sky Line.bmp";
    files.AddFile(bitmap);
    dialogs.Script({MsgAnswer::Yes, MsgAnswer::No});
    actions.SetToolbarSkin(bitmap);

    ASSERT_EQ(dialogs.Shown().size(), 2u);
    ExpectQuestion(0, kSkinQuestion);
    ExpectQuestion(1, kSkinOffer);
    EXPECT_EQ(Read(kHkeyCurrentUser, kToolbar, "BackBitmap"), bitmap);
    EXPECT_EQ(Read(kHkeyCurrentUser, kToolbar, "BackBitmapIE5"), bitmap);
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(FileActionsTest, YesToTheBrowserAfterTheSkinOpensABlankPage) {
    files.AddFile("C:\\a.bmp");
    dialogs.Script({MsgAnswer::Yes, MsgAnswer::Yes});
    actions.SetToolbarSkin("C:\\a.bmp");
    EXPECT_EQ(shell.opened, std::vector<std::string>{"about:blank"});
}

TEST_F(FileActionsTest, NoToTheSkinWritesNothing) {
    files.AddFile("C:\\a.bmp");
    dialogs.Script({MsgAnswer::No});
    actions.SetToolbarSkin("C:\\a.bmp");
    EXPECT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(Read(kHkeyCurrentUser, kToolbar, "BackBitmap"), "Not Found");
    EXPECT_EQ(registry.Calls(test::RegCall::SetValueEx), 0u);
}

TEST_F(FileActionsTest, AMissingBitmapIsIgnoredSilently) {
    actions.SetToolbarSkin("C:\\nothing.bmp");
    actions.SetToolbarSkin("");
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_EQ(registry.Calls(test::RegCall::SetValueEx), 0u);
}

// --- CloseBrowserWindows ---

TEST_F(FileActionsTest, EveryBrowserWindowClosesThoughTheCollectionShrinks) {
    // Each closed window leaves the collection at the next yield, so the windows behind it
    // move up: a walk by position over the live collection would pass every second one.
    std::vector<std::shared_ptr<SimulatedBrowser>> opened;
    for (int i = 0; i < 4; ++i)
        opened.push_back(browsers.OpenBrowser("http://" + std::to_string(i)));
    actions.CloseBrowserWindows();
    EXPECT_TRUE(browsers.OpenWindows().empty());
    for (const auto& window : opened) {
        EXPECT_TRUE(window->Closed());
        EXPECT_FALSE(window->IsVisible());
    }
}

TEST_F(FileActionsTest, FolderWindowsStayAndEachClosedBrowserGetsAYield) {
    auto first = browsers.OpenBrowser("http://a/");
    auto folder = browsers.OpenFolder("C:\\Windows");
    auto second = browsers.OpenBrowser("http://b/");
    auto other = browsers.OpenFolder("C:\\Temp");
    actions.CloseBrowserWindows();
    EXPECT_TRUE(first->Closed());
    EXPECT_TRUE(second->Closed());
    EXPECT_FALSE(folder->QuitRequested());
    EXPECT_FALSE(other->QuitRequested());
    EXPECT_TRUE(folder->IsVisible());
    EXPECT_EQ(browsers.OpenWindows().size(), 2u);
    EXPECT_EQ(browsers.Yields(), 2);
}

TEST_F(FileActionsTest, AWindowThatDoesNotAnswerIsPassedOver) {
    auto first = browsers.OpenBrowser("http://a/");
    auto hung = browsers.OpenBrowser("http://hung/");
    auto last = browsers.OpenBrowser("http://c/");
    hung->Break();
    actions.CloseBrowserWindows();
    EXPECT_TRUE(first->Closed());
    EXPECT_TRUE(last->Closed());
    EXPECT_FALSE(hung->Closed());
}

TEST_F(FileActionsTest, WithNoWindowOrNoCollectionNothingHappens) {
    actions.CloseBrowserWindows();
    browsers.OpenBrowser("http://a/");
    browsers.SetCollectionAvailable(false);
    actions.CloseBrowserWindows();
    EXPECT_EQ(browsers.Yields(), 0);
    EXPECT_TRUE(browsers.Created().empty());
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_EQ(browsers.OpenWindows().size(), 1u);
}

}  // namespace
}  // namespace velmora
