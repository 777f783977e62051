// The helpers shared by the windows: whole-text selection, the topmost band, and the test
// that tells browser windows from folder windows.
#include <gtest/gtest.h>

#include "tests/support/SimulatedWindowing.h"
#include "ui/IsInternetExplorer.h"
#include "ui/MakeTopmost.h"
#include "ui/SelectAllText.h"

namespace velmora::test {
namespace {

TEST(SharedHelpers, SelectAllTextSelectsTheFocusedControlsTextAndTheBandIsSwitched) {
    SimulatedWindowing desktop;
    const WindowHandle window = desktop.AddWindow(), edit = desktop.AddWindow("Hello");
    SelectAllText(desktop);  // no focus: nothing to select
    desktop.focus = edit;
    desktop[edit].selStart = 3;
    SelectAllText(desktop);
    EXPECT_EQ(desktop[edit].selStart * 10 + desktop[edit].selLength, 5);
    MakeTopmost(desktop, window);
    EXPECT_TRUE(desktop[window].topmost);
    SetWindowOnTop(desktop, window, false);
    EXPECT_FALSE(desktop[window].topmost);
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
}  // namespace velmora::test
