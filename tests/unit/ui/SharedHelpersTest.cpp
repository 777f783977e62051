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
    SelectAllText(windowing);  // no focused control at all
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

TEST(MakeTopmost, JoinsAndLeavesTheTopmostBandWithoutMovingSizingOrActivating) {
    SimulatedWindowing windowing;
    const WindowHandle window = windowing.AddWindow();
    MakeTopmost(windowing, window);
    EXPECT_TRUE(windowing.State(window).topmost);
    SetWindowOnTop(windowing, window, false);
    EXPECT_FALSE(windowing.State(window).topmost);
    ASSERT_EQ(windowing.SetWindowPosCalls().size(), 2u);
    for (const auto& call : windowing.SetWindowPosCalls()) {
        EXPECT_EQ(call.window, window);
        EXPECT_EQ(call.flags, 3u);  // SWP_NOSIZE | SWP_NOMOVE, without SWP_NOACTIVATE
    }
    EXPECT_EQ(windowing.SetWindowPosCalls()[0].insertAfter, static_cast<WindowHandle>(-1));
    EXPECT_EQ(windowing.SetWindowPosCalls()[1].insertAfter, static_cast<WindowHandle>(-2));
}

TEST(IsInternetExplorer, MatchesTheProgramNameAtTheEndWithoutRegardToCase) {
    for (const char* path : {"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE", "iExplore.Exe",
                             "C:\\old\\myiexplore.exe"}) {
        EXPECT_TRUE(IsInternetExplorerProgram(path)) << path;
    }
    for (const char* path :
         {"C:\\WINDOWS\\Explorer.EXE", "C:\\ie\\iexplore.exe.bak", "xplore.exe", ""}) {
        EXPECT_FALSE(IsInternetExplorerProgram(path)) << path;
    }
}

}  // namespace
}  // namespace velmora
