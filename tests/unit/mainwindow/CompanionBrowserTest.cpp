// The main window's load and unload, its companion browser, the reopening of the browser
// windows, and the maker's web pages.
#include <gtest/gtest.h>

#include "tests/unit/mainwindow/MainWindowTestBed.h"

namespace velmora::test {
namespace {

const std::string kBar = "{BDAD1DAD-C946-4A17-ADC1-64B5B4FF55D0}";

class CompanionBrowserTest : public ::testing::Test, protected MainWindowTestBed {
protected:
    std::shared_ptr<SimulatedBrowser> Created(std::size_t i) { return browsers.Created().at(i); }
    bool IsCompanion(const std::shared_ptr<SimulatedBrowser>& b) {
        return window.Companion().get() == b.get();
    }
    // Place, address and state of a window: "left,top,width,height address enabled".
    static std::string Seen(const SimulatedBrowser& b) {
        return std::to_string(b.PosLeft()) + "," + std::to_string(b.PosTop()) + "," +
               std::to_string(b.PosWidth()) + "," + std::to_string(b.PosHeight()) + " " +
               b.Location() + (b.Enabled() ? " enabled" : " disabled");
    }
};

TEST_F(CompanionBrowserTest, WithNoBrowserInFrontLoadOpensABlankCompanionAndSitsBehindIt) {
    window.Form_Load();
    ASSERT_EQ(browsers.Created().size(), 1u);
    const auto companion = Created(0);
    EXPECT_TRUE(IsCompanion(companion) && companion->IsVisible() && host.centred);
    EXPECT_EQ(companion->Navigations().at(0).method + " " + Seen(*companion),
              "Navigate 50,50,800,600 about:blank disabled");
    EXPECT_EQ(desktop.State(companion->Handle()).lastShowCommand, kSwShowNormal);
    EXPECT_EQ(companion->BrowserBarShown(kBar), false);
    EXPECT_EQ(desktop.State(host.Handle()).placedBehind, companion->Handle());
    EXPECT_EQ(window.List1.ListIndex(), 0);
    EXPECT_EQ(host.caption, "Not Found - ");
    EXPECT_FALSE(dialogs.Busy());

    companion->MoveTop(120);
    EXPECT_EQ(host.top, 120);
    companion->UserCloses();
    EXPECT_EQ(host.closes, 1);
}

TEST_F(CompanionBrowserTest, TheForegroundBrowserBecomesTheCompanionAndEveryBrowserIsGivenBack) {
    const auto other = browsers.OpenBrowser("http://other");
    const auto front = browsers.OpenBrowser("http://front");
    browsers.OpenFolder("C:\\");
    front->SetBrowserBar(kBar, true);
    desktop.SetForeground(front->Handle());
    desktop.EnableWindow(other->Handle(), false);
    window.Form_Load();
    EXPECT_TRUE(browsers.Created().empty() && IsCompanion(front));
    EXPECT_EQ(front->BrowserBarShown(kBar), false);
    EXPECT_FALSE(front->Enabled());

    window.Form_KeyPress(27);
    EXPECT_TRUE(front->Enabled() && other->Enabled() && !front->Closed());
    EXPECT_EQ(front->BrowserBarShown(kBar), true);
    front->UserCloses();  // no longer connected: nothing reaches the closed window
    EXPECT_EQ(host.closes, 1);
}

TEST_F(CompanionBrowserTest, WithoutAnyBrowserTheWindowWorksInTheTopmostBand) {
    browsers.SetCanCreate(false);
    window.Form_Load();
    EXPECT_EQ(window.Companion(), nullptr);
    EXPECT_TRUE(desktop.State(host.Handle()).topmost);
    window.SetWindowOnTop(false);
    EXPECT_FALSE(desktop.State(host.Handle()).topmost);
    window.ReopenBrowsers();
    window.pmuHelp_Click(4);
    EXPECT_EQ(shell.opened.size(), 1u);
    window.Image1_Click();
    EXPECT_EQ(shell.opened.size(), 2u);

    browsers.SetCanCreate(true);  // the browser is back: the reopening makes a new companion
    window.ReopenBrowsers();
    ASSERT_EQ(browsers.Created().size(), 1u);
    EXPECT_TRUE(IsCompanion(Created(0)));
    EXPECT_EQ(Seen(*Created(0)), "50,50,800,600 about:blank disabled");
}

TEST_F(CompanionBrowserTest, ReopeningReplacesEveryBrowserAtItsPlaceAndAddressOnce) {
    const auto wide = browsers.OpenBrowser("http://wide", 10, 20, 1024, 700);
    const auto blank = browsers.OpenBrowser("", 30, 40, 640, 480);
    const auto folder = browsers.OpenFolder("C:\\");
    desktop.SetForeground(wide->Handle());
    window.Form_Load();
    window.ReopenBrowsers();

    EXPECT_TRUE(wide->Closed() && blank->Closed() && !folder->Closed());
    ASSERT_EQ(browsers.Created().size(), 2u);
    EXPECT_EQ(Seen(*Created(0)), "10,20,800,700 http://wide enabled");
    EXPECT_EQ(Seen(*Created(1)), "30,40,640,480 http://wide disabled");
    EXPECT_EQ(Created(0)->PositionWrites(), (Strings{"Top", "Left", "Height", "Width"}));
    // A minimised or maximised window is restored before its place is read.
    EXPECT_EQ(desktop.State(blank->Handle()).lastShowCommand, kSwShowNormal);
    EXPECT_EQ(Created(1)->Navigations().at(0).flags, kNavNoHistory);
    EXPECT_TRUE(Created(0)->IsVisible() && Created(1)->IsVisible() && IsCompanion(Created(1)));
    EXPECT_EQ(host.closes, 0);

    browsers.SetCanCreate(false);  // a window that cannot be replaced stays open
    window.ReopenBrowsers();
    EXPECT_FALSE(Created(1)->QuitRequested());
    EXPECT_TRUE(IsCompanion(Created(1)));
    EXPECT_FALSE(Created(1)->Enabled());
}

TEST_F(CompanionBrowserTest, ACompanionTheShellDoesNotListIsReopenedAndGivenBackAtClose) {
    browsers.SetCollectionAvailable(false);  // as under Wine
    window.Form_Load();
    window.ReopenBrowsers();
    EXPECT_TRUE(Created(0)->Closed());
    ASSERT_EQ(browsers.Created().size(), 2u);
    EXPECT_TRUE(IsCompanion(Created(1)) && !Created(1)->Enabled());
    window.cmdCancel_Click();
    EXPECT_TRUE(Created(1)->Enabled());
}

TEST_F(CompanionBrowserTest, GalleryAndUpdatesShowInTheCompanionAndEndTheProgram) {
    product = FakeProductInfo("Kelvary", "1.01.0003");
    SeedMachine("Software\\Tolvane\\Quenmark\\Velmoras", "UserID", "a b&c.~");
    const std::string gallery = "http://www.example.com/Velmoras/?UserID=a%20b%26c.~&Lang=en";
    const std::pair<int, std::string> cases[] = {
        {1, gallery},
        {2,
         "http://www.example.com/Downloads/UpdateCheck.asp?Product=Kelvary&Major=1&Minor=1&"
         "Revision=3&UserID=a%20b%26c.~&Lang=en"}};
    window.Form_Load();
    const auto companion = Created(0);
    for (const auto& [entry, address] : cases) {
        desktop.EnableWindow(companion->Handle(), false);
        host.ended = false;
        window.pmuHelp_Click(entry);
        EXPECT_EQ(companion->Navigations().back().url, address);
        EXPECT_TRUE(companion->Enabled() && host.ended);
    }
    window.Image1_Click();
    EXPECT_EQ(companion->Navigations().back().url, gallery);
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(CompanionBrowserTest, OnLineInfoOpensASeparateTopmostWindowOnTheRightThird) {
    window.Form_Load();
    window.mnuHelp_Click();
    EXPECT_TRUE(window.pmuHelp[2].Enabled());
    window.pmuHelp_Click(4);
    ASSERT_EQ(browsers.Created().size(), 2u);
    const auto info = Created(1);
    EXPECT_EQ(Seen(*info),
              "683,0,341,768 http://www.example.com/Downloads/HelpRedirect.asp?"
              "Product=Kelvary&Lang=en enabled");
    EXPECT_EQ(std::make_tuple(info->ToolBarShown(), info->MenuBarShown(), info->StatusBarShown()),
              std::make_tuple(std::optional<bool>(false), std::optional<bool>(true),
                              std::optional<bool>(false)));
    EXPECT_TRUE(info->IsVisible() && desktop.State(info->Handle()).topmost);
    EXPECT_TRUE(IsCompanion(Created(0)) && !host.ended);

    window.txtWebSite_Click();
    window.txtWebSite.SetText("http://author");
    window.txtWebSite_Click();
    EXPECT_EQ(shell.opened, Strings{"http://author"});
}

}  // namespace
}  // namespace velmora::test
