// The one-shot file actions: their dialogue word for word, what they write, and the closing
// of the browser windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/FileActions.h"
#include "tests/unit/app/AppTestBed.h"

namespace velmora {
namespace {

using Strings = std::vector<std::string>;

const std::string kToolbar = "Software\\Microsoft\\Internet Explorer\\Toolbar";
const std::string kMark = "Software\\Tolvane\\Quenmark\\Velmoras\\.Current";
const std::string kTheme = "C:\\Themes\\Blue\\blue.vlr";
const std::string kBlueQuestion =
    "Apply the Theme - Blue\r\nAuthor - Tolvane Art\r\nDescription - \r\nDeep blue toolbars.";
const std::string kThemeOffer =
    "Theme sucessfully loaded onto your computer.\r\nStart Internet Explorer?";
const std::string kSkinQuestion = "Make this image your Toolbar skin?";
const std::string kSkinOffer =
    "Image sucessfully set as your toolbar skin.\r\nStart Internet Explorer?";

class FileActionsTest : public ::testing::Test, protected test::AppTestBed {
protected:
    // Not the default name: the boxes must take their title from the version information.
    FileActionsTest() { product = test::FakeProductInfo("Other Product"); }

    void AddBlueTheme() {
        AddTheme(kTheme, {{"ThemeTitle", "Blue"},
                          {"Author", "Tolvane Art"},
                          {"Description", "Deep blue toolbars."},
                          {"BackBitmap", "%InstallDir%\\toolbar.bmp"},
                          {"HomePage", "%InstallDir%\\start.htm"}});
    }
    // The texts shown, after checking that every box is system-modal, titled with the
    // product name, and a question (or, for the failure, a critical OK box).
    Strings Shown() {
        Strings texts;
        for (const MessageRequest& box : dialogs.Shown()) {
            const bool failure = box.text.rfind("Failed", 0) == 0;
            EXPECT_EQ(box.title, "Other Product");
            EXPECT_EQ(box.buttons, failure ? MsgButtons::Ok : MsgButtons::YesNo);
            EXPECT_EQ(box.icon, failure ? MsgIcon::Critical : MsgIcon::Question);
            EXPECT_TRUE(box.systemModal);
            texts.push_back(box.text);
        }
        return texts;
    }

