// The main window's companion browser: its binding at load and its giving back, the reopening
// of the browser windows, and the maker's web pages (and the version numbers they send).
#include "mainwindow/WebAddresses.h"
#include "tests/unit/mainwindow/MainWindowTestBed.h"

namespace velmora::test {
namespace {

const std::string kBar = "{BDAD1DAD-C946-4A17-ADC1-64B5B4FF55D0}";  // hidden while open

struct CompanionBrowserTest : MainWindowTest {
    std::shared_ptr<SimulatedBrowser> Created(std::size_t i) { return browsers.created.at(i); }
    bool IsCompanion(const std::shared_ptr<SimulatedBrowser>& b) {
        return window.Companion().get() == b.get();
    }
    bool Enabled(const std::shared_ptr<SimulatedBrowser>& b) { return desktop[b->hwnd].enabled; }
    // Place, address and state of a window: "left,top,width,height address enabled".
    std::string Seen(const std::shared_ptr<SimulatedBrowser>& b) {
        return std::to_string(b->left) + "," + std::to_string(b->top) + "," +
               std::to_string(b->width) + "," + std::to_string(b->height) + " " + b->location +
               (Enabled(b) ? " enabled" : " disabled") + (b->visible ? "" : " hidden");
    }
};

TEST_F(CompanionBrowserTest, WithNoBrowserInFrontLoadOpensABlankCompanionAndSitsBehindIt) {
    desktop.foreground = browsers.OpenFolder("C:\\")->hwnd;  // no browser
    window.Form_Load();
    ASSERT_EQ(browsers.created.size(), 1u);
    const auto companion = Created(0);
    EXPECT_TRUE(IsCompanion(companion) && host.centred && !companion->bars.at(kBar));
    EXPECT_EQ(Seen(companion), "50,50,800,600 about:blank disabled");
    EXPECT_TRUE(desktop[companion->hwnd].shown == kSwShowNormal &&
                desktop[host.handle].behind == companion->hwnd);
    EXPECT_FALSE(window.List1.ListIndex() || dialogs.busy);
    companion->sink->WindowSetTop(120);
    EXPECT_EQ(host.top, 120);
    companion->UserCloses();
    EXPECT_EQ(host.closes, 1);
}

TEST_F(CompanionBrowserTest, TheForegroundBrowserBecomesTheCompanionAndEveryBrowserIsGivenBack) {
    const auto other = browsers.OpenBrowser("http://other");
    const auto front = browsers.OpenBrowser("http://front");
    const auto folder = browsers.OpenFolder("C:\\");
    front->bars[kBar] = true;
    desktop.foreground = front->hwnd;
    desktop.EnableWindow(other->hwnd, false);
    desktop.EnableWindow(folder->hwnd, false);  // no browser: not ours to enable
    window.Form_Load();
    EXPECT_TRUE(browsers.created.empty() && IsCompanion(front));
    EXPECT_FALSE(front->bars.at(kBar) || Enabled(front));
    window.Form_KeyPress(27);
    EXPECT_TRUE(Enabled(front) && Enabled(other) && !front->closed && front->bars.at(kBar));
    EXPECT_FALSE(Enabled(folder));
    front->UserCloses();  // no longer connected: nothing reaches the closed window
    EXPECT_EQ(host.closes, 1);
}

TEST_F(CompanionBrowserTest, WithoutAnyBrowserTheWindowWorksInTheTopmostBand) {
    browsers.canCreate = false;
    window.Form_Load();
    EXPECT_TRUE(window.Companion() == nullptr && desktop[host.handle].topmost);
    window.SetWindowOnTop(false);
    EXPECT_FALSE(desktop[host.handle].topmost);
    window.ReopenBrowsers();
    window.pmuHelp_Click(HelpEntry::OnlineInfo);
    window.Image1_Click();
    window.Combo1.SetText("http://home"), window.Combo1_Click();  // no companion to show it in
    EXPECT_EQ(shell.opened.size(), 2u);  // the pages through the shell instead
    browsers.canCreate = true;  // the browser is back: the reopening makes a new companion
    window.ReopenBrowsers();
    EXPECT_TRUE(IsCompanion(Created(0)));
    EXPECT_EQ(Seen(Created(0)), "50,50,800,600 about:blank disabled");
}

TEST_F(CompanionBrowserTest, ReopeningReplacesEveryBrowserAtItsPlaceAndAddressOnce) {
    const auto wide = browsers.OpenBrowser("http://wide", 10, 20, 1024, 700);
    const auto blank = browsers.OpenBrowser("", 30, 40, 640, 480);
    const auto folder = browsers.OpenFolder("C:\\");
    blank->minimised = true;  // restored before its place is read
    desktop.foreground = wide->hwnd;
    window.Form_Load();
    window.ReopenBrowsers();
    EXPECT_TRUE(wide->closed && !wide->visible && blank->closed && !folder->closed);
    ASSERT_EQ(browsers.created.size(), 2u);
    EXPECT_EQ(Seen(Created(0)), "10,20,800,700 http://wide enabled");
    EXPECT_EQ(Seen(Created(1)), "30,40,640,480 http://wide disabled");  // the companion's page
    EXPECT_TRUE(Created(1)->lastFlags == kNavNoHistory && IsCompanion(Created(1)) && !host.closes);
    browsers.canCreate = false;  // a window that cannot be replaced stays open, enabled
    desktop.EnableWindow(Created(0)->hwnd, false);
    window.ReopenBrowsers();
    EXPECT_FALSE(Created(1)->quitRequested || Created(0)->quitRequested);
    EXPECT_TRUE(Enabled(Created(0)) && IsCompanion(Created(1)) && !Enabled(Created(1)));
    // A companion the shell does not list (as under Wine) is reopened and given back at close.
    browsers.canCreate = true;
    Created(1)->listed = false;
    window.ReopenBrowsers();
    EXPECT_TRUE(Created(1)->closed && IsCompanion(Created(3)));
    Created(3)->listed = false;
    window.cmdCancel_Click();
    EXPECT_TRUE(Enabled(Created(3)));
}

TEST_F(CompanionBrowserTest, GalleryAndUpdatesShowInTheCompanionAndEndTheProgram) {
    product = FakeProductInfo("Kelvary", "1.01.0003");
    Seed(kThemeStoreRoot, "UserID", "a b&c.~-_", kHkeyLocalMachine);
    const std::string gallery = "http://www.example.com/Velmoras/?UserID=a%20b%26c.~-_&Lang=en";
    const std::pair<HelpEntry, std::string> cases[] = {
        {HelpEntry::Gallery, gallery},
        {HelpEntry::Updates,
         "http://www.example.com/Downloads/UpdateCheck.asp?Product=Kelvary&Major=1&Minor=1&"
         "Revision=3&UserID=a%20b%26c.~-_&Lang=en"}};
    window.Form_Load();
    const auto companion = Created(0);
    for (const auto& [entry, address] : cases) {
        desktop.EnableWindow(companion->hwnd, false);
        host.ended = false;
        window.pmuHelp_Click(entry);
        EXPECT_EQ(companion->location, address);
        EXPECT_TRUE(Enabled(companion) && host.ended);
    }
    window.Image1_Click();
    EXPECT_TRUE(companion->location == gallery && shell.opened.empty());
}

TEST(ParseVersionTest, NumbersWithoutPaddingAndZeroForWhatIsNoNumber) {
    const std::pair<std::string, std::vector<unsigned long>> cases[] = {
        {"1.01.0003", {1, 1, 3}},
        {"2.0", {2, 0, 0}},
        {"x.5.7", {0, 5, 7}},
        {"1234567890.1.1", {0, 1, 1}},
        {"7", {7, 0, 0}},
        {"0000000001.02.3", {1, 2, 3}},  // leading zeros do not count as digits
        {"123456789.0.10", {123456789, 0, 10}}};
    for (const auto& [text, expected] : cases) {
        const VersionNumbers v = ParseVersion(text);
        EXPECT_EQ((std::vector<unsigned long>{v.major, v.minor, v.revision}), expected) << text;
    }
}

TEST_F(CompanionBrowserTest, OnLineInfoOpensASeparateTopmostWindowOnTheRightThird) {
    window.Form_Load();
    window.pmuHelp_Click(HelpEntry::OnlineInfo);
    ASSERT_EQ(browsers.created.size(), 2u);
    const auto info = Created(1);
    EXPECT_EQ(Seen(info),
              "683,0,341,768 http://www.example.com/Downloads/HelpRedirect.asp?"
              "Product=Kelvary&Lang=en enabled");
    EXPECT_EQ(std::make_tuple(info->toolBar, info->menuBar, info->statusBar),
              std::make_tuple(std::optional<bool>(false), std::optional<bool>(true),
                              std::optional<bool>(false)));
    EXPECT_TRUE(desktop[info->hwnd].topmost && IsCompanion(Created(0)) && !host.ended);
    Install("Ocean", {{"HomePage", "http://home"}});
    window.LoadThemeList("Ocean");
    EXPECT_EQ(window.Combo1.Items(), Strings{"http://home"});
    window.Combo1_Click();  // the theme's home page in the companion
    EXPECT_EQ(Created(0)->location, "http://home");
    window.txtWebSite_Click();
    window.txtWebSite.SetText("http://author");
    window.txtWebSite_Click();
    window.txtWebSite_KeyDown('A');  // neither Enter nor Space: nothing
    window.txtWebSite.SetText("http://enter");
    window.txtWebSite_KeyDown(13);  // Enter opens as a click does
    window.txtWebSite.SetText("C:\\setup.exe");
    window.txtWebSite_KeyDown(32);  // Space; a program is refused by name
    EXPECT_EQ(shell.opened, (Strings{"http://author", "http://enter"}));
    EXPECT_NE(dialogs.shown.back().text.find("C:\\setup.exe"), std::string::npos);
}

}  // namespace
}  // namespace velmora::test
