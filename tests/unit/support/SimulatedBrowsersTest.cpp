// The simulated browser windows behave as the program relies on real ones to behave: a quit
// completes while messages run, a gone window answers nothing, events reach the connected
// receiver only.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/SimulatedBrowsers.h"

namespace velmora::test {
namespace {

class EventLog : public BrowserEvents {
public:
    void OnQuit() override { events.push_back("quit"); }
    void WindowSetTop(long top) override { events.push_back("top " + std::to_string(top)); }
    std::vector<std::string> events;
};

class SimulatedBrowsersTest : public ::testing::Test {
protected:
    SimulatedWindowing desktop;
    SimulatedBrowsers browsers{desktop};
};

TEST_F(SimulatedBrowsersTest, AQuitCompletesAtTheNextYieldAndFiresOnQuit) {
    auto window = browsers.OpenBrowser("http://a/");
    EventLog log;
    window->Connect(&log);
    const WindowHandle hwnd = window->Hwnd();

    window->Quit();
    EXPECT_EQ(browsers.ShellWindows().size(), 1u);
    EXPECT_TRUE(log.events.empty());

    browsers.YieldToMessageLoop();
    EXPECT_TRUE(browsers.ShellWindows().empty());
    EXPECT_EQ(log.events, std::vector<std::string>{"quit"});
    EXPECT_FALSE(desktop.Exists(hwnd));
}

TEST_F(SimulatedBrowsersTest, AGoneWindowAnswersNothingAndTakesNoCommands) {
    auto window = browsers.OpenBrowser("http://a/", 10, 20, 640, 480);
    window->UserCloses();
    EXPECT_EQ(window->FullName(), "");
    EXPECT_EQ(window->Hwnd(), 0u);
    EXPECT_EQ(window->LocationURL(), "");
    EXPECT_EQ(window->Width(), 0);
    window->Navigate("http://b/");
    EXPECT_TRUE(window->Navigations().empty());
}

TEST_F(SimulatedBrowsersTest, ASnapshotKeepsItsWindowsWhenOthersCloseOrOpen) {
    auto first = browsers.OpenBrowser("http://1/");
    auto second = browsers.OpenBrowser("http://2/");
    const auto snapshot = browsers.ShellWindows();
    first->UserCloses();
    browsers.CreateBrowser();
    ASSERT_EQ(snapshot.size(), 2u);
    EXPECT_EQ(snapshot[1]->LocationURL(), "http://2/");
    EXPECT_EQ(browsers.ShellWindows().size(), 2u);  // the second and the new one
}

TEST_F(SimulatedBrowsersTest, ANewBrowserIsHiddenBlankAndInTheCollection) {
    auto created = browsers.CreateBrowser();
    ASSERT_NE(created, nullptr);
    EXPECT_FALSE(created->Visible());
    EXPECT_EQ(created->LocationURL(), "");
    EXPECT_TRUE(desktop.State(created->Hwnd()).enabled);
    EXPECT_EQ(browsers.ShellWindows().size(), 1u);
    browsers.SetCanCreate(false);
    EXPECT_EQ(browsers.CreateBrowser(), nullptr);
}

TEST_F(SimulatedBrowsersTest, EventsReachOnlyTheConnectedReceiver) {
    auto window = browsers.OpenBrowser("http://a/");
    EventLog first, second;
    window->Connect(&first);
    window->MoveTop(120);
    window->Connect(&second);
    window->MoveTop(80);
    window->Connect(nullptr);
    window->UserCloses();
    EXPECT_EQ(first.events, std::vector<std::string>{"top 120"});
    EXPECT_EQ(second.events, std::vector<std::string>{"top 80"});
}

TEST_F(SimulatedBrowsersTest, EnabledStateLivesOnTheWindowHandle) {
    auto window = browsers.OpenBrowser("http://a/");
    desktop.EnableWindow(window->Hwnd(), false);
    EXPECT_FALSE(window->Enabled());
    desktop.ShowWindow(window->Hwnd(), kSwShowNormal);
    EXPECT_EQ(desktop.State(window->Hwnd()).lastShowCommand, 1);
}

TEST_F(SimulatedBrowsersTest, WithoutACollectionTheShellListsNothing) {
    browsers.OpenBrowser("http://a/");
    browsers.SetCollectionAvailable(false);
    EXPECT_TRUE(browsers.ShellWindows().empty());
}

}  // namespace
}  // namespace velmora::test
