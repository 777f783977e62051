// Start-up: a second start does nothing; the command line (one path, quotes removed) chooses
// the main window, or closes the browser windows and runs one file action: a theme applied, a
// bitmap made the toolbar skin.
#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "app/Switches.h"
#include "app/StartUp.h"

#include <tuple>
#include "store/InstalledThemeStore.h"
#include "tests/support/TestPlatform.h"
#include "browser/BrowserSettings.h"

namespace velmora::test {
namespace {

using Strings = std::vector<std::string>;
using namespace std::string_literals;
constexpr MsgAnswer kYes = MsgAnswer::Yes, kNo = MsgAnswer::No;
constexpr StartAction kMain = StartAction::MainWindow, kTheme = StartAction::ApplyThemeFile,
                      kSkin = StartAction::SetToolbarSkin;

TEST(CommandLine, ALeadingQuoteRemovesEveryQuoteAndTheWholeTextEndsInTheExtension) {
    const struct {
        const char *text, *path;  // path null: the text as it stands
        StartAction action;
    } rows[] = {
        {"", nullptr, kMain},
        {"\"C:\\Program Files\\Deep Sea.vlr\"", "C:\\Program Files\\Deep Sea.vlr", kTheme},
        {"\"C:\\My Pictures\\sky.bmp\"", "C:\\My Pictures\\sky.bmp", kSkin},
        {"\"C:\\a\"b\"\\c.vlr\"", "C:\\ab\\c.vlr", kTheme},  // balanced or not
        {"\"\"\"", "", kMain},
        {"\"C:\\Themes\\Ocean.vlr\" /silent", "C:\\Themes\\Ocean.vlr /silent", kMain},
        // Without a leading quote the text is kept, quotes and blanks included.
        {"C:\\a\"b\".vlr\"", nullptr, kMain},
        {"C:\\a\"b\\c.vlr", nullptr, kTheme},
        {" \"C:\\x.bmp\"", nullptr, kMain},
        // Letters in any case.
        {"C:\\Themes\\Ocean.VLR", nullptr, kTheme},
        {".vlr", nullptr, kTheme},
        {".BmP", nullptr, kSkin},
        {"C:\\x.vlr.txt", nullptr, kMain},
        {"C:\\x.vlr.bmp", nullptr, kSkin},
    };
    for (const auto& row : rows) {
        const CommandLine command(row.text);
        EXPECT_EQ(command.Path(), row.path ? row.path : row.text);
        EXPECT_EQ(command.Action(), row.action) << row.text;
    }
}

TEST(CommandLine, Switches) {
    // The text, then what it asks (none, apply, check, invalid), path, quiet, the problem's line.
    const std::pair<const char*, const char*> rows[] = {
        {"C:\\a.vlr /quiet", "0||0|"},
        {"\"/apply\" x.vlr", "0||0|"},
        {"//server/x.vlr", "0||0|"},
        {"/apply \"C:\\My Themes\\a.vlr\" /quiet", "1|C:\\My Themes\\a.vlr|1|"},
        {"/QUIET  /Apply\ta.vlr", "1|a.vlr|1|"},
        {"/check \"C:\\x \\b.vlr", "2|C:\\x \\b.vlr|1|"},
        {"/check \"/quiet\"", "2|/quiet|1|"},
        {"/apply", "3||0|No theme file named."},
        {"/quiet a.vlr", "3||1|Unexpected argument: a.vlr"},
        {"/check", "3||1|No theme file named."},
        {"/apply a.vlr /check b.vlr", "3|a.vlr|1|Only one of /apply and /check."},
        {"/apply a.vlr b.vlr", "3|a.vlr|0|Unexpected argument: b.vlr"},
        {"/silent a.vlr /Quiet", "3||1|Unknown switch: /silent"},
    };
    for (const auto& [text, expected] : rows) {
        const Switches s(text);
        EXPECT_EQ(std::to_string(int(s.Action())) + "|" + s.Path() + "|" + std::to_string(s.Quiet()) +
                      "|" + s.Problem().substr(0, s.Problem().find('\r')),
                  expected)
            << text;
    }
    EXPECT_NE(Switches("/x").Problem().find("\r\n\r\nKnown switches:\r\n  /apply"), std::string::npos);
}

const std::string kBlue = "C:\\Themes\\Blue\\blue.vlr";
const std::string kAsk =
    "Apply the Theme - Blue\r\nAuthor - Tolvane Art\r\nDescription - \r\nDeep blue toolbars.";
const std::string kApplied =
    "Theme sucessfully loaded onto your computer.\r\nStart Internet Explorer?";
const std::string kSkinAsk = "Make this image your Toolbar skin?";
const std::string kSkinSet =
    "Image sucessfully set as your toolbar skin.\r\nStart Internet Explorer?";
const std::string kFailed = "Failed to load and apply the Internet Explorer Theme file:\r\n";
const std::string kRefused = "This is not a web address, so it was not opened:\r\n\r\n";
const std::string kBluePage = "http://tolvane.example/blue/";
const std::string kSky = "C:\\My Pictures\\Sky Line.bmp";
const std::string kOld = "C:\\old.bmp|C:\\old.bmp";  // the two toolbar pictures before

std::string Both(const std::string& picture) {
    return picture + "|" + picture;
}

TEST(StartUpTest, TheCommandLineChoosesTheActionAndEachAsksBeforeItWrites) {
    struct Row {
        std::string commandLine;
        std::vector<MsgAnswer> answers;
        Strings boxes;
        std::string pictures;  // the file explorer's and the browser's toolbar pictures after
        std::string mark;      // the current theme's mark after
        Strings opened;        // by the shell
        int mainWindow = 0;
        bool anotherInstance = false;
        void (*whileAsking)(TestPlatform&) = nullptr;  // changes the world at the first box
    };
    const std::string blueToolbar = "C:\\old.bmp|C:\\Themes\\Blue\\toolbar.bmp";
    // clang-format off
    const Row rows[] = {
        {"\"" + kBlue + "\"", {kYes, kYes}, {kAsk, kApplied}, blueToolbar, "Blue", {kBluePage}},
        // A page that is no web address is refused, and the browser starts blank.
        {"C:\\Themes\\bad.vlr", {kYes, kYes},
         {"Apply the Theme - Bad\r\nAuthor - \r\nDescription - \r\n", kApplied,
          kRefused + "C:\\Themes\\setup.exe\r\n\r\nOnly http://, https:// and ftp:// "
                     "addresses are opened from a Theme."},
         kOld, "Bad", {"about:blank"}},
        {kBlue, {kYes, kNo}, {kAsk, kApplied}, blueToolbar, "Blue", {}},
        {kBlue, {kNo}, {kAsk}, kOld, "Earlier", {}},
        // The start page is taken before the apply reloads the file.
        {kBlue, {kYes, kYes}, {kAsk, kApplied}, kOld, "Blue 2", {kBluePage}, 0,
         false,
         [](TestPlatform& t) { t.AddTheme(kBlue, {{"ThemeTitle", "Blue 2"}, {"HomePage", "x"}}); }},
        {kBlue, {kYes}, {kAsk, kFailed + kBlue}, kOld, "Earlier", {}, 0, false,
         [](TestPlatform& t) { t.files.Remove(kBlue); }},
        {"C:\\Themes\\empty.vlr", {kYes, kYes},
         {"Apply the Theme - [Untitled]\r\nAuthor - \r\nDescription - \r\n", kApplied}, kOld,
         "[Untitled]", {"about:blank"}},
        {"\"C:\\gone.vlr\"", {}, {kFailed + "C:\\gone.vlr"}, kOld, "Earlier", {}},
        {"\"" + kSky + "\"", {kYes, kYes}, {kSkinAsk, kSkinSet}, Both(kSky), "Earlier",
         {"about:blank"}},
        {kSky, {kYes, kNo}, {kSkinAsk, kSkinSet}, Both(kSky), "Earlier", {}},
        {kSky, {kNo}, {kSkinAsk}, kOld, "Earlier", {}},
        {"C:\\none.bmp", {}, {}, kOld, "Earlier", {}},
        // A relative path is taken from the current folder, a full one as given.
        {"blue.vlr", {kYes, kNo}, {kAsk, kApplied}, blueToolbar, "Blue", {}},
        {"sky.bmp", {kYes}, {kSkinAsk, kSkinSet}, Both("C:\\Themes\\Blue\\sky.bmp"), "Earlier", {}},
        {"My\\sky.bmp", {kYes}, {kSkinAsk, kSkinSet}, Both("C:\\Themes\\Blue\\My\\sky.bmp"),
         "Earlier", {}},
        {"\"C:/sky.bmp\"", {kYes}, {kSkinAsk, kSkinSet}, Both("C:/sky.bmp"), "Earlier", {}},
        {"//server/sky.bmp", {kYes}, {kSkinAsk, kSkinSet}, Both("//server/sky.bmp"), "Earlier", {}},
        {"\"" + kBlue + "\"", {}, {}, kOld, "Earlier", {}, 0, true},
        {"\"" + kBlue + "\" /apply", {}, {}, kOld, "Earlier", {}, 1},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.commandLine);
        TestPlatform t;
        t.product = FakeProductInfo("Other Product");  // the boxes' title
        t.AddTheme(kBlue, {{"ThemeTitle", "Blue"},
                           {"Author", "Tolvane Art"},
                           {"Description", "Deep blue toolbars."},
                           {"BackBitmap", "%InstallDir%\\toolbar.bmp"},
                           {"HomePage", kBluePage}});
        t.AddTheme("C:\\Themes\\empty.vlr", {});
        t.AddTheme("C:\\Themes\\bad.vlr", {{"ThemeTitle", "Bad"}, {"HomePage", "%InstallDir%\\setup.exe"}});
        for (const std::string& bitmap : {kSky, "C:\\Themes\\Blue\\sky.bmp"s, "C:/sky.bmp"s,
                                          "C:\\Themes\\Blue\\My\\sky.bmp"s, "//server/sky.bmp"s})
            t.files.AddFile(bitmap, "BM");
        t.files.SetCurrentFolder("C:\\Themes\\Blue");
        for (const char* picture : {browser::kExplorerBackBitmap, browser::kBrowserBackBitmap})
            t.Seed(browser::kToolbarKey, picture, "C:\\old.bmp");
        t.Seed(InstalledThemeStore::MarkKey(), "", "Earlier");
        const auto first = t.browsers.OpenBrowser("http://first/");
        const auto folder = t.browsers.OpenFolder("C:\\");
        const auto second = t.browsers.OpenBrowser("http://second/");
        t.dialogs.Script(row.answers);
        // The hourglass of the start must not stay over a theme's boxes.
        t.dialogs.busy = row.commandLine.find(".vlr") != std::string::npos;
        t.dialogs.beforeEach = [&](const MessageRequest& box) {
            EXPECT_TRUE(first->closed && second->closed) << "a box with a browser open";
            EXPECT_FALSE(t.dialogs.busy);
            const bool failure = box.text.rfind(kFailed, 0) == 0;
            const bool refusal = box.text.rfind(kRefused, 0) == 0;
            EXPECT_TRUE(box.title == "Other Product" && box.systemModal);
            EXPECT_EQ(box.buttons, failure || refusal ? MsgButtons::Ok : MsgButtons::YesNo);
            EXPECT_EQ(box.icon, failure ? MsgIcon::Critical : refusal ? MsgIcon::Exclamation
                                                                       : MsgIcon::Question);
            if (row.whileAsking && t.dialogs.shown.empty()) row.whileAsking(t);
        };
        int mainWindow = 0;
        StartUp(t.platform, [&] { ++mainWindow; }).Run(row.anotherInstance, row.commandLine);

        Strings boxes;
        for (const MessageRequest& box : t.dialogs.shown) boxes.push_back(box.text);
        EXPECT_EQ(boxes, row.boxes);
        EXPECT_EQ(t.Read(browser::kToolbarKey, browser::kExplorerBackBitmap) + "|" +
                      t.Read(browser::kToolbarKey, browser::kBrowserBackBitmap),
                  row.pictures);
        EXPECT_EQ(t.Read(InstalledThemeStore::MarkKey(), ""), row.mark);
        EXPECT_EQ(t.shell.opened, row.opened);
        EXPECT_EQ(mainWindow, row.mainWindow);
        const bool fileAction = !row.mainWindow && !row.anotherInstance;
        EXPECT_EQ(t.browsers.reads > 0, fileAction);
        EXPECT_EQ(first->closed && !first->visible && second->closed && !second->visible,
                  fileAction);
        EXPECT_FALSE(folder->quitRequested || folder->closed);
    }
    TestPlatform t;
    StartUp(t.platform, nullptr).Run(false, "");  // without a main window yet it simply ends
}

TEST(StartUpTest, SwitchCommandsEndInAnExitCodeAndAQuietOneShowsNothing) {
    // Another copy running, the command line; exit code, mark, boxes, browser closed, output.
    const std::tuple<bool, std::string, std::string> rows[] = {
        {false, "/apply " + kBlue + " /quiet", "0 Blue 0 0 "},
        {false, "/apply C:\\gone.vlr /quiet", "4 Earlier 0 0 No theme file at C:\\gone.vlr\r\n"},
        {true, "/apply " + kBlue + " /quiet", "7 Earlier 0 0 Velmora is already running; nothing was applied.\r\n"},
        {false, "/apply " + kBlue, "6 Earlier 1 1 "},
        {false, "/apply " + kBlue + " /silent", "3 Earlier 1 0 "},
        {false, "/apply /quiet", "3 Earlier 0 0 No theme file named."},
    };
    for (const auto& [another, commandLine, expected] : rows) {
        TestPlatform t;
        t.AddTheme(kBlue, {{"ThemeTitle", "Blue"}});
        t.files.SetCurrentFolder("C:\\Themes\\Blue");
        t.Seed(InstalledThemeStore::MarkKey(), "", "Earlier");
        const auto browser = t.browsers.OpenBrowser("http://first/");
        std::string output;
        const int code = StartUp(t.platform, [] { ADD_FAILURE(); }, [&](const std::string& text) {
                             output += text;
                         }).Run(another, commandLine);
        EXPECT_EQ(std::to_string(code) + " " + t.Read(InstalledThemeStore::MarkKey(), "") + " " +
                      std::to_string(t.dialogs.shown.size()) + " " + std::to_string(browser->closed) +
                      " " + output.substr(0, output.find("\r\n\r\n")),
                  expected)
            << commandLine;
        for (const MessageRequest& box : t.dialogs.shown) EXPECT_TRUE(box.systemModal);
    }
}

}  // namespace
}  // namespace velmora::test
