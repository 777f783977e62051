// The helpers shared by the windows: whole-text selection and the topmost band. (Browser and
// folder windows are told apart wherever the programs walk the shell's windows.)
#include <gtest/gtest.h>

#include "tests/support/SimulatedWindowing.h"
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

}  // namespace
}  // namespace velmora::test
