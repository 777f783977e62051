// The helpers shared by the windows: whole-text selection, the topmost band, and the test
// that tells browser windows from folder windows.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/IsInternetExplorer.h"
#include "ui/MakeTopmost.h"
#include "ui/SelectAllText.h"

namespace velmora {
namespace {

// Records the window calls the helpers make; the focused control's text is 5 characters.
class WindowCalls : public Windowing {
public:
    WindowHandle ForegroundWindow() override { return 0; }
    void EnableWindow(WindowHandle, bool) override {}
    void ShowWindow(WindowHandle, int) override {}
    void SetWindowPos(WindowHandle window, WindowHandle after, int x, int y, int width, int height,
                      unsigned flags) override {
        calls.push_back("pos " + std::to_string(window) + " after " +
                        std::to_string(static_cast<long long>(after)) + " " + std::to_string(x) +
                        "," + std::to_string(y) + " " + std::to_string(width) + "x" +
                        std::to_string(height) + " flags " + std::to_string(flags));
    }
    WindowHandle FocusedControl() override { return focused; }
    int TextLength(WindowHandle control) override { return control == focused ? 5 : 0; }
    void SetSelection(WindowHandle control, int start, int length) override {
        calls.push_back("select " + std::to_string(control) + " " + std::to_string(start) + "+" +
                        std::to_string(length));
    }

    WindowHandle focused = 0;
    std::vector<std::string> calls;
};

TEST(SharedHelpers, AskTheWindowsForExactlyThis) {
    struct Row {
        const char* what;
        WindowHandle focused;
        std::function<void(Windowing&)> helper;
        std::vector<std::string> calls;
    };
    // SWP_NOSIZE | SWP_NOMOVE (3), without SWP_NOACTIVATE; -1 is HWND_TOPMOST, -2 HWND_NOTOPMOST.
    const Row rows[] = {
        {"select all", 7, SelectAllText, {"select 7 0+5"}},
        {"select all, nothing focused", 0, SelectAllText, {}},
        {"topmost", 0, [](Windowing& w) { MakeTopmost(w, 9); }, {"pos 9 after -1 0,0 0x0 flags 3"}},
        {"not on top", 0, [](Windowing& w) { SetWindowOnTop(w, 9, false); },
         {"pos 9 after -2 0,0 0x0 flags 3"}},
    };
    for (const Row& row : rows) {
        WindowCalls windowing;
        windowing.focused = row.focused;
        row.helper(windowing);
        EXPECT_EQ(windowing.calls, row.calls) << row.what;
    }
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
