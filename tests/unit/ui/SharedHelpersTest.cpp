// The helpers shared by the windows: whole-text selection, the topmost band, and the test
// that tells browser windows from folder windows.
#include <gtest/gtest.h>

#include "tests/support/SimulatedWindowing.h"
#include "ui/IsInternetExplorer.h"
#include "ui/MakeTopmost.h"
#include "ui/SelectAllText.h"

namespace velmora {
namespace {

using test::SimulatedWindowing;

TEST(SelectAllText, SelectsTheWholeTextOfTheFocusedControlOnly) {
    SimulatedWindowing windowing;
    const WindowHandle title = windowing.AddWindow("Ocean");
    const WindowHandle author = windowing.AddWindow("Someone");
    windowing.SetSelection(author, 2, 1);
    windowing.SetSelection(title, 3, 0);
    windowing.SetFocus(title);

    SelectAllText(windowing);

    EXPECT_EQ(windowing.State(title).selectionStart, 0);
    EXPECT_EQ(windowing.State(title).selectionLength, 5);
    EXPECT_EQ(windowing.State(author).selectionStart, 2);
    EXPECT_EQ(windowing.State(author).selectionLength, 1);
}

TEST(SelectAllText, WithoutFocusOrTextNothingHappens) {
    SimulatedWindowing windowing;
    const WindowHandle empty = windowing.AddWindow("");
    SelectAllText(windowing);  // no focused control at all
    windowing.SetFocus(empty);
    SelectAllText(windowing);
    EXPECT_EQ(windowing.State(empty).selectionStart, 0);
    EXPECT_EQ(windowing.State(empty).selectionLength, 0);
}

TEST(MakeTopmost, JoinsTheTopmostBandWithoutMovingOrSizing) {
    SimulatedWindowing windowing;
    const WindowHandle window = windowing.AddWindow();
    MakeTopmost(windowing, window);
    ASSERT_EQ(windowing.SetWindowPosCalls().size(), 1u);
    const auto& call = windowing.SetWindowPosCalls()[0];
    EXPECT_EQ(call.window, window);
    EXPECT_EQ(call.insertAfter, kHwndTopmost);
    EXPECT_EQ(call.insertAfter, static_cast<WindowHandle>(-1));
    EXPECT_EQ(call.flags, 3u);  // SWP_NOSIZE | SWP_NOMOVE: no activation change either
    EXPECT_EQ(call.x, 0);
    EXPECT_EQ(call.width, 0);
    EXPECT_TRUE(windowing.State(window).topmost);
}

TEST(MakeTopmost, WindowOnTopFalseLeavesTheBand) {
    SimulatedWindowing windowing;
    const WindowHandle window = windowing.AddWindow();
    SetWindowOnTop(windowing, window, true);
    SetWindowOnTop(windowing, window, false);
    ASSERT_EQ(windowing.SetWindowPosCalls().size(), 2u);
    EXPECT_EQ(windowing.SetWindowPosCalls()[1].insertAfter, static_cast<WindowHandle>(-2));
    EXPECT_EQ(windowing.SetWindowPosCalls()[1].flags, 3u);
    EXPECT_FALSE(windowing.State(window).topmost);
}

TEST(IsInternetExplorer, MatchesTheProgramNameAtTheEndWithoutRegardToCase) {
    EXPECT_TRUE(IsInternetExplorerProgram("C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE"));
    EXPECT_TRUE(IsInternetExplorerProgram("c:\\ie\\iexplore.exe"));
    EXPECT_TRUE(IsInternetExplorerProgram("iExplore.Exe"));
    EXPECT_TRUE(IsInternetExplorerProgram("C:\\old\\myiexplore.exe"));  // "*" takes any prefix
    EXPECT_FALSE(IsInternetExplorerProgram("C:\\WINDOWS\\Explorer.EXE"));
    EXPECT_FALSE(IsInternetExplorerProgram("C:\\ie\\iexplore.exe.bak"));
    EXPECT_FALSE(IsInternetExplorerProgram("xplore.exe"));
    EXPECT_FALSE(IsInternetExplorerProgram(""));
}

}  // namespace
}  // namespace velmora