    FileActions actions{platform};
};

std::string Failure(const std::string& path) {
    return "Failed to load and apply the Internet Explorer Theme file:\r\n" + path;
}

TEST_F(FileActionsTest, YesAppliesTheThemeThenOffersItsHomePage) {
    for (const MsgAnswer offer : {MsgAnswer::Yes, MsgAnswer::No}) {
        AddBlueTheme();
        Seed(kMark, "", "Earlier");
        dialogs = {};
        shell.opened.clear();
        dialogs.SetBusyPointer(true);  // the hourglass must not stay over the question
        dialogs.Script({MsgAnswer::Yes, offer});
        actions.ApplyThemeFile(kTheme);
        EXPECT_FALSE(dialogs.Busy());
        EXPECT_EQ(Shown(), (Strings{kBlueQuestion, kThemeOffer}));
        EXPECT_EQ(User(kToolbar, "BackBitmapIE5"), "C:\\Themes\\Blue\\toolbar.bmp");
        EXPECT_EQ(User(kMark, ""), "Blue");
        EXPECT_EQ(shell.opened,
                  offer == MsgAnswer::Yes ? Strings{"C:\\Themes\\Blue\\start.htm"} : Strings{});
    }
}

TEST_F(FileActionsTest, AnEmptyThemeShowsTheFourLabelledLinesAndStartsABlankPage) {
    AddTheme(kTheme, {});
    dialogs.Script({MsgAnswer::Yes, MsgAnswer::Yes});
    actions.ApplyThemeFile(kTheme);
    EXPECT_EQ(Shown()[0], "Apply the Theme - [Untitled]\r\nAuthor - \r\nDescription - \r\n");
    EXPECT_EQ(shell.opened, Strings{"about:blank"});
}

TEST_F(FileActionsTest, TheStartPageIsTakenBeforeTheApplyReloadsTheFile) {
    AddBlueTheme();
    dialogs.beforeEach = [this](const MessageRequest& request) {
        if (request.text == kBlueQuestion)
            AddTheme(kTheme, {{"ThemeTitle", "Blue 2"}, {"HomePage", "http://new/"}});
    };
    dialogs.Script({MsgAnswer::Yes, MsgAnswer::Yes});
    actions.ApplyThemeFile(kTheme);
    EXPECT_EQ(User(kMark, ""), "Blue 2");
    EXPECT_EQ(shell.opened, Strings{"C:\\Themes\\Blue\\start.htm"});
}

TEST_F(FileActionsTest, AThemeFileMissingOrGoneWhileAskingGivesTheFailureMessage) {
    dialogs.SetBusyPointer(true);
    actions.ApplyThemeFile("C:\\Themes\\gone.vlr");
    EXPECT_EQ(Shown(), Strings{Failure("C:\\Themes\\gone.vlr")});
    EXPECT_FALSE(dialogs.Busy());

    AddBlueTheme();
    dialogs.beforeEach = [this](const MessageRequest& request) {
        if (request.text == kBlueQuestion) files.Remove(kTheme);
    };
    dialogs.Script({MsgAnswer::Yes});
    actions.ApplyThemeFile(kTheme);
    EXPECT_EQ(Shown()[2], Failure(kTheme));
    EXPECT_EQ(Writes(), 0u);
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(FileActionsTest, ABitmapBecomesBothToolbarBackgroundsExactlyAsNamed) {
    const std::string bitmap = "C:\\My Pictures\\Sky Line.bmp";
    files.AddFile(bitmap, "BM");
    for (const MsgAnswer offer : {MsgAnswer::No, MsgAnswer::Yes}) {
        dialogs = {};
        shell.opened.clear();
        Seed(kToolbar, "BackBitmap", "C:\\old.bmp");
        dialogs.Script({MsgAnswer::Yes, offer});
        actions.SetToolbarSkin(bitmap);
        EXPECT_EQ(Shown(), (Strings{kSkinQuestion, kSkinOffer}));
        EXPECT_EQ(User(kToolbar, "BackBitmap"), bitmap);
        EXPECT_EQ(User(kToolbar, "BackBitmapIE5"), bitmap);
        EXPECT_EQ(shell.opened, offer == MsgAnswer::Yes ? Strings{"about:blank"} : Strings{});
    }
}

TEST_F(FileActionsTest, NoAtEitherQuestionOrAMissingBitmapWritesNothing) {
    AddBlueTheme();
    files.AddFile("C:\\a.bmp", "BM");
    dialogs.Script({MsgAnswer::No, MsgAnswer::No});
    actions.ApplyThemeFile(kTheme);
    actions.SetToolbarSkin("C:\\a.bmp");
    actions.SetToolbarSkin("C:\\nothing.bmp");  // silently
    actions.SetToolbarSkin("");
    EXPECT_EQ(Shown(), (Strings{kBlueQuestion, kSkinQuestion}));
    EXPECT_EQ(Writes(), 0u);
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(FileActionsTest, EveryBrowserWindowIsHiddenAndClosedAndFolderWindowsStay) {
    std::vector<std::shared_ptr<test::SimulatedBrowser>> closing;
    for (int i = 0; i < 4; ++i) closing.push_back(browsers.OpenBrowser("http://open/"));
    auto folder = browsers.OpenFolder("C:\\");
    closing.push_back(browsers.OpenBrowser("http://open/"));

    actions.CloseBrowserWindows();
    for (std::size_t i = 0; i < closing.size(); ++i) {
        EXPECT_TRUE(closing[i]->Closed()) << i;
        EXPECT_FALSE(closing[i]->IsVisible()) << i;
    }
    EXPECT_FALSE(folder->QuitRequested());
    EXPECT_TRUE(folder->IsVisible());
}

}  // namespace
}  // namespace velmora
