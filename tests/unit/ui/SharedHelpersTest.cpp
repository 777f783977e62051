// The helpers shared by the windows: whole-text selection, the topmost band, and the test
// that tells browser windows from folder windows.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <iterator>
#include <vector>

#include "ui/IsInternetExplorer.h"
#include "ui/MakeTopmost.h"
#include "ui/SelectAllText.h"

namespace velmora {
namespace {

using Calls = std::vector<std::vector<long long>>;

// Records the window calls the helpers make, each as its arguments; the focused control's
// text is 5 characters long.
class WindowCalls : public Windowing {
public:
    WindowHandle ForegroundWindow() override { return 0; }
    void EnableWindow(WindowHandle, bool) override {}
    void ShowWindow(WindowHandle, int) override {}
    void SetWindowPos(WindowHandle window, WindowHandle after, int x, int y, int width, int height,
                      unsigned flags) override {
        // Signed, so that the band handles read -1 and -2 on 32-bit and 64-bit builds alike.
        calls.push_back({static_cast<std::intptr_t>(window), static_cast<std::intptr_t>(after), x,
                         y, width, height, flags});
    }
    WindowHandle FocusedControl() override { return focused; }
    int TextLength(WindowHandle control) override { return control == focused ? 5 : 0; }
    void SetSelection(WindowHandle control, int start, int length) override {
        calls.push_back({static_cast<std::intptr_t>(control), start, length});
    }

    WindowHandle focused = 0;
    Calls calls;
};

TEST(SharedHelpers, AskTheWindowsForExactlyThis) {
    struct Row {
        WindowHandle focused;
        std::function<void(Windowing&)> helper;
        Calls calls;
    };
    // SetWindowPos: window, HWND_TOPMOST (-1) or HWND_NOTOPMOST (-2), no place or size, and
    // SWP_NOSIZE | SWP_NOMOVE (3) without SWP_NOACTIVATE. SetSelection: control, start, length.
    const Row rows[] = {
        {7, SelectAllText, {{7, 0, 5}}},
        {0, SelectAllText, {}},
        {0, [](Windowing& w) { MakeTopmost(w, 9); }, {{9, -1, 0, 0, 0, 0, 3}}},
        {0, [](Windowing& w) { SetWindowOnTop(w, 9, false); }, {{9, -2, 0, 0, 0, 0, 3}}},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        WindowCalls windowing;
        windowing.focused = rows[i].focused;
        rows[i].helper(windowing);
        EXPECT_EQ(windowing.calls, rows[i].calls) << "row " << i;
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
