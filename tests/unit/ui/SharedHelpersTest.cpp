// The helpers shared by the windows: whole-text selection and the topmost band. (Browser and
// folder windows are told apart wherever the programs walk the shell's windows.)
#include <gtest/gtest.h>

#include "tests/support/SimulatedWindowing.h"
#include "ui/MakeTopmost.h"
#include "ui/Controls.h"
#include "ui/SelectAllText.h"
#include "ui/WebAddress.h"

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

// Only a plain web address from a theme ever reaches the shell.
TEST(SharedHelpers, OnlyPlainWebAddressesAreOpened) {
    const std::pair<const char*, bool> rows[] = {
        {"http://www.example.com/", true},  {"HTTPS://example.com", true},
        {"ftp://files.example.com/a", true}, {"http://", false},
        {"http:///etc/passwd", false},       {"https:\\\\server\\x", false},
        {"file:///C:/setup.exe", false},     {"javascript:alert(1)", false},
        {"C:\\Themes\\setup.exe", false},    {"\\\\server\\share\\a.htm", false},
        {"http://a b/", false},              {"http://a\"b/", false},
        {"http://a\tb/", false},            {"", false},
        {" http://example.com/", false},     {"about:blank", false},
    };
    for (const auto& [text, opens] : rows) EXPECT_EQ(IsWebAddress(text), opens) << text;
}

TEST(SharedHelpers, ALiteralCaptionShowsEveryAmpersandAsWritten) {
    EXPECT_EQ(ui::LiteralCaption("http://a/?x=1&y=2&&z"), "http://a/?x=1&&y=2&&&&z");
    EXPECT_EQ(ui::LiteralCaption("plain"), "plain");
}

}  // namespace
}  // namespace velmora::test
